#include "help/html_entities.h"

#include "help/text_reading.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace tessel::help {

namespace {

constexpr qsizetype kLongestReference = 9; // characters between "&" and ";"

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Writes the key of a name into out and gives its length; out holds at least name.size() + 24 bytes.
qsizetype WriteKey(QByteArrayView name, char *out)
{
    qsizetype length = 0;
    out[length++] = 's';
    out[length++] = 'c';
    qint64 sum = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        out[length++] = name[i];
        sum += qint64(static_cast<unsigned char>(name[i])) * (i + 1) * 256;
    }
    const std::string digits = std::to_string(sum);
    for (const char d : digits)
        out[length++] = d;
    return length;
}

// Keys of the table in upper case, sorted, with the index of their record: lookups compare keys
// without regard to case.
struct KeyIndex
{
    std::vector<std::pair<std::string, unsigned char>> keys;

    KeyIndex()
    {
        keys.reserve(HTMLSpecialChars.size());
        for (std::size_t i = 0; i < HTMLSpecialChars.size(); ++i) {
            const std::string_view named = HTMLSpecialChars[i].namedForm;
            const QByteArray key = EntityKey(QByteArrayView(named.data() + 1, qsizetype(named.size()) - 2));
            std::string upper(key.constData(), std::size_t(key.size()));
            std::transform(upper.begin(), upper.end(), upper.begin(), UpperAscii);
            keys.emplace_back(std::move(upper), static_cast<unsigned char>(i));
        }
        std::sort(keys.begin(), keys.end());
    }

    int Find(std::string_view upperKey) const
    {
        const auto it =
            std::lower_bound(keys.begin(), keys.end(), upperKey,
                             [](const auto &entry, std::string_view k) { return entry.first < k; });
        return (it != keys.end() && it->first == upperKey) ? it->second : -1;
    }
};

const KeyIndex &Keys()
{
    static const KeyIndex index;
    return index;
}

// "#" and the first letters of the table's names.
bool MayStartReference(char c)
{
    static constexpr std::string_view allowed = "#ABCDEGIKLMNOPRSTUXYZabcdefghiklmnopqrstuxyz";
    return allowed.find(c) != std::string_view::npos;
}

} // namespace

QByteArray EntityKey(QByteArrayView name)
{
    QByteArray key(name.size() + 24, Qt::Uninitialized);
    key.truncate(WriteKey(name, key.data()));
    return key;
}

QByteArray DecodeHTMLEntities(QByteArrayView source)
{
    QByteArray output(source.size(), Qt::Uninitialized);
    char *out = output.data();
    const qsizetype n = source.size();
    qsizetype i = 0;
    while (i < n) {
        const char c = source[i];
        if (c != '&' || i + 1 >= n || !MayStartReference(source[i + 1])) {
            *out++ = c;
            ++i;
            continue;
        }
        qsizetype semicolon = -1;
        for (qsizetype k = i + 1; k < n && k <= i + 1 + kLongestReference; ++k) {
            if (source[k] == ';') {
                semicolon = k;
                break;
            }
        }
        if (semicolon < 0) {
            *out++ = c;
            ++i;
            continue;
        }
        const QByteArrayView body = source.sliced(i + 1, semicolon - i - 1);
        if (body.front() == '#') {
            *out++ = static_cast<char>(LeadingNumberValue(body.sliced(1)) & 0xFF);
            i = semicolon + 1;
            continue;
        }
        char key[kLongestReference + 24];
        const qsizetype keyLength = WriteKey(body, key);
        std::transform(key, key + keyLength, key, UpperAscii);
        const int record = Keys().Find(std::string_view(key, std::size_t(keyLength)));
        if (record < 0) {
            *out++ = c;
            ++i;
            continue;
        }
        *out++ = static_cast<char>(HTMLSpecialChars[std::size_t(record)].replacement);
        i = semicolon + 1;
    }
    output.truncate(out - output.constData());
    return output;
}

} // namespace tessel::help
