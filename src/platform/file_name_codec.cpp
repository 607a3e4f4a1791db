#include "platform/file_name_codec.h"

#include <QStringDecoder>

namespace tessel::platform {
namespace {

constexpr char16_t kEscapeBase = 0xDC00; // byte b >= 0x80 becomes U+DC00 + b

// QString::fromUtf8 drops a U+FEFF at the start of its input; in a file name it is a character like any
// other and must survive.
QString DecodeValidUtf8(const char *bytes, qsizetype length)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(bytes, length));
}

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence at text[0..available), or 0 when it is not valid
// (overlong forms, surrogates and code points above U+10FFFF are not valid).
int ValidSequenceLength(const unsigned char *text, qsizetype available)
{
    const unsigned char lead = text[0];
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return available >= 2 && IsContinuation(text[1]) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (available < 3 || !IsContinuation(text[1]) || !IsContinuation(text[2]))
            return 0;
        if (lead == 0xE0 && text[1] < 0xA0)
            return 0; // overlong
        if (lead == 0xED && text[1] >= 0xA0)
            return 0; // UTF-16 surrogate
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (available < 4 || !IsContinuation(text[1]) || !IsContinuation(text[2]) || !IsContinuation(text[3]))
            return 0;
        if (lead == 0xF0 && text[1] < 0x90)
            return 0; // overlong
        if (lead == 0xF4 && text[1] >= 0x90)
            return 0; // beyond U+10FFFF
        return 4;
    }
    return 0;
}

} // namespace

QString DecodeFileName(const char *bytes, qsizetype length)
{
    const auto *text = reinterpret_cast<const unsigned char *>(bytes);
    qsizetype i = 0;
    while (i < length && text[i] < 0x80)
        ++i;
    if (i == length)
        return QString::fromLatin1(bytes, length);

    QString result;
    result.reserve(length);
    result.append(QLatin1StringView(bytes, i));
    qsizetype validStart = i;
    while (i < length) {
        const int sequence = ValidSequenceLength(text + i, length - i);
        if (sequence > 0) {
            i += sequence;
            continue;
        }
        result.append(DecodeValidUtf8(bytes + validStart, i - validStart));
        result.append(QChar(char16_t(kEscapeBase + text[i])));
        ++i;
        validStart = i;
    }
    result.append(DecodeValidUtf8(bytes + validStart, length - validStart));
    return result;
}

QByteArray EncodeFileName(const QString &name)
{
    const QChar *chars = name.constData();
    const qsizetype length = name.size();
    qsizetype firstEscape = 0;
    while (firstEscape < length &&
           !(chars[firstEscape].unicode() >= 0xDC80 && chars[firstEscape].unicode() <= 0xDCFF))
        ++firstEscape;
    if (firstEscape == length)
        return name.toUtf8();

    QByteArray result;
    result.reserve(length + 8);
    qsizetype runStart = 0;
    for (qsizetype i = firstEscape; i < length; ++i) {
        const char16_t unit = chars[i].unicode();
        if (unit < 0xDC80 || unit > 0xDCFF)
            continue;
        // A low surrogate preceded by a high one is a real character, not an escaped byte.
        if (i > 0 && chars[i - 1].isHighSurrogate())
            continue;
        result.append(QStringView(chars + runStart, i - runStart).toUtf8());
        result.append(char(unit - kEscapeBase));
        runStart = i + 1;
    }
    result.append(QStringView(chars + runStart, length - runStart).toUtf8());
    return result;
}

} // namespace tessel::platform
