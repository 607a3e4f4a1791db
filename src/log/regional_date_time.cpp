#include "log/regional_date_time.h"

#include "common/clock.h"

#include <QLocale>

namespace tessel {
namespace {

QString ShortDatePattern(const QLocale &locale)
{
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    if (!pattern.contains(QLatin1String("yyyy")))
        pattern.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return pattern;
}

QString LongTimePattern(const QLocale &locale)
{
    // The long format names the time zone ("t"); the stamp of a local log line has no use for it.
    QString pattern = locale.timeFormat(QLocale::LongFormat);
    pattern.remove(QLatin1Char('t'));
    return pattern.simplified();
}

} // namespace

QString RegionalDateTimeText(const QDateTime &dateTime)
{
    const QLocale locale;
    QString text = locale.toString(dateTime.date(), ShortDatePattern(locale));
    if (dateTime.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(dateTime.time(), LongTimePattern(locale));
    return text;
}

QString RegionalTimeText(const QTime &time)
{
    const QLocale locale;
    return locale.toString(time, LongTimePattern(locale));
}

QString CurrentRegionalDateTimeText()
{
    struct Cached
    {
        qint64 second = 0;
        bool valid = false;
        QLocale locale;
        QString text;
    };
    static thread_local Cached cached;

    const QDateTime now = CurrentDateTime();
    // The second counted from the local date and time as they stand: converting to an epoch time would
    // cost another trip through the time-zone rules on every line.
    const qint64 second = now.date().toJulianDay() * 86400 + now.time().msecsSinceStartOfDay() / 1000;
    const QLocale locale;
    // Exact midnight drops the time part, so that one millisecond is never shared with its second.
    if (!cached.valid || cached.second != second || cached.locale != locale || now.time() == QTime(0, 0)) {
        cached.text = RegionalDateTimeText(now);
        cached.second = second;
        cached.locale = locale;
        cached.valid = now.time() != QTime(0, 0);
    }
    return cached.text;
}

} // namespace tessel
