#include "log/backup_log.h"

#include "log/line_file.h"
#include "log/regional_date_time.h"

#include <utility>

namespace tessel {
namespace {

QByteArray LineFor(const QString &text)
{
    if (text.isEmpty())
        return QByteArrayLiteral("\r\n");
    if (text == QLatin1String("-"))
        return QByteArrayLiteral("---------\r\n");
    return LineBytes(CurrentRegionalDateTimeText() + QLatin1String(" : ") + text);
}

QString Quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

void writelog(const QString &logfilename, const QString &text)
{
    // Whatever goes wrong, the line is lost and the run goes on.
    (void)AppendToFile(logfilename, LineFor(text));
}

QString logdisplayname(const QString &path, QString &lastfolder)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QStringView folder = QStringView(path).first(slash + 1);
    if (!lastfolder.isEmpty() && folder == lastfolder)
        return LogDittoMark() + QStringView(path).sliced(slash + 1);
    lastfolder = folder.toString();
    return path;
}

BackupLog::BackupLog(QString logfilename, bool verboselogging)
    : logfilename_(std::move(logfilename))
    , verboselogging_(verboselogging)
{}

void BackupLog::clearShownNames()
{
    lastCopiedFolder_.clear();
    lastDeletedFolder_.clear();
}

void BackupLog::writelog(const QString &text) const
{
    tessel::writelog(logfilename_, text);
}

void BackupLog::logCopied(const QString &path)
{
    if (verboselogging_)
        writelog(QLatin1String("Copied ") + logdisplayname(path, lastCopiedFolder_));
}

void BackupLog::logFailedToCopy(const QString &sourcePath, const QString &systemError) const
{
    if (verboselogging_)
        writelog(QLatin1String("Failed to copy ") + sourcePath + QLatin1String("    - [") + systemError +
                 QLatin1Char(']'));
}

void BackupLog::logDeleted(const QString &path) const
{
    if (verboselogging_)
        writelog(QLatin1String("Deleted ") + path);
}

void BackupLog::logDeletedInFolder(const QString &path)
{
    if (verboselogging_)
        writelog(QLatin1String("Deleted ") + logdisplayname(path, lastDeletedFolder_));
}

void BackupLog::logDeletedFolder(const QString &folderPath) const
{
    if (verboselogging_)
        writelog(QLatin1String("Deleted folder ") + folderPath);
}

void BackupLog::logBackedUpGroup(const QString &groupTitle) const
{
    writelog(QLatin1String("Backed up Group ") + Quoted(groupTitle));
}

void BackupLog::logRunSummary(const QString &summary) const
{
    writelog(summary);
    writelog(QStringLiteral("-"));
}

void BackupLog::logExecuted(const QString &itemTitle) const
{
    writelog(QLatin1String("Executed file: Item: ") + itemTitle);
}

void BackupLog::logCouldNotExecute(const QString &programPath, bool fileNotFound) const
{
    QString text = QLatin1String("Warning: Could not execute ") + Quoted(programPath);
    if (fileNotFound)
        text += QLatin1String(" (File not found)");
    writelog(text);
}

} // namespace tessel
