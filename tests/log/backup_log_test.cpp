#include "log/backup_log.h"
#include "log/line_file.h"

#include "log_test_support.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace tessel {
namespace {

using test::LogFixture;

class BackupLogTest : public LogFixture
{
};

TEST_F(BackupLogTest, WritesTheThreeKindsOfLine)
{
    const QString log = PathIn(QStringLiteral("BACKUPLOG.TXT"));
    writelog(log, QString());
    writelog(log, QStringLiteral("-"));
    writelog(log, QStringLiteral("Backed up Group \"Documents\""));
    writelog(log, QStringLiteral("- not a separator"));

    EXPECT_EQ(Contents(log), QByteArrayLiteral("\r\n"
                                               "---------\r\n"
                                               "3/5/2026 2:07:09 PM : Backed up Group \"Documents\"\r\n"
                                               "3/5/2026 2:07:09 PM : - not a separator\r\n"));
}

TEST_F(BackupLogTest, StampFollowsClockAndLocale)
{
    struct Case
    {
        QLocale locale;
        QDateTime now;
        QByteArray line;
    };
    const QDate day(2026, 3, 5);
    const std::vector<Case> cases = {
        {QLocale(QLocale::English, QLocale::UnitedStates), QDateTime(day, QTime(9, 0, 1)),
         "3/5/2026 9:00:01 AM : x\r\n"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), QDateTime(day, QTime(21, 30, 0)),
         "05/03/2026 21:30:00 : x\r\n"},
        // A two-digit regional year is written with four digits.
        {QLocale(QLocale::German, QLocale::Germany), QDateTime(day, QTime(0, 0, 1)),
         "05.03.2026 00:00:01 : x\r\n"},
        // Exactly midnight leaves the time out; a millisecond later it is back.
        {QLocale(QLocale::English, QLocale::UnitedStates), QDateTime(day, QTime(0, 0)), "3/5/2026 : x\r\n"},
        {QLocale(QLocale::English, QLocale::UnitedStates), QDateTime(day, QTime(0, 0, 0, 1)),
         "3/5/2026 12:00:00 AM : x\r\n"},
        // Lines in quick succession must not keep an earlier second's stamp.
        {QLocale(QLocale::English, QLocale::UnitedStates), QDateTime(day, QTime(0, 0, 0, 999)),
         "3/5/2026 12:00:00 AM : x\r\n"},
        {QLocale(QLocale::English, QLocale::UnitedStates), QDateTime(day, QTime(0, 0, 1)),
         "3/5/2026 12:00:01 AM : x\r\n"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), QDateTime(day, QTime(0, 0, 1)),
         "05/03/2026 00:00:01 : x\r\n"},
    };
    for (const Case &c : cases) {
        QLocale::setDefault(c.locale);
        SetNow(c.now);
        const QString log = PathIn(QStringLiteral("stamp.txt"));
        QFile::remove(log);
        writelog(log, QStringLiteral("x"));
        EXPECT_EQ(Contents(log), c.line) << c.now.toString(Qt::ISODateWithMs).toStdString();
    }
}

TEST_F(BackupLogTest, KeepsTextAsUtf8OnOneLine)
{
    const QString log = PathIn(QStringLiteral("BACKUPLOG.TXT"));
    // A run summary keeps its carriage returns inside its one line.
    writelog(log, QStringLiteral("Sicherung fertig: Gr\u00fc\u00dfe\r3 files copied."));
    // A file name byte that is not UTF-8 (held as a lone surrogate) must not make the log invalid.
    writelog(log, QStringLiteral("Copied /data/") + QChar(0xDCE9) + QStringLiteral("t\u00e9"));
    // A line feed in a file name would make one entry look like two.
    writelog(log, QStringLiteral("Copied /data/a\n3/5/2026 2:07:09 PM : Copied /data/b"));
    EXPECT_EQ(Contents(log),
              QByteArray("3/5/2026 2:07:09 PM : Sicherung fertig: Gr\xc3\xbc\xc3\x9f"
                         "e\r3 files copied.\r\n"
                         "3/5/2026 2:07:09 PM : Copied /data/?t\xc3\xa9\r\n"
                         "3/5/2026 2:07:09 PM : Copied /data/a 3/5/2026 2:07:09 PM : Copied /data/b\r\n"));
}

TEST_F(BackupLogTest, MissingOrDeletedLogIsCreatedByTheNextLine)
{
    const QString log = PathIn(QStringLiteral("BACKUPLOG.TXT"));
    writelog(log, QStringLiteral("one"));
    ASSERT_TRUE(QFile::remove(log)); // the user deletes it while a run goes on
    writelog(log, QStringLiteral("two"));
    EXPECT_EQ(Contents(log), QByteArrayLiteral("3/5/2026 2:07:09 PM : two\r\n"));
}

TEST_F(BackupLogTest, LinesThatCannotBeWrittenAreLostQuietly)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    QFile plainFile(PathIn(QStringLiteral("plain")));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    ASSERT_EQ(::mkfifo(PathIn(QStringLiteral("pipe")).toLocal8Bit().constData(), 0600), 0);

    struct Case
    {
        QString logfilename;
        AppendResult expected;
    };
    const std::vector<Case> cases = {
        {QString(), AppendResult::CouldNotCreate},
        {PathIn(QStringLiteral("missing/BACKUPLOG.TXT")), AppendResult::CouldNotCreate},
        {PathIn(QStringLiteral("plain/BACKUPLOG.TXT")), AppendResult::CouldNotCreate},
        {PathIn(QStringLiteral("folder")), AppendResult::CouldNotOpen},
        {PathIn(QStringLiteral("pipe")), AppendResult::CouldNotOpen}, // no reader: must not wait for one
        {QStringLiteral("/dev/full"), AppendResult::WriteFailed},     // a full disk
    };
    for (const Case &c : cases) {
        writelog(c.logfilename, QStringLiteral("lost"));
        EXPECT_EQ(AppendToFile(c.logfilename, QByteArrayLiteral("lost\r\n")), c.expected)
            << c.logfilename.toStdString();
    }
    EXPECT_FALSE(QFile::exists(PathIn(QStringLiteral("missing"))));
    EXPECT_EQ(Contents(PathIn(QStringLiteral("plain"))), QByteArray());
}

TEST_F(BackupLogTest, ReadOnlyLogLosesLines)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files";
    const QString log = PathIn(QStringLiteral("BACKUPLOG.TXT"));
    writelog(log, QStringLiteral("kept"));
    ASSERT_TRUE(QFile::setPermissions(log, QFile::ReadOwner));
    writelog(log, QStringLiteral("lost"));
    EXPECT_EQ(Contents(log), QByteArrayLiteral("3/5/2026 2:07:09 PM : kept\r\n"));
}

TEST(LogDisplayName, ShowsFullPathOrDittoForTheRememberedFolder)
{
    struct Step
    {
        QString path;
        QString shown;
        QString memoryAfter;
    };
    const QString ditto = QStringLiteral(" \"   \"  ");
    const std::vector<Step> steps = {
        {QStringLiteral("/src/a/one.txt"), QStringLiteral("/src/a/one.txt"), QStringLiteral("/src/a/")},
        {QStringLiteral("/src/a/two.txt"), ditto + QStringLiteral("two.txt"), QStringLiteral("/src/a/")},
        // Folder names are compared exactly, case included.
        {QStringLiteral("/src/A/three.txt"), QStringLiteral("/src/A/three.txt"), QStringLiteral("/src/A/")},
        {QStringLiteral("/src/A/sub/four"), QStringLiteral("/src/A/sub/four"), QStringLiteral("/src/A/sub/")},
        {QStringLiteral("/src/A/five"), QStringLiteral("/src/A/five"), QStringLiteral("/src/A/")},
        // A name without a folder is shown in full and never counts as "the same folder".
        {QStringLiteral("bare"), QStringLiteral("bare"), QString()},
        {QStringLiteral("bare2"), QStringLiteral("bare2"), QString()},
    };
    QString memory;
    for (const Step &step : steps) {
        EXPECT_EQ(logdisplayname(step.path, memory), step.shown) << step.path.toStdString();
        EXPECT_EQ(memory, step.memoryAfter) << step.path.toStdString();
    }
    EXPECT_EQ(ditto.size(), 8);
}

TEST_F(BackupLogTest, VerboseLinesKeepTwoDittoSequences)
{
    const QString log = PathIn(QStringLiteral("BACKUPLOG.TXT"));
    BackupLog backupLog(log, true);
    backupLog.logCopied(QStringLiteral("/data/docs/a.txt"));
    backupLog.logFailedToCopy(QStringLiteral("/data/docs/locked.txt"), QStringLiteral("Permission denied"));
    backupLog.logCopied(QStringLiteral("/data/docs/b.txt"));
    backupLog.logDeletedInFolder(QStringLiteral("/backup/old/x.txt"));
    backupLog.logDeletedInFolder(QStringLiteral("/backup/old/y.txt"));
    backupLog.logDeleted(QStringLiteral("/backup/docs/gone.txt"));
    backupLog.logDeletedFolder(QStringLiteral("/backup/old"));
    backupLog.logCopied(QStringLiteral("/data/docs/c.txt"));
    backupLog.logCopied(QStringLiteral("/data/pics/p.jpg"));
    backupLog.logCopied(QStringLiteral("/data/docs/d.txt"));
    backupLog.logRunSummary(QStringLiteral("Backup finished."));
    backupLog.clearShownNames(); // the next run
    backupLog.logCopied(QStringLiteral("/data/docs/e.txt"));
    backupLog.logDeletedInFolder(QStringLiteral("/backup/old/z.txt"));

    EXPECT_EQ(Contents(log), QByteArrayLiteral("3/5/2026 2:07:09 PM : Copied /data/docs/a.txt\r\n"
                                               "3/5/2026 2:07:09 PM : Failed to copy /data/docs/locked.txt"
                                               "    - [Permission denied]\r\n"
                                               "3/5/2026 2:07:09 PM : Copied  \"   \"  b.txt\r\n"
                                               "3/5/2026 2:07:09 PM : Deleted /backup/old/x.txt\r\n"
                                               "3/5/2026 2:07:09 PM : Deleted  \"   \"  y.txt\r\n"
                                               "3/5/2026 2:07:09 PM : Deleted /backup/docs/gone.txt\r\n"
                                               "3/5/2026 2:07:09 PM : Deleted folder /backup/old\r\n"
                                               "3/5/2026 2:07:09 PM : Copied  \"   \"  c.txt\r\n"
                                               "3/5/2026 2:07:09 PM : Copied /data/pics/p.jpg\r\n"
                                               "3/5/2026 2:07:09 PM : Copied /data/docs/d.txt\r\n"
                                               "3/5/2026 2:07:09 PM : Backup finished.\r\n"
                                               "---------\r\n"
                                               "3/5/2026 2:07:09 PM : Copied /data/docs/e.txt\r\n"
                                               "3/5/2026 2:07:09 PM : Deleted /backup/old/z.txt\r\n"));
}

TEST_F(BackupLogTest, WithoutVerboseLoggingOnlyRunLinesAreWritten)
{
    const QString log = PathIn(QStringLiteral("BACKUPLOG.TXT"));
    BackupLog backupLog(log);
    backupLog.logCopied(QStringLiteral("/data/docs/a.txt"));
    backupLog.logFailedToCopy(QStringLiteral("/data/docs/b.txt"), QStringLiteral("No space left on device"));
    backupLog.logDeleted(QStringLiteral("/backup/c.txt"));
    backupLog.logDeletedInFolder(QStringLiteral("/backup/old/d.txt"));
    backupLog.logDeletedFolder(QStringLiteral("/backup/old"));
    backupLog.logBackedUpGroup(QStringLiteral("My \"best\" files"));
    backupLog.logExecuted(QStringLiteral("Sync calendar"));
    backupLog.logCouldNotExecute(QStringLiteral("/opt/tool/run"), false);
    backupLog.logCouldNotExecute(QStringLiteral("/opt/tool/missing"), true);
    // Skipped lines must not have moved the ditto memories either.
    backupLog.setVerboseLogging(true);
    backupLog.logCopied(QStringLiteral("/data/docs/e.txt"));

    EXPECT_EQ(Contents(log),
              QByteArrayLiteral("3/5/2026 2:07:09 PM : Backed up Group \"My \"best\" files\"\r\n"
                                "3/5/2026 2:07:09 PM : Executed file: Item: Sync calendar\r\n"
                                "3/5/2026 2:07:09 PM : Warning: Could not execute "
                                "\"/opt/tool/run\"\r\n"
                                "3/5/2026 2:07:09 PM : Warning: Could not execute "
                                "\"/opt/tool/missing\" (File not found)\r\n"
                                "3/5/2026 2:07:09 PM : Copied /data/docs/e.txt\r\n"));
}

} // namespace
} // namespace tessel
