#include "help/ansi_text.h"

#include <array>

namespace tessel::help {

namespace {

// Unicode of the bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte for a character, or -1 when the code page has none.
int ByteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == c)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

char SubstituteFor(char32_t c)
{
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D);
    if (!decomposed.isEmpty() && decomposed.size() > 1) {
        const int byte = ByteOf(decomposed.at(0).unicode());
        if (byte > 0)
            return static_cast<char>(byte);
    }
    return '?';
}

} // namespace

QString FromAnsi(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(kHighControlRange[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QByteArray ToAnsi(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes.append(SubstituteFor(QChar::surrogateToUcs4(c, text[i + 1])));
            ++i;
            continue;
        }
        const int byte = c.isSurrogate() ? -1 : ByteOf(c.unicode());
        bytes.append(byte >= 0 ? static_cast<char>(byte) : SubstituteFor(c.unicode()));
    }
    return bytes;
}

} // namespace tessel::help
