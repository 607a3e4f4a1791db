#pragma once

#include <QString>

// The backup log: the user's plain-text history of what runs did. Lines are only ever appended, each
// with its own open, write and close, and a line that cannot be written is lost without a word: the
// log never stops or slows a run beyond that one write.
namespace tessel {

// Appends one line to the log file: an empty text gives an empty line, "-" a line of nine hyphens,
// anything else the regional date and time, " : " and the text. UTF-8, ended by CR LF.
void writelog(const QString &logfilename, const QString &text);

// The name a verbose per-file line shows for path: the full path, which makes its folder the one
// remembered in lastfolder, or, when the folder is the one remembered, a ditto mark and the file
// name alone.
QString logdisplayname(const QString &path, QString &lastfolder);

// The ditto mark that stands for "the same folder as the line above".
inline QString LogDittoMark()
{
    return QStringLiteral(" \"   \"  ");
}

// The log as the engine and the runs write it: its file, the verbose flag and the two memories of the
// folder shown last. The caller keeps the file name and the flag in step with the program's settings.
class BackupLog
{
public:
    BackupLog() = default;
    explicit BackupLog(QString logfilename, bool verboselogging = false);

    const QString &logfilename() const { return logfilename_; }
    void setLogFileName(const QString &logfilename) { logfilename_ = logfilename; }
    bool verboselogging() const { return verboselogging_; }
    void setVerboseLogging(bool on) { verboselogging_ = on; }

    // Every run starts by forgetting the folders shown, so its first file shows its full path.
    void clearShownNames();

    void writelog(const QString &text) const;

    // Per-file lines, written only with verbose logging.
    void logCopied(const QString &path);
    // A failed copy names the full source path and leaves the ditto sequence of copies unbroken.
    void logFailedToCopy(const QString &sourcePath, const QString &systemError) const;
    // A destination file that the source no longer has.
    void logDeleted(const QString &path) const;
    // A file inside a destination folder that the source no longer has.
    void logDeletedInFolder(const QString &path);
    void logDeletedFolder(const QString &folderPath) const;

    // Lines every run writes.
    void logBackedUpGroup(const QString &groupTitle) const;
    void logRunSummary(const QString &summary) const;
    void logExecuted(const QString &itemTitle) const;
    void logCouldNotExecute(const QString &programPath, bool fileNotFound) const;

    // The two memories, for whoever needs to look (tests).
    const QString &lastCopiedFolder() const { return lastCopiedFolder_; }
    const QString &lastDeletedFolder() const { return lastDeletedFolder_; }

private:
    QString logfilename_;
    bool verboselogging_ = false;
    QString lastCopiedFolder_;
    QString lastDeletedFolder_;
};

} // namespace tessel
