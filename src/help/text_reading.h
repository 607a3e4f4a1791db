#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Small readers shared by the entity decoder, the style sheets and the renderer. They follow the
// conventions help files were written against: "trimmed" drops every character up to the space, and
// numbers use the platform's integer syntax (leading spaces, a sign, "$", "x" or "0x" for hexadecimal).
namespace tessel::help {

// Removes spaces and control characters (everything up to U+0020) from both ends.
QStringView TrimControls(QStringView text);
QByteArrayView TrimControls(QByteArrayView text);

// Reads the whole text as one 32-bit integer: leading spaces, an optional sign, an optional hexadecimal
// prefix, at least one digit and nothing after them. Gives false and leaves value alone otherwise.
bool TryReadWholeNumber(QStringView text, int &value);

// The value of the valid leading part of a number in the same syntax; 0 when there are no digits.
qint64 LeadingNumberValue(QByteArrayView text);

// numerator / denominator rounded to the nearest whole number, halves to the even neighbour.
qint64 RoundHalfEven(qint64 numerator, qint64 denominator);

} // namespace tessel::help
