#include "help/text_reading.h"

#include <limits>

namespace tessel::help {

namespace {

char32_t CodeOf(QChar c)
{
    return c.unicode();
}
char32_t CodeOf(char c)
{
    return static_cast<unsigned char>(c);
}

template <typename View>
View TrimLowCharacters(View text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && CodeOf(text[begin]) <= 0x20)
        ++begin;
    while (end > begin && CodeOf(text[end - 1]) <= 0x20)
        --end;
    return text.sliced(begin, end - begin);
}

int DigitValue(char32_t c, int base)
{
    int digit = -1;
    if (c >= '0' && c <= '9')
        digit = static_cast<int>(c - '0');
    else if (c >= 'a' && c <= 'z')
        digit = static_cast<int>(c - 'a') + 10;
    else if (c >= 'A' && c <= 'Z')
        digit = static_cast<int>(c - 'A') + 10;
    return digit < base ? digit : -1;
}

struct NumberScan
{
    qint64 value = 0;
    bool sawDigit = false;
    bool complete = false; // every character was part of the number
    bool overflow = false;
};

// One scanner for both readers: chars are given as code units widened to char32_t.
template <typename View>
NumberScan ScanNumber(View text)
{
    NumberScan scan;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto at = [&](qsizetype k) -> char32_t { return k < n ? CodeOf(text[k]) : 0; };
    while (i < n && at(i) == ' ')
        ++i;
    bool negative = false;
    if (at(i) == '+' || at(i) == '-') {
        negative = at(i) == '-';
        ++i;
    }
    int base = 10;
    if (at(i) == '$' || at(i) == 'x' || at(i) == 'X') {
        base = 16;
        ++i;
    } else if (at(i) == '0' && (at(i + 1) == 'x' || at(i + 1) == 'X')) {
        base = 16;
        i += 2;
    }
    // Hexadecimal may fill all 32 bits (it wraps to a negative value), decimal stops at the signed limit.
    const qint64 limit = base == 16 ? qint64(std::numeric_limits<quint32>::max())
                                    : qint64(std::numeric_limits<qint32>::max()) + (negative ? 1 : 0);
    qint64 magnitude = 0;
    while (i < n) {
        const int digit = DigitValue(at(i), base);
        if (digit < 0)
            break;
        scan.sawDigit = true;
        if (!scan.overflow) {
            magnitude = magnitude * base + digit;
            if (magnitude > limit)
                scan.overflow = true;
        }
        ++i;
    }
    if (base == 16 && magnitude > std::numeric_limits<qint32>::max())
        magnitude -= qint64(1) << 32;
    scan.value = negative ? -magnitude : magnitude;
    scan.complete = scan.sawDigit && i == n && !scan.overflow;
    return scan;
}

} // namespace

QStringView TrimControls(QStringView text)
{
    return TrimLowCharacters(text);
}

QByteArrayView TrimControls(QByteArrayView text)
{
    return TrimLowCharacters(text);
}

bool TryReadWholeNumber(QStringView text, int &value)
{
    const NumberScan scan = ScanNumber(text);
    if (!scan.complete)
        return false;
    value = static_cast<int>(scan.value);
    return true;
}

qint64 LeadingNumberValue(QByteArrayView text)
{
    const NumberScan scan = ScanNumber(text);
    return scan.overflow ? 0 : scan.value;
}

qint64 RoundHalfEven(qint64 numerator, qint64 denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    const qint64 twice = remainder * 2;
    if (twice > denominator || (twice == denominator && (quotient % 2) != 0))
        ++quotient;
    return quotient;
}

} // namespace tessel::help
