#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

// Texts built from dates, numbers and paths for names and labels.
namespace tessel {

// Now, from the program's clock, as "YYYY-MM-DD hh-nn-ss": usable inside a folder name.
QString DateTimeStamp();
QString DateTimeStamp(const QDateTime &moment);

// The value in the user's locale with thousands grouped and `decimals` decimals; exactly 0 gives "0".
QString FormatNumber(double value, int decimals = 0);

// Width of a text in whatever unit the caller measures (pixels of a label's font, or characters).
using TextWidthFunction = std::function<int(const QString &)>;

// The path with folder names replaced by "..." from the middle outwards until it fits maxWidth; a
// path whose folders are all elided keeps its drive part (if any) and "/../" before the file name,
// and one that still does not fit ends as the bare file name.
QString ShortenPath(const QString &path, const TextWidthFunction &textWidth, int maxWidth);

} // namespace tessel
