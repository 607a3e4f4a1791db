#pragma once

#include <QDateTime>
#include <QString>

// Dates and times as the user's regional settings write them, for log lines.
namespace tessel {

// The regional short date, a blank and the long time; the time is left out when it is exactly
// midnight. A two-digit year is widened to four digits, since a log outlives a century's guesswork.
QString RegionalDateTimeText(const QDateTime &dateTime);

// The regional long time, without the time-zone name.
QString RegionalTimeText(const QTime &time);

// The stamp that leads a line, for the clock's "now". Consecutive lines within one second reuse the
// text made for the first, so a log line per file costs no date formatting.
QString CurrentRegionalDateTimeText();

} // namespace tessel
