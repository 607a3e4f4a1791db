#include "app/unattended_run.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace tessel::app {
namespace {

// Runs that record what was asked and leave prepared counts in the counters, as a real run does.
struct RecordedRuns
{
    struct Outcome
    {
        quint64 copied = 0;
        quint64 filesfailed = 0;
        quint64 foldersfailed = 0;
        bool stop = false;
    };
    engine::truncounters counters;
    std::vector<Outcome> outcomes; // one per run, in order
    QStringList asked;

    void Run(const QString &what)
    {
        const Outcome outcome = outcomes.at(static_cast<size_t>(asked.size()));
        asked.append(what);
        counters.ResetForRun();
        counters.filescopied = outcome.copied;
        counters.filesfailed = outcome.filesfailed;
        counters.foldersfailed = outcome.foldersfailed;
        counters.stoprequested = outcome.stop;
    }
    UnattendedRunCalls Calls()
    {
        return {[this](int group) { Run(QStringLiteral("group %1").arg(group)); },
                [this](const CommandLineItem &item) {
                    Run(QStringLiteral("item %1.%2").arg(item.group).arg(item.item));
                }};
    }
};

TEST(RunCommandLineChoice, RunsGroupsThenItemsAndJudgesTheOutcome)
{
    using Outcome = RecordedRuns::Outcome;
    struct Case
    {
        const char *what;
        std::vector<Outcome> outcomes;
        QStringList expectedRuns;
        quint64 expectedTotal;
        int expectedStatus;
    };
    const std::vector<Case> cases = {
        {"all well", {{1}, {0}, {5}}, {"group 2", "group 1", "item 3.1"}, 6, 0},
        {"a failed file", {{1}, {0, 1}, {5}}, {"group 2", "group 1", "item 3.1"}, 6, 1},
        {"a failed folder", {{0}, {0}, {0, 0, 1}}, {"group 2", "group 1", "item 3.1"}, 0, 1},
        {"stop in the first group skips the rest", {{2, 0, 0, true}}, {"group 2"}, 2, 1},
        {"stop in the second group skips the item", {{2}, {1, 0, 0, true}}, {"group 2", "group 1"}, 3, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ProgramState state;
        state.commandlinegroups = {2, 1};
        state.commandlineitems = {{3, 1}};
        state.unattendedrun = true;
        RecordedRuns runs;
        runs.outcomes = c.outcomes;
        const UnattendedOutcome outcome = RunCommandLineChoice(state, runs.counters, runs.Calls());
        EXPECT_EQ(runs.asked, c.expectedRuns);
        EXPECT_EQ(outcome.totalcopied, c.expectedTotal);
        EXPECT_EQ(outcome.ExitStatus(), c.expectedStatus);
        EXPECT_FALSE(state.unattendedrun);
    }
}

TEST(RunCommandLineChoice, NothingRunsWithoutUnattendedRun)
{
    ProgramState state;
    state.commandlinegroups = {1};
    RecordedRuns runs;
    const UnattendedOutcome outcome = RunCommandLineChoice(state, runs.counters, runs.Calls());
    EXPECT_TRUE(runs.asked.isEmpty());
    EXPECT_EQ(outcome.ExitStatus(), 0);
}

TEST(AutomatedBackupDetail, CountAndEcho)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(
        AutomatedBackupDetail(1, QStringLiteral("\"My Docs\" \"Old\" ")),
        QStringLiteral("A backup has been completed, initiated from either the command line or a link.\r\r"
                       "1 file copied.\r\rCommand line was: \"My Docs\" \"Old\" "));
    EXPECT_EQ(
        AutomatedBackupDetail(1234, QStringLiteral("LATESTONLY \"x\" ")),
        QStringLiteral("A backup has been completed, initiated from either the command line or a link.\r\r"
                       "1,234 files copied.\r\rCommand line was: LATESTONLY \"x\" "));
    EXPECT_EQ(AutomatedBackupDetail(0, QString()).section(QStringLiteral("\r\r"), 1, 1),
              QStringLiteral("0 files copied."));
}

} // namespace
} // namespace tessel::app
