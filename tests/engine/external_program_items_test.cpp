#include "runs_test_support.h"

#include "common/clock.h"
#include "common/program_folders.h"
#include "engine/external_program_items.h"
#include "support/scripted_messages.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

namespace tessel::test {
namespace {

using engine::ArchiveFileName;
using engine::GravelpackParameters;

const QString kNoEruntMessage = QStringLiteral(
    "To backup the registry you need to obtain the freeware software ERUNT, and, if necessary, specify the "
    "location of the file ERUNT.EXE by editing the Registry backup entry.");

QDateTime RunMoment()
{
    return QDateTime(QDate(2024, 1, 31), QTime(14, 5, 9));
}

// A shell script at path that appends its arguments, one per line, and its working folder to record.
void WriteScript(const QString &path, const QString &record)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile script(path);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nfor a in \"$@\"; do echo \"arg:$a\"; done >> '" + record.toUtf8() + "'\n" +
                 "echo \"pwd:$(pwd)\" >> '" + record.toUtf8() + "'\n");
    script.close();
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QStringList ReadLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

class SpecialItemsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetClockForTesting(RunMoment);
        SetProgramFolder(programFolder.path());
    }
    void TearDown() override
    {
        SetClockForTesting({});
        SetProgramFolder(QString());
    }

    QTemporaryDir programFolder;
    QTemporaryDir work;
    ScriptedMessages messages;
};

TEST_F(SpecialItemsTest, RegistryBackupFolderIgnoresOneTrailingSeparator)
{
    const QString expected = QStringLiteral("/home/u/Registry Backup QV -QV- 2024-01-31 14-05-09");
    EXPECT_EQ(engine::RegistryBackupFolder(QStringLiteral("/home/u/Registry Backup QV"), RunMoment()),
              expected);
    EXPECT_EQ(engine::RegistryBackupFolder(QStringLiteral("/home/u/Registry Backup QV/"), RunMoment()),
              expected);
}

TEST_F(SpecialItemsTest, RegistryBackupFindsEruntWhenTheStoredPathIsEmptyOrStale)
{
    const QString beside = programFolder.filePath(QStringLiteral("ERUNT.EXE"));
    const QString subfolder = programFolder.filePath(QStringLiteral("erunt/ERUNT.EXE"));
    const QString stored = work.filePath(QStringLiteral("mine/ERUNT.EXE"));
    struct Case
    {
        const char *name;
        QStringList present;
        QString storedPath;
        QString expected;
    };
    const Case cases[] = {
        {"stored path works", {stored, beside}, stored, stored},
        {"stale stored path", {beside}, stored, beside},
        {"empty stored path", {beside}, QString(), beside},
        {"subfolder beats the program folder", {beside, subfolder}, QString(), subfolder},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString &path : {beside, subfolder, stored})
            QFile::remove(path);
        for (const QString &path : c.present)
            WriteScript(path, work.filePath(QStringLiteral("unused")));
        RecordingLauncher launcher;
        QString eruntlocation = QStringLiteral("left from before");
        const QString destination = work.filePath(QStringLiteral("Registry"));
        EXPECT_TRUE(engine::backupregistry(destination, RegistryMarker() + c.storedPath, eruntlocation));
        EXPECT_EQ(eruntlocation, c.expected);
        ASSERT_EQ(launcher.waited.size(), 1u);
        EXPECT_EQ(launcher.waited[0].file, c.expected);
        EXPECT_EQ(launcher.waited[0].parameters,
                  QStringLiteral("\"") + destination + QStringLiteral(" -QV- 2024-01-31 14-05-09\" "));
        EXPECT_TRUE(launcher.waited[0].elevate);
        EXPECT_TRUE(launcher.waited[0].workingFolder.isEmpty());
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SpecialItemsTest, RegistryBackupWithoutEruntTellsWhereToGetIt)
{
    RecordingLauncher launcher;
    QString eruntlocation;
    EXPECT_FALSE(engine::backupregistry(work.path(), RegistryMarker(), eruntlocation));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, kNoEruntMessage);
    EXPECT_TRUE(launcher.waited.empty());

    // A blank destination does nothing at all, found or not.
    EXPECT_TRUE(engine::backupregistry(QStringLiteral("   "), RegistryMarker(), eruntlocation));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(SpecialItemsTest, RegistryBackupShowsALaunchFailure)
{
    WriteScript(programFolder.filePath(QStringLiteral("ERUNT.EXE")), work.filePath(QStringLiteral("unused")));
    RecordingLauncher launcher;
    launcher.error = QStringLiteral("The operation was canceled by the user");
    QString eruntlocation;
    EXPECT_TRUE(engine::backupregistry(work.path(), RegistryMarker(), eruntlocation));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, QStringLiteral("Error: The operation was canceled by the user"));
}

TEST_F(SpecialItemsTest, RegistryBackupRunsTheRealToolAndWaitsForIt)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "starting a program with administrator rights needs root here (else pkexec asks)";
    const QString record = work.filePath(QStringLiteral("erunt.txt"));
    WriteScript(programFolder.filePath(QStringLiteral("ERUNT.EXE")), record);
    QString eruntlocation;
    const QString destination = work.filePath(QStringLiteral("Registry Backup QV/"));
    EXPECT_TRUE(engine::backupregistry(destination, RegistryMarker(), eruntlocation));
    const QStringList lines = ReadLines(record);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], QStringLiteral("arg:") +
                            work.filePath(QStringLiteral("Registry Backup QV -QV- 2024-01-31 14-05-09")));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SpecialItemsTest, RegistryGroupRunStartsItsCountsFromZero)
{
    WriteScript(programFolder.filePath(QStringLiteral("ERUNT.EXE")), work.filePath(QStringLiteral("unused")));
    RecordingLauncher launcher;
    RunsHarness h;
    h.AddRegistryEntry(QString(), work.filePath(QStringLiteral("Registry")));
    h.run.counters.filescopied = 12; // left by an earlier run
    h.runs.backuponegroup(0, false, false);
    EXPECT_FALSE(h.runs.registryunavailable());
    EXPECT_EQ(launcher.waited.size(), 1u);
    EXPECT_EQ(h.LogTexts()[0],
              QStringLiteral("Backed up Group \"System Registry\" - 0 files copied, 0 skipped, 0 failed. "));
    ASSERT_EQ(h.windows.results.size(), 1u);
    EXPECT_EQ(h.windows.results[0].categorylabel, QStringLiteral("\"System Registry\""));
    EXPECT_TRUE(h.windows.results[0].Label1.isEmpty());
    EXPECT_TRUE(h.windows.results[0].copiedlabel.isEmpty());
    EXPECT_FALSE(h.run.backingup);
}

TEST_F(SpecialItemsTest, RegistryGroupRunWithoutEruntEndsWithTheMessageOnly)
{
    RecordingLauncher launcher;
    RunsHarness h;
    h.AddRegistryEntry(QString(), work.filePath(QStringLiteral("Registry")));
    h.runs.backuponegroup(0, false, false);
    EXPECT_TRUE(h.runs.registryunavailable());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, kNoEruntMessage);
    EXPECT_TRUE(h.LogTexts().isEmpty());
    EXPECT_TRUE(h.windows.results.empty());
    EXPECT_FALSE(h.run.backingup);

    // Inside a Backup run the other checked groups still run.
    TreeBuilder tree;
    tree.file("src/a.txt", "a");
    h.AddGroup(QStringLiteral("Docs"),
               {CopyItem("item", tree.path("src/"), work.filePath(QStringLiteral("dst")))});
    h.runs.backupbuttonClick({true, true});
    EXPECT_TRUE(QFileInfo::exists(work.filePath(QStringLiteral("dst/a.txt"))));
    EXPECT_EQ(h.LogTexts()[0], QStringLiteral("Backed up Group \"Docs\""));
}

TEST_F(SpecialItemsTest, ProgramItemStartsInItsOwnFolderWithItsParameters)
{
    const QString program = work.filePath(QStringLiteral("tools/notify.sh"));
    WriteScript(program, work.filePath(QStringLiteral("unused")));
    RunsHarness h;
    titemrecord item;
    item.title = QStringLiteral("Notify");
    item.source = program;
    item.executefile = true;
    for (const QString &parameters : {QString(), QStringLiteral("--all \"two words\"")}) {
        RecordingLauncher launcher;
        item.dest = parameters;
        engine::startprogramitem(item, h.log);
        ASSERT_EQ(launcher.opened.size(), 1u);
        EXPECT_EQ(launcher.opened[0].file, program);
        EXPECT_EQ(launcher.opened[0].parameters, parameters);
        EXPECT_EQ(launcher.opened[0].workingFolder, work.filePath(QStringLiteral("tools/")));
        EXPECT_FALSE(launcher.opened[0].elevate);
    }
    RecordingLauncher refusing;
    refusing.error = QStringLiteral("Access denied");
    engine::startprogramitem(item, h.log);
    EXPECT_EQ(h.LogTexts(), QStringList({"Executed file: Item: Notify", "Executed file: Item: Notify",
                                         "Warning: Could not execute \"" + program + "\""}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SpecialItemsTest, ProgramItemReallyStartsTheProgram)
{
    const QString record = work.filePath(QStringLiteral("started.txt"));
    const QString program = work.filePath(QStringLiteral("tools/notify.sh"));
    WriteScript(program, record);
    RunsHarness h;
    titemrecord item;
    item.title = QStringLiteral("Notify");
    item.source = program;
    item.dest = QStringLiteral("--all \"two words\"");
    item.executefile = true;
    engine::startprogramitem(item, h.log);
    // The program is not waited for: wait here until it has written its whole record.
    QDeadlineTimer deadline(30000);
    while (ReadLines(record).size() < 3 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(ReadLines(record),
              QStringList({"arg:--all", "arg:two words", "pwd:" + work.filePath("tools")}));
    EXPECT_EQ(h.LogTexts(), QStringList({"Executed file: Item: Notify"}));
}

TEST_F(SpecialItemsTest, ArchiveParametersExactly)
{
    titemrecord item;
    item.dest = QStringLiteral("/backup/archives");
    const QDate date(2024, 1, 31);
    struct Case
    {
        QString source;
        QString archive;
    };
    const Case cases[] = {
        {QStringLiteral("/home/u/Docs"), QStringLiteral("/backup/archives/20240131 Docs.rar")},
        // A trailing separator still names the folder.
        {QStringLiteral("/home/u/Docs/"), QStringLiteral("/backup/archives/20240131 Docs.rar")},
        {QStringLiteral("/home/u/My Files"), QStringLiteral("/backup/archives/20240131 My Files.rar")},
    };
    for (const Case &c : cases) {
        item.source = c.source;
        EXPECT_EQ(ArchiveFileName(item, date), c.archive);
        EXPECT_EQ(
            GravelpackParameters(item, date),
            QStringLiteral("-rarexe \"C:\\program files\\winrar\\rar.exe\" -origarchive \"") + c.archive +
                QStringLiteral("\" -path \"") + c.source +
                QStringLiteral("\" -recursive -maxcompress -recoveryrecord -readshared -createbase -run"));
    }
}

TEST_F(SpecialItemsTest, ArchiveRequestStartsTheToolForFoldersOnly)
{
    TreeBuilder tree;
    tree.file("Docs/a.txt", "a");
    titemrecord item;
    item.source = tree.path("Docs");
    item.dest = work.path();
    {
        RecordingLauncher launcher;
        engine::backuptoarchiveitemClick(item);
        ASSERT_EQ(launcher.opened.size(), 1u);
        EXPECT_EQ(launcher.opened[0].file, QStringLiteral("gravelpack"));
        EXPECT_EQ(launcher.opened[0].parameters, GravelpackParameters(item, RunMoment().date()));
        EXPECT_FALSE(launcher.opened[0].elevate);
        EXPECT_TRUE(launcher.opened[0].workingFolder.isEmpty());
        EXPECT_TRUE(messages.shown.empty());

        launcher.error = QStringLiteral("File not found");
        engine::backuptoarchiveitemClick(item);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].message, QStringLiteral("File not found"));
    }
    for (const QString &source : {tree.path("Docs/a.txt"), tree.path("Docs/*.txt"), tree.path("missing")}) {
        RecordingLauncher launcher;
        messages.shown.clear();
        item.source = source;
        engine::backuptoarchiveitemClick(item);
        EXPECT_TRUE(launcher.opened.empty());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].message,
                  QStringLiteral("Source must be a directory for backing up to archive"));
    }
}

} // namespace
} // namespace tessel::test
