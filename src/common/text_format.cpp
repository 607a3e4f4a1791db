#include "common/text_format.h"

#include "common/clock.h"

#include <QLocale>

namespace tessel {
namespace {

const QChar kSeparator = QLatin1Char('/');
const QString kEllipsisElement = QStringLiteral("/...");
const QString kEllipsisFolder = QStringLiteral(".../");

struct ElementBounds
{
    qsizetype start = 0; // 1-based position of the "/" before the middle, 0 when there is none
    qsizetype end = 0;   // 1-based position of the first "/" after the middle, or the length
};

ElementBounds FindMiddleElement(const QString &folder)
{
    const qsizetype length = folder.size();
    const qsizetype middle = length / 2;
    ElementBounds bounds;
    for (qsizetype position = middle; position >= 1; --position) {
        if (folder[position - 1] == kSeparator) {
            bounds.start = position;
            break;
        }
    }
    bounds.end = length;
    for (qsizetype position = middle + 1; position <= length; ++position) {
        if (folder[position - 1] == kSeparator) {
            bounds.end = position;
            break;
        }
    }
    return bounds;
}

// Replaces the folder element nearest the middle by "...", merging it with an ellipsis made by an
// earlier step. False when nothing could be elided; the folder part is then empty (or just "/").
bool ShortenFolderOnce(QString &folder)
{
    if (folder == QString(kSeparator)) {
        folder.clear();
        return false;
    }
    const bool leadingSeparator = folder.startsWith(kSeparator);
    if (leadingSeparator)
        folder.remove(0, 1);
    if (folder.startsWith(QLatin1Char('.')))
        folder.remove(0, kEllipsisFolder.size());

    bool elided = false;
    ElementBounds bounds = FindMiddleElement(folder);
    if (bounds.end - bounds.start >= 2 && bounds.start >= 1 && folder.size() > bounds.end) {
        if (folder.mid(bounds.start - 1, bounds.end - bounds.start) == kEllipsisElement) {
            folder.remove(bounds.start - 1, kEllipsisElement.size());
            bounds = FindMiddleElement(folder);
        }
        // After merging, the element must still lie between two separators.
        if (bounds.start >= 1 && bounds.end > bounds.start && bounds.end <= folder.size() &&
            folder[bounds.end - 1] == kSeparator) {
            folder.remove(bounds.start - 1, bounds.end - bounds.start);
            folder.insert(bounds.start, kEllipsisFolder);
            elided = true;
        }
    }
    if (!elided)
        folder.clear();
    if (leadingSeparator)
        folder.prepend(kSeparator);
    return elided;
}

} // namespace

QString DateTimeStamp()
{
    return DateTimeStamp(CurrentDateTime());
}

QString DateTimeStamp(const QDateTime &moment)
{
    QString stamp = QLocale::c().toString(moment, QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    stamp.replace(QLatin1Char('/'), QLatin1Char('-'));
    return stamp;
}

QString FormatNumber(double value, int decimals)
{
    if (value == 0)
        return QStringLiteral("0");
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', qMax(0, decimals));
}

QString ShortenPath(const QString &path, const TextWidthFunction &textWidth, int maxWidth)
{
    QString result = path;
    const qsizetype lastSeparator = path.lastIndexOf(kSeparator);
    QString folder = path.left(lastSeparator + 1);
    const QString fileName = path.mid(lastSeparator + 1);
    QString drive;
    if (folder.size() >= 2 && folder[1] == QLatin1Char(':')) {
        drive = folder.left(2);
        folder.remove(0, 2);
    }

    bool shortened = false;
    // Every pass either elides an element or empties a part; the bound only guards against a hang on
    // a path nobody foresaw.
    qsizetype passesLeft = 4 * path.size() + 16;
    while ((!folder.isEmpty() || !drive.isEmpty()) && passesLeft-- > 0) {
        if (textWidth(result) <= maxWidth)
            break;
        if (folder == QLatin1String("/.../")) {
            drive.clear();
            folder = kEllipsisFolder;
        } else if (folder.isEmpty()) {
            drive.clear();
        } else if (ShortenFolderOnce(folder)) {
            shortened = true;
        }
        result = drive + folder + fileName;
    }
    if (folder == QString(kSeparator) && shortened)
        result = drive + QStringLiteral("/../") + fileName;
    return result;
}

} // namespace tessel
