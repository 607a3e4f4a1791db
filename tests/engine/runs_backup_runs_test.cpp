#include "runs_test_support.h"

#include "common/program_folders.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <gtest/gtest.h>

namespace tessel::test {
namespace {

using engine::RunLabel;
using engine::RunWindowOwner;

const QString kSelectedSummaryStart = QStringLiteral("Backed up Selected Items (above) - ");

class BackupRunsTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    RunsHarness h;
    TreeBuilder source;
    QTemporaryDir destinations;
    ScriptedMessages messages;

    QString Dest(const QString &name) const { return destinations.path() + QLatin1Char('/') + name; }
};

TEST_F(BackupRunsTest, BackupWithoutACheckedGroupOnlyTellsTheUserEveryTime)
{
    h.AddGroup(QStringLiteral("Docs"), {CopyItem("a", source.root(), Dest("d"))});
    for (int press = 0; press < 2; ++press)
        h.runs.backupbuttonClick({false});
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].message,
              QStringLiteral("You need to mark at least one group with a check mark."));
    EXPECT_EQ(h.view.beeps, 0);
    EXPECT_FALSE(h.run.backingup);
    EXPECT_TRUE(h.LogTexts().isEmpty());
    EXPECT_TRUE(h.windows.results.empty());
    EXPECT_FALSE(QFileInfo::exists(Dest("d")));
}

TEST_F(BackupRunsTest, BackupRunsCheckedGroupsInOrderAndLogsEachThenTheSummary)
{
    source.file("one/a.txt", "a").file("two/b.txt", "b").file("two/c.txt", "c").file("three/d.txt", "d");
    h.AddGroup(QStringLiteral("First"), {CopyItem("one", source.path("one/"), Dest("one"))});
    h.AddGroup(QStringLiteral("Unchecked"), {CopyItem("three", source.path("three/"), Dest("three"))});
    titemrecord disabled = CopyItem("disabled", source.path("three/"), Dest("disabled"));
    disabled.itemenabled = false;
    h.AddGroup(QStringLiteral("Second"), {CopyItem("two", source.path("two/"), Dest("two")), disabled});

    bool sawRunning = false;
    h.view.onPump = [&] { sawRunning = sawRunning || (h.run.backingup && h.windows.pauseVisible()); };
    h.runs.backupbuttonClick({true, false, true});

    EXPECT_TRUE(sawRunning);
    EXPECT_EQ(ReadTree(Dest("one")).size(), 1u);
    EXPECT_EQ(ReadTree(Dest("two")).size(), 2u);
    EXPECT_FALSE(QFileInfo::exists(Dest("three")));
    EXPECT_FALSE(QFileInfo::exists(Dest("disabled")));
    EXPECT_EQ(h.view.labelHistory[RunLabel::itemlabel],
              QStringList({"Item: First - one", "Item: Second - two", QString()}));

    const QStringList expectedLog = {
        QStringLiteral("Backed up Group \"First\""),
        QStringLiteral("Backed up Group \"Second\""),
        kSelectedSummaryStart + QStringLiteral("3 files copied, 0 skipped, 0 failed. "),
        QStringLiteral("---------"),
    };
    EXPECT_EQ(h.LogTexts(), expectedLog);

    // The run end returns the window to idle.
    EXPECT_FALSE(h.run.backingup);
    EXPECT_FALSE(h.windows.pauseVisible());
    EXPECT_EQ(h.view.quitCaption, QStringLiteral("&Quit"));
    EXPECT_FALSE(h.view.copyingVisible);
    EXPECT_EQ(h.view.labels[RunLabel::filelabel], QString());
    EXPECT_EQ(h.view.labels[RunLabel::numfileslabel], QString());
    EXPECT_EQ(h.view.progress.back(), 0);
    ASSERT_EQ(h.windows.results.size(), 1u);
    EXPECT_EQ(h.windows.results[0].typelabel, QStringLiteral("Backed up selected items"));
    EXPECT_EQ(h.windows.results[0].Label1, QStringLiteral("3"));
    EXPECT_TRUE(h.windows.reports.empty());
    EXPECT_TRUE(h.printed.isEmpty());
}

TEST_F(BackupRunsTest, EveryRunRequestDuringARunOnlyBeeps)
{
    source.file("a.txt", "a");
    const int group = h.AddGroup(QStringLiteral("Docs"), {CopyItem("a", source.root(), Dest("d"))});
    titemrecord other = CopyItem("b", source.root(), Dest("nested"));
    bool asked = false;
    h.view.onPump = [&] {
        if (asked)
            return;
        asked = true;
        h.runs.backupbuttonClick({true});
        h.runs.backuponegroup(group, false, false);
        h.runs.Runthisbackupgroupnow1Click(group, 2);
        h.runs.backuponeitem(other, RunWindowOwner::mainwindow, false, false);
    };
    h.runs.backuponegroup(group, false, false);
    EXPECT_EQ(h.view.beeps, 4);
    EXPECT_FALSE(QFileInfo::exists(Dest("nested")));
    EXPECT_EQ(h.windows.results.size(), 1u);
    EXPECT_EQ(h.LogTexts().size(), 2); // one summary and its separator
}

TEST_F(BackupRunsTest, StopDuringTheFirstOfThreeGroupsStillLogsTheOthersButCopiesNothingMore)
{
    source.file("one/a.txt", "a").file("one/b.txt", "b").file("two/c.txt", "c").file("three/d.txt", "d");
    h.AddGroup(QStringLiteral("G1"), {CopyItem("one", source.path("one/"), Dest("one")),
                                      CopyItem("one again", source.path("one/"), Dest("one again"))});
    h.AddGroup(QStringLiteral("G2"), {CopyItem("two", source.path("two/"), Dest("two"))});
    h.AddGroup(QStringLiteral("G3"), {CopyItem("three", source.path("three/"), Dest("three"))});
    h.view.onPump = [&] {
        if (h.run.counters.filescopied == 1 && !h.run.counters.stoprequested) {
            EXPECT_FALSE(h.runs.quitbuttonClick(QStringLiteral("&Stop")));
        }
    };
    h.runs.backupbuttonClick({true, true, true});

    EXPECT_EQ(ReadTree(Dest("one")).size(), 1u);
    for (const char *name : {"one again", "two", "three"})
        EXPECT_FALSE(QFileInfo::exists(Dest(name))) << name;
    const QStringList log = h.LogTexts();
    ASSERT_EQ(log.size(), 5);
    EXPECT_EQ(log.mid(0, 3),
              QStringList({"Backed up Group \"G1\"", "Backed up Group \"G2\"", "Backed up Group \"G3\""}));
    EXPECT_EQ(log[3], kSelectedSummaryStart + QStringLiteral("1 file copied, 0 skipped, 0 failed. "));
    ASSERT_EQ(h.windows.results.size(), 1u);
    EXPECT_EQ(h.windows.results[0].Label1, QStringLiteral("1"));
    EXPECT_EQ(h.view.quitCaption, QStringLiteral("&Quit"));
    EXPECT_FALSE(h.run.counters.stoprequested);
}

TEST_F(BackupRunsTest, QuitButtonStopsDuringARunAndEndsTheProgramOtherwise)
{
    EXPECT_TRUE(h.runs.quitbuttonClick(QStringLiteral("&Quit")));
    EXPECT_FALSE(h.run.counters.stoprequested);
    EXPECT_FALSE(h.runs.quitbuttonClick(QStringLiteral("&Stop")));
    EXPECT_TRUE(h.run.counters.stoprequested);
    h.run.counters.stoprequested = false;
    h.runs.stopbuttonClick();
    EXPECT_TRUE(h.run.counters.stoprequested);
}

// Which entry point ran the item, and whether the item is expected to be used up afterwards.
enum class Entry { BackupButton, GroupRun, CommandLineItem, EditorItem };

TEST_F(BackupRunsTest, PropagateOnceIsUsedUpByTheFirstRunOfEveryKind)
{
    for (Entry entry : {Entry::BackupButton, Entry::GroupRun, Entry::CommandLineItem, Entry::EditorItem}) {
        SCOPED_TRACE(static_cast<int>(entry));
        RunsHarness runs;
        TreeBuilder tree;
        tree.file("src/keep.txt", "k").file("dst/keep.txt", "k").file("dst/stale1.txt", "s");
        const int group = runs.AddGroup(
            QStringLiteral("Docs"), {CopyItem("item", tree.path("src/"), tree.path("dst"), propagateonce)});
        titemrecord editorCopy = runs.state.groups[group][1];
        auto runOnce = [&] {
            switch (entry) {
            case Entry::BackupButton:
                runs.runs.backupbuttonClick({true});
                break;
            case Entry::GroupRun:
                runs.runs.backuponegroup(group, false, false);
                break;
            case Entry::CommandLineItem:
                runs.runs.backuponeitem(runs.state.groups[group][1], RunWindowOwner::mainwindow, false,
                                        false);
                break;
            case Entry::EditorItem:
                runs.runs.backuponeitem(editorCopy, RunWindowOwner::groupeditor, false, false);
                break;
            }
        };
        runOnce();
        EXPECT_FALSE(QFileInfo::exists(tree.path("dst/stale1.txt")));
        EXPECT_EQ(runs.run.counters.filesdeleted, 1u);
        const titemrecord &used = entry == Entry::EditorItem ? editorCopy : runs.state.groups[group][1];
        EXPECT_EQ(used.propagatedeletions, nopropagate);

        tree.file("dst/stale2.txt", "s");
        runOnce();
        EXPECT_TRUE(QFileInfo::exists(tree.path("dst/stale2.txt")));
        EXPECT_EQ(runs.run.counters.filesdeleted, 0u);
    }
}

TEST_F(BackupRunsTest, SynchronizingRunPropagatesForEveryItemButOnlyUsesUpOnce)
{
    source.file("src/a.txt", "a");
    const std::vector<std::pair<tpropagate, tpropagate>> settings = {
        {nopropagate, nopropagate}, {propagateonce, nopropagate}, {dopropagate, dopropagate}};
    std::vector<titemrecord> items;
    for (size_t i = 0; i < settings.size(); ++i) {
        const QString dest = Dest(QString::number(i));
        QDir().mkpath(dest);
        QFile stale(dest + QStringLiteral("/stale.txt"));
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        items.push_back(CopyItem(QString::number(i), source.path("src/"), dest, settings[i].first));
    }
    const int group = h.AddGroup(QStringLiteral("Docs"), items);
    h.runs.Runthisbackupgroupnow1Click(group, 2);
    for (size_t i = 0; i < settings.size(); ++i) {
        EXPECT_FALSE(QFileInfo::exists(Dest(QString::number(i)) + QStringLiteral("/stale.txt"))) << i;
        EXPECT_EQ(h.state.groups[group][i + 1].propagatedeletions, settings[i].second) << i;
    }
    EXPECT_EQ(h.LogTexts()[0],
              QStringLiteral("Backed up Group \"Docs\" - 3 files copied, 0 skipped, 0 failed. \r"
                             "0 folders and 3 files deleted from the destination."));
}

TEST_F(BackupRunsTest, TimestampRunCopiesIntoAStampedFolderWithoutChangingTheItem)
{
    source.file("src/a.txt", "a");
    const titemrecord item = CopyItem("item", source.path("src/"), Dest("dst"), nopropagate, kCopyIfNewer);
    const int group = h.AddGroup(QStringLiteral("Docs"), {item});
    h.runs.Runthisbackupgroupnow1Click(group, 3);
    EXPECT_FALSE(QFileInfo::exists(Dest("dst/a.txt")));
    const QStringList stamped =
        QDir(destinations.path()).entryList({QStringLiteral("dst - QV - *")}, QDir::Dirs);
    ASSERT_EQ(stamped.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(Dest(stamped[0]) + QStringLiteral("/a.txt")));
    EXPECT_EQ(h.state.groups[group][1], item);
}

TEST_F(BackupRunsTest, CountersStartFromZeroInEveryRun)
{
    source.file("src/a.txt", "a").file("src/b.txt", "b");
    const int group =
        h.AddGroup(QStringLiteral("Docs"),
                   {CopyItem("item", source.path("src/"), Dest("dst"), nopropagate, kCopyIfNewer)});
    h.runs.backuponegroup(group, false, false);
    h.runs.backuponegroup(group, false, false);
    const QStringList log = h.LogTexts();
    ASSERT_EQ(log.size(), 4);
    EXPECT_EQ(log[0], QStringLiteral("Backed up Group \"Docs\" - 2 files copied, 0 skipped, 0 failed. "));
    EXPECT_EQ(log[2], QStringLiteral("Backed up Group \"Docs\" - 0 files copied, 2 skipped, 0 failed. "));
    ASSERT_EQ(h.windows.results.size(), 2u);
    EXPECT_EQ(h.windows.results[1].Label1, QStringLiteral("0"));
    EXPECT_EQ(h.windows.results[1].Label3, QStringLiteral("2"));
    EXPECT_EQ(h.windows.results[1].categorylabel, QStringLiteral("\"Docs\""));
}

TEST_F(BackupRunsTest, FailuresOpenTheReportAfterTheResults)
{
    source.file("src/a.txt", "a").file("blocker", "not a folder");
    // The destination lies below a file, so it can never be made.
    const int group =
        h.AddGroup(QStringLiteral("Docs"),
                   {CopyItem("item", source.path("src/"), source.path("blocker") + QStringLiteral("/dst"))});
    h.runs.backuponegroup(group, false, false);
    EXPECT_EQ(h.windows.order, QStringList({"results", "report"}));
    ASSERT_EQ(h.windows.reports.size(), 1u);
    const QStringList &lines = h.windows.reports[0];
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("The following entries failed to copy:"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("1. Folder: "))) << lines[2].toStdString();
    EXPECT_EQ(lines.size() - 2, h.run.counters.failedentries.size());
}

TEST_F(BackupRunsTest, UnattendedRunWritesTheSummaryToOutputAndOpensNoWindow)
{
    source.file("src/a.txt", "a");
    const int group =
        h.AddGroup(QStringLiteral("Docs"), {CopyItem("item", source.path("src/"), Dest("dst"))});
    h.state.unattendedrun = true;
    h.state.latestonlyrequested = true;
    h.runs.backuponegroup(group, false, false);

    EXPECT_EQ(h.printed, QStringList({"Backed up Group \"Docs\" - 1 file copied, 0 skipped, 0 failed. "}));
    EXPECT_EQ(h.LogTexts()[0], h.printed[0]);
    EXPECT_TRUE(h.windows.results.empty());
    EXPECT_TRUE(h.windows.reports.empty());
    // The command-line sequence puts the caption back itself after its last run.
    EXPECT_EQ(h.view.quitCaption, QStringLiteral("&Stop"));
    EXPECT_TRUE(h.state.latestonlyrequested);
    EXPECT_FALSE(h.run.backingup);
}

TEST_F(BackupRunsTest, LatestOnlyNeedsTheDeveloperMarker)
{
    QTemporaryDir dataFolder;
    SetDataFolder(dataFolder.path());
    source.file("src/a.txt", "a");
    const int group =
        h.AddGroup(QStringLiteral("Docs"), {CopyItem("item", source.path("src/"), Dest("dst"))});

    struct Case
    {
        bool shift;
        bool requested;
        bool marker;
        bool latestonly;
    };
    const Case cases[] = {
        {true, false, false, false}, {false, true, false, false}, {true, false, true, true},
        {false, true, true, true},   {false, false, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.shift << c.requested << c.marker);
        QFile marker(dataFolder.filePath(QStringLiteral("developer-machine")));
        if (c.marker)
            ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
        else
            marker.remove();
        h.windows.shift = c.shift;
        h.state.latestonlyrequested = c.requested;
        h.runs.backuponegroup(group, false, false);
        EXPECT_EQ(h.run.counters.latestonly, c.latestonly);
        EXPECT_EQ(h.windows.results.back().caption.endsWith(QStringLiteral(" (Most recently changed only)")),
                  c.latestonly);
        // The request lasts until a run ends with the results window.
        EXPECT_FALSE(h.state.latestonlyrequested);
    }
    const QStringList log = h.LogTexts();
    EXPECT_TRUE(log[4].endsWith(QStringLiteral(" (Only backing up folders modified in the last 24hrs)")));
    EXPECT_FALSE(log[0].contains(QStringLiteral("24hrs")));
    SetDataFolder(QString());
}

TEST_F(BackupRunsTest, PauseHoldsTheRunInThePauseWindowAndAlwaysEndsOnPause)
{
    QString captionWhilePaused;
    int pumpsBeforeWindow = -1;
    h.windows.onPauseWindow = [&] {
        captionWhilePaused = h.windows.editorPauseCaption;
        pumpsBeforeWindow = h.view.pumps;
    };
    h.runs.pausebuttonClick(RunWindowOwner::groupeditor);
    EXPECT_EQ(h.windows.pauseWindows, 1);
    EXPECT_EQ(captionWhilePaused, QStringLiteral("&Resume"));
    EXPECT_EQ(pumpsBeforeWindow, 1);
    EXPECT_EQ(h.windows.editorPauseCaption, QStringLiteral("&Pause"));
    EXPECT_EQ(h.windows.mainPauseCaption, QStringLiteral("&Pause"));

    // A second press while the window is open finds "&Resume": no second window.
    h.windows.mainPauseCaption = QStringLiteral("&Resume");
    h.runs.pausebuttonClick(RunWindowOwner::mainwindow);
    EXPECT_EQ(h.windows.pauseWindows, 1);
    EXPECT_EQ(h.windows.mainPauseCaption, QStringLiteral("&Pause"));
}

TEST_F(BackupRunsTest, PausingInsideARunHoldsTheCopyUntilTheWindowCloses)
{
    source.file("src/a.txt", "a").file("src/b.txt", "b");
    const int group =
        h.AddGroup(QStringLiteral("Docs"), {CopyItem("item", source.path("src/"), Dest("dst"))});
    quint64 copiedWhilePaused = 99;
    h.windows.onPauseWindow = [&] { copiedWhilePaused = h.run.counters.filescopied; };
    h.view.onPump = [&] {
        if (h.windows.pauseWindows == 0 && h.run.counters.filescopied == 1)
            h.runs.pausebuttonClick(RunWindowOwner::mainwindow);
    };
    h.runs.backuponegroup(group, false, false);
    EXPECT_EQ(h.windows.pauseWindows, 1);
    EXPECT_EQ(copiedWhilePaused, 1u);
    EXPECT_EQ(h.run.counters.filescopied, 2u);
}

TEST_F(BackupRunsTest, ItemRunFromTheEditorHidesItsStopButton)
{
    source.file("src/a.txt", "a");
    titemrecord item = CopyItem("Mail", source.path("src/"), Dest("dst"));
    h.runs.backuponeitem(item, RunWindowOwner::mainwindow, false, false);
    EXPECT_EQ(h.windows.editorStopHidden, 0);
    h.runs.backuponeitem(item, RunWindowOwner::groupeditor, false, false);
    EXPECT_EQ(h.windows.editorStopHidden, 1);
    EXPECT_EQ(h.view.labelHistory[RunLabel::itemlabel].first(), QStringLiteral("Item: Mail"));
    EXPECT_EQ(h.LogTexts()[0],
              QStringLiteral("Backed up Item \"Mail\" - 1 file copied, 0 skipped, 0 failed. "));
    EXPECT_EQ(h.windows.results[0].typelabel, QStringLiteral("Backed up item"));
}

TEST_F(BackupRunsTest, ProgramItemStartsAtItsPlaceInTheGroup)
{
    RecordingLauncher launcher;
    source.file("one/a.txt", "a").file("tools/run.sh", "#!/bin/sh\n");
    titemrecord program;
    program.title = QStringLiteral("Notify");
    program.source = source.path("tools/run.sh");
    program.dest = QStringLiteral("--done");
    program.itemenabled = true;
    program.executefile = true;
    titemrecord missing = program;
    missing.title = QStringLiteral("Gone");
    missing.source = source.path("tools/gone.sh");
    h.AddGroup(QStringLiteral("G"), {program, missing, CopyItem("one", source.path("one/"), Dest("one"))});
    h.runs.backupbuttonClick({true});

    ASSERT_EQ(launcher.opened.size(), 1u);
    EXPECT_EQ(launcher.opened[0].file, program.source);
    EXPECT_EQ(launcher.opened[0].parameters, QStringLiteral("--done"));
    EXPECT_TRUE(QFileInfo::exists(Dest("one/a.txt")));
    const QStringList log = h.LogTexts();
    ASSERT_GE(log.size(), 3);
    EXPECT_EQ(log[0], QStringLiteral("Executed file: Item: Notify"));
    EXPECT_EQ(log[1], QStringLiteral("Warning: Could not execute \"") + missing.source +
                          QStringLiteral("\" (File not found)"));
    EXPECT_EQ(log[2], QStringLiteral("Backed up Group \"G\""));
}

} // namespace
} // namespace tessel::test
