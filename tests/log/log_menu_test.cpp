#include "log/backup_log.h"
#include "log/diagnostic_log.h"
#include "log/log_menu.h"

#include "common/shell.h"
#include "log_test_support.h"
#include "support/recording_launcher.h"
#include "support/scripted_messages.h"

#include <QFile>

namespace tessel {
namespace {

using test::LogFixture;
using test::RecordingLauncher;
using test::ScriptedMessages;

class LogMenuTest : public LogFixture
{
protected:
    void SetUp() override
    {
        LogFixture::SetUp();
        logFile = PathIn(QStringLiteral("BACKUPLOG.TXT"));
    }

    ScriptedMessages messages;
    RecordingLauncher launcher;
    QString logFile;
};

TEST_F(LogMenuTest, ViewOpensAnExistingLogInTheUsersViewer)
{
    viewlog(logFile);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, QStringLiteral("Log file does not exist."));
    EXPECT_EQ(messages.shown[0].detail, logFile);
    EXPECT_TRUE(launcher.opened.empty());

    writelog(logFile, QStringLiteral("line"));
    viewlog(logFile);
    ASSERT_EQ(launcher.opened.size(), 1u);
    EXPECT_EQ(launcher.opened[0].file, logFile);
    EXPECT_EQ(launcher.opened[0].parameters, QString());
    EXPECT_EQ(launcher.opened[0].Verb(), QStringLiteral("open"));
    EXPECT_EQ(messages.shown.size(), 1u);

    // A viewer that cannot be started is not passed over in silence.
    launcher.error = QStringLiteral("No application associated with the given filename extension");
    viewlog(logFile);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].message, launcher.error);
}

TEST_F(LogMenuTest, ClearAsksThenEmptiesTheLog)
{
    writelog(logFile, QStringLiteral("history"));
    const QByteArray before = Contents(logFile);

    clearlog(logFile); // answered No
    EXPECT_EQ(Contents(logFile), before);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].message, QStringLiteral("Are you sure you want to clear the log?"));
    EXPECT_TRUE(messages.shown.empty());

    messages.AnswerNext(true);
    clearlog(logFile);
    EXPECT_EQ(Contents(logFile), QByteArray());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, QStringLiteral("The log has been cleared"));

    // Lines after a clear start the new file.
    writelog(logFile, QStringLiteral("-"));
    EXPECT_EQ(Contents(logFile), QByteArrayLiteral("---------\r\n"));

    ASSERT_TRUE(QFile::remove(logFile));
    messages.AnswerNext(true);
    clearlog(logFile);
    EXPECT_FALSE(QFile::exists(logFile));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].message, QStringLiteral("Log file not not exist."));
    EXPECT_EQ(messages.shown[1].detail, logFile);
}

TEST_F(LogMenuTest, DiagnosticLogViewUsesItsOwnFile)
{
    TMyLog log;
    log.SetLogFileName(PathIn(QStringLiteral("Debuglog.txt")));
    log.ViewLogFile();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, QStringLiteral("Log file not found."));
    EXPECT_EQ(messages.shown[0].detail, log.LogFileName());

    log.Log("x");
    log.ViewLogFile();
    ASSERT_EQ(launcher.opened.size(), 1u);
    EXPECT_EQ(launcher.opened[0].file, log.LogFileName());
}

} // namespace
} // namespace tessel
