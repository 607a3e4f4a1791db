#include "log/diagnostic_log.h"

#include "log_test_support.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <pwd.h>
#include <unistd.h>

namespace tessel {
namespace {

using test::LogFixture;
using test::ScriptedMessages;

class DiagnosticLogTest : public LogFixture
{
protected:
    void SetUp() override
    {
        LogFixture::SetUp();
        logFile = PathIn(QStringLiteral("Debuglog.txt"));
        log.SetLogFileName(logFile);
    }

    // The lines written so far, without their CR LF ends.
    QStringList Lines() const
    {
        QString text = QString::fromUtf8(Contents(logFile));
        EXPECT_TRUE(text.endsWith(QLatin1String("\r\n"))) << text.toStdString();
        text.chop(2);
        return text.split(QStringLiteral("\r\n"));
    }

    TMyLog log;
    QString logFile;
};

TEST_F(DiagnosticLogTest, FormatsEachKindOfValue)
{
    const QDateTime afternoon(QDate(2026, 3, 5), QTime(14, 7, 9));
    const QDateTime midnight(QDate(2026, 3, 5), QTime(0, 0));
    log.Log("plain text");
    log.Log("two\nparts");
    log.Log("name", "value");
    log.Log(QStringLiteral("name"), QStringLiteral("value"));
    log.Log(qint64(-9000000000));
    log.Log(7);
    log.Log(true);
    log.Log(false);
    log.Log("count", 42);
    log.Log("size", quint32(4000000000));
    log.Log("ready", true);
    log.Log(afternoon);
    log.Log("when", midnight);
    log.Log(0.1);
    log.Log(0.1f);
    log.Log("ratio", 2.5);
    log.Log("scale", 1e21);
    log.Log(ColorValue{255});
    log.Log("background", ColorValue{0x00FF8000});
    log.Log("system colour", ColorValue{qint32(0xFF00000F)});

    EXPECT_EQ(Lines(), QStringList({
                           "plain text",
                           "two parts",
                           "name = value",
                           "name = value",
                           "-9000000000",
                           "7",
                           "True",
                           "False",
                           "count = 42",
                           "size = 4000000000",
                           "ready = True",
                           "3/5/2026 2:07:09 PM",
                           "when = 3/5/2026",
                           "0.1",
                           "0.1",
                           "ratio = 2.5",
                           "scale = 1e+21",
                           "Color = 255 (R:255 G:0 B:0,  FF0000)",
                           "background = 16744448 (R:0 G:128 B:255,  0080FF)",
                           "system colour = -16777201 (R:15 G:0 B:0,  0F0000)",
                       }));
}

TEST_F(DiagnosticLogTest, FloatsUseTheLocaleDecimalPoint)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    log.Log("ratio", 2.5);
    log.Log(0.75f);
    EXPECT_EQ(Lines(), QStringList({"ratio = 2,5", "0,75"}));
}

TEST_F(DiagnosticLogTest, SeparatorsAreBareLinesOfTheChosenWidth)
{
    log.ShowTime = TTimeDisplay::tdDateTime;
    log.ShowProcessID = true;
    log.Log("*");
    log.Log("-");
    log.LineOfCharsWidth = 5;
    log.Log("-");
    log.BlankLine();
    log.LineOfCharsWidth = 0;
    log.Log("*");
    EXPECT_EQ(Lines(), QStringList({QString(36, QLatin1Char('*')), QString(36, QLatin1Char('-')),
                                    QStringLiteral("-----"), QString(), QString()}));
}

TEST_F(DiagnosticLogTest, TimeAndSuffixesFrameTheLine)
{
    const struct passwd *user = ::getpwuid(::geteuid());
    ASSERT_NE(user, nullptr);
    const QString userName = QString::fromLocal8Bit(user->pw_name);
    const QString pid = QString::number(::getpid());
    const QString tid = QString::number(::gettid());

    struct Case
    {
        TTimeDisplay time;
        bool processName, userName, processId, threadId;
        QString line;
    };
    const std::vector<Case> cases = {
        {TTimeDisplay::tdNone, false, false, false, false, "x"},
        {TTimeDisplay::tdTime, false, false, false, false, "2:07:09 PM: x"},
        {TTimeDisplay::tdDateTime, false, false, false, false, "3/5/2026 2:07:09 PM: x"},
        {TTimeDisplay::tdNone, false, false, true, false, "x - PID: " + pid},
        {TTimeDisplay::tdNone, false, true, false, true, "x - User: " + userName + " TID: " + tid},
        {TTimeDisplay::tdTime, true, true, true, true,
         "2:07:09 PM: x - test_log User: " + userName + " PID: " + pid + " TID: " + tid},
        {TTimeDisplay::tdNone, true, false, false, false, "x - test_log"},
    };
    for (const Case &c : cases) {
        TMyLog caseLog;
        caseLog.SetLogFileName(logFile);
        caseLog.ShowTime = c.time;
        caseLog.ShowProcessName = c.processName;
        caseLog.ShowUserName = c.userName;
        caseLog.ShowProcessID = c.processId;
        caseLog.ShowThreadID = c.threadId;
        QFile::remove(logFile);
        caseLog.Log("x");
        EXPECT_EQ(Lines(), QStringList({c.line}));
    }
}

TEST_F(DiagnosticLogTest, StringListShowsARangeWithPaddedItemNumbers)
{
    QStringList entries;
    for (int i = 0; i < 12; ++i)
        entries << QStringLiteral("entry%1").arg(i);

    log.Log(entries.mid(0, 10), 8, 5);
    log.Log(entries, 5, 6, {0, 0, 0, 0, 0, 0, 77, 1234});
    log.Log(entries, 3, 0);  // a header alone
    log.Log(entries, -1, 3); // nothing at all
    log.Log(entries, 20, 2); // starts beyond the end: a header alone

    EXPECT_EQ(Lines(), QStringList({
                           "Stringlist from 8 to 9",
                           "Item 8: entry8 | Object: 0",
                           "Item 9: entry9 | Object: 0",
                           "Stringlist from 5 to 10",
                           "Item  5: entry5 | Object: 0",
                           "Item  6: entry6 | Object: 77",
                           "Item  7: entry7 | Object: 1234",
                           "Item  8: entry8 | Object: 0",
                           "Item  9: entry9 | Object: 0",
                           "Item 10: entry10 | Object: 0",
                           "Stringlist from 3 to 2",
                           "Stringlist from 20 to 11",
                       }));
}

TEST_F(DiagnosticLogTest, DecodesIoAndSystemErrors)
{
    struct Case
    {
        int code;
        QString description;
    };
    const std::vector<Case> cases = {
        {100, "Disk read error"},
        {101, "Disk write error"},
        {102, "File not assigned"},
        {103, "File not open"},
        {104, "File not open for input"},
        {105, "File not open for output"},
        {106, "Invalid numeric format"},
        {2, "Unknown error"},
        {-1, "Unknown error"},
    };
    QStringList expected;
    for (const Case &c : cases) {
        EXPECT_EQ(log.LogIOErr(c.code), c.description);
        expected << QStringLiteral("IO Error #%1: %2").arg(c.code).arg(c.description);
    }
    EXPECT_EQ(log.LogIOErr(0), QString());

    errno = 0;
    EXPECT_EQ(log.LogErr(), QString());
    errno = ENOENT;
    EXPECT_EQ(log.LogErr(), QStringLiteral("API Error #2: No such file or directory"));
    expected << QStringLiteral("API Error #2: No such file or directory");

    EXPECT_EQ(Lines(), expected);
}

TEST_F(DiagnosticLogTest, MemoryReportHasSevenLinesInMegabytes)
{
    MemoryStatus status;
    status.memoryLoadPercent = 37;
    status.totalPhysical = quint64(16) << 30;
    status.availablePhysical = quint64(1536) << 20;
    status.totalPageFile = quint64(20) << 30;
    status.availablePageFile = (quint64(5) << 30) + (quint64(3) << 19); // 5,121.5 Mb rounds up
    status.totalVirtual = quint64(1) << 47;
    status.availableVirtual = 0;
    EXPECT_EQ(TMyLog::MemoryInfoLines(status), QStringList({
                                                   "37% memory in use",
                                                   "16,384 Mb Total Physical Memory in bytes",
                                                   "1,536 Mb Available Physical Memory in bytes",
                                                   "20,480 Mb Total Bytes of Paging File",
                                                   "5,122 Mb Available bytes in paging file",
                                                   "134,217,728 Mb User Bytes of Address space",
                                                   "0 Mb Available User bytes of address space",
                                               }));

    log.LogMemoryInfo();
    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+% memory in use$")).match(lines[0]).hasMatch())
        << lines[0].toStdString();
    EXPECT_FALSE(lines[1].startsWith(QLatin1String("0 "))) << "this machine has memory";
}

TEST(MemoryStatus, ReadsProcFigures)
{
    const QByteArray meminfo = "MemTotal:        8000000 kB\n"
                               "MemFree:          100000 kB\n"
                               "MemAvailable:    2000000 kB\n"
                               "SwapTotal:       1000000 kB\n"
                               "SwapFree:         500000 kB\n";
    const QByteArray selfStatus = "Name:\ttest\nVmPeak:\t  900 kB\nVmSize:\t  800 kB\n";
    const MemoryStatus status = MemoryStatusFrom(meminfo, selfStatus, 1024000);
    EXPECT_EQ(status.memoryLoadPercent, 75);
    EXPECT_EQ(status.totalPhysical, 8192000000u);
    EXPECT_EQ(status.availablePhysical, 2048000000u);
    EXPECT_EQ(status.totalPageFile, 9216000000u);
    EXPECT_EQ(status.availablePageFile, 2560000000u);
    EXPECT_EQ(status.totalVirtual, 1024000u);
    EXPECT_EQ(status.availableVirtual, 204800u);

    // A damaged or empty text gives zeros, never a division by zero.
    const MemoryStatus empty = MemoryStatusFrom("MemTotal: lots\nMemAvailable:", QByteArray(), 0);
    EXPECT_EQ(empty.memoryLoadPercent, 0);
    EXPECT_EQ(empty.totalPhysical, 0u);
    EXPECT_EQ(empty.availableVirtual, 0u);
}

TEST_F(DiagnosticLogTest, MicrosecondsHaveAtMostOneDecimal)
{
    const std::vector<std::pair<double, QString>> cases = {
        {0.0, "0"}, {0.04, "0"}, {0.06, "0.1"}, {2.96, "3"}, {1520.34, "1520.3"}, {123456.0, "123456"},
    };
    for (const auto &[microseconds, text] : cases)
        EXPECT_EQ(MicrosecondsText(microseconds), text) << microseconds;
}

TEST_F(DiagnosticLogTest, EndTimerLogsTheElapsedMicroseconds)
{
    TMyLog::starttimer();
    log.endtimer();
    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+(\\.\\d)? microsecs$")).match(lines[0]).hasMatch())
        << lines[0].toStdString();
}

TEST_F(DiagnosticLogTest, NowhereToWriteDropsLinesSilently)
{
    ScriptedMessages messages;
    TMyLog noName;
    noName.Log("dropped");
    noName.BlankLine();

    TMyLog missingFolder;
    missingFolder.SetLogFileName(PathIn(QStringLiteral("no/such/folder/log.txt")));
    missingFolder.Log("dropped");
    missingFolder.BlankLine();

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(QDir(PathIn(QStringLiteral("no"))).exists());
}

TEST_F(DiagnosticLogTest, AFileThatCannotBeCreatedIsReported)
{
    ScriptedMessages messages;
    TMyLog tooLong;
    tooLong.SetLogFileName(PathIn(QString(300, QLatin1Char('n'))));
    tooLong.Log("lost");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, QStringLiteral("Failed to create log file"));

    // An existing file that cannot take the line loses it without a message.
    TMyLog full;
    full.SetLogFileName(QStringLiteral("/dev/full"));
    full.Log("lost");
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(DiagnosticLogTest, LogFolderGivesADefaultOrNumberedName)
{
    const QString folder = PathIn(QStringLiteral("logs/deeper"));

    TMyLog plain;
    plain.SetLogFolder(folder);
    EXPECT_EQ(plain.LogFolder(), folder);
    EXPECT_EQ(plain.LogFileName(), folder + QStringLiteral("/Debuglog.txt"));
    EXPECT_TRUE(QDir(folder).exists());

    TMyLog numbered;
    numbered.CreateUniqueLogFileNames = true;
    numbered.SetLogFolder(folder);
    EXPECT_EQ(numbered.LogFileName(), folder + QStringLiteral("/Debuglog_0000.txt"));
    numbered.Log("first");

    TMyLog next;
    next.CreateUniqueLogFileNames = true;
    next.SetLogFolder(folder);
    EXPECT_EQ(next.LogFileName(), folder + QStringLiteral("/Debuglog_0001.txt"));

    // A file name chosen earlier stays.
    next.SetLogFolder(PathIn(QStringLiteral("elsewhere")));
    EXPECT_EQ(next.LogFileName(), folder + QStringLiteral("/Debuglog_0001.txt"));
    EXPECT_EQ(next.LogFolder(), PathIn(QStringLiteral("elsewhere")));
    EXPECT_FALSE(QDir(PathIn(QStringLiteral("elsewhere"))).exists());
}

TEST_F(DiagnosticLogTest, ClearLogFileAsksFirst)
{
    ScriptedMessages messages;
    log.Log("kept");

    messages.AnswerNext(false);
    log.ClearLogFile();
    EXPECT_EQ(Contents(logFile), QByteArrayLiteral("kept\r\n"));
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].message, QStringLiteral("Are you sure you want to clear the log?"));
    EXPECT_TRUE(messages.shown.empty());

    messages.AnswerNext(true);
    log.ClearLogFile();
    EXPECT_EQ(Contents(logFile), QByteArray());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, QStringLiteral("The log has been cleared"));

    ASSERT_TRUE(QFile::remove(logFile));
    log.ClearLogFile();
    EXPECT_EQ(messages.asked.size(), 2u);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].message, QStringLiteral("Log file not found."));
    EXPECT_EQ(messages.shown[1].detail, logFile);
}

} // namespace
} // namespace tessel
