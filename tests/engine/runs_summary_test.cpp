#include "engine/runs_backup_runs.h"
#include "engine/runs_summary.h"

#include <QLocale>

#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tessel::engine {
namespace {

class RunSummaryTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(RunSummaryTest, SummaryLineKindsCountsPluralsAndSeparators)
{
    struct Case
    {
        backuptype kind;
        const char *name;
        truncounters counters;
        const char *expected;
    };
    auto counts = [](quint64 copied, quint64 skipped, quint64 failed, quint64 folders, quint64 files) {
        truncounters c;
        c.filescopied = copied;
        c.filesskipped = skipped;
        c.filesfailed = failed;
        c.foldersdeleted = folders;
        c.filesdeleted = files;
        return c;
    };
    truncounters everything = counts(2, 1, 1, 1, 2);
    everything.lowdiskrun = true;
    everything.latestonly = true;
    const Case cases[] = {
        {backuptype::backupselected, "", counts(0, 0, 0, 0, 0),
         "Backed up Selected Items (above) - 0 files copied, 0 skipped, 0 failed. "},
        {backuptype::backupgroup, "My Docs", counts(1, 1, 1, 0, 0),
         "Backed up Group \"My Docs\" - 1 file copied, 1 skipped, 1 failed. "},
        {backuptype::backupitem, "Mail", counts(1234, 0, 2, 0, 0),
         "Backed up Item \"Mail\" - 1,234 files copied, 0 skipped, 2 failed. "},
        {backuptype::backupgroup, "G", counts(0, 0, 0, 3, 1),
         "Backed up Group \"G\" - 0 files copied, 0 skipped, 0 failed. \r"
         "3 folders and 1 file deleted from the destination."},
        {backuptype::backupgroup, "G", counts(0, 0, 0, 0, 2),
         "Backed up Group \"G\" - 0 files copied, 0 skipped, 0 failed. \r"
         "0 folders and 2 files deleted from the destination."},
        {backuptype::backupselected, "", everything,
         "Backed up Selected Items (above) - 2 files copied, 1 skipped, 1 failed. \r"
         "Low disk space. Some files could not be copied.\r"
         "1 folder and 2 files deleted from the destination."
         " (Only backing up folders modified in the last 24hrs)"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(BuildSummaryLine(c.kind, QString::fromUtf8(c.name), c.counters).toStdString(), c.expected);
}

TEST_F(RunSummaryTest, CountersBeyondThirtyTwoBitsAreWrittenInFull)
{
    truncounters counters;
    counters.filesskipped = 5'000'000'000ULL;
    EXPECT_EQ(BuildSummaryLine(backuptype::backupgroup, QStringLiteral("Big"), counters).toStdString(),
              "Backed up Group \"Big\" - 0 files copied, 5,000,000,000 skipped, 0 failed. ");
}

TEST_F(RunSummaryTest, ReportNumbersEachFailureFromOne)
{
    const QStringList lines = BuildReportLines(
        {QStringLiteral("File: /a/b.txt    - [No space left on device]"), QStringLiteral("Folder: /c")});
    EXPECT_EQ(lines, QStringList({"The following entries failed to copy:", "",
                                  "1. File: /a/b.txt    - [No space left on device]", "2. Folder: /c"}));
}

TEST_F(RunSummaryTest, StandardOutputGetsOneLinePerPartOfTheSummary)
{
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    std::fflush(stdout);
    const int savedStdout = dup(STDOUT_FILENO);
    ASSERT_GE(savedStdout, 0);
    ASSERT_GE(dup2(pipeEnds[1], STDOUT_FILENO), 0);
    WriteSummaryToStandardOutput(
        QStringLiteral("Backed up Group \"G\" - 0 files copied, 0 skipped, 0 failed. \r"
                       "1 folder and 2 files deleted from the destination."));
    dup2(savedStdout, STDOUT_FILENO);
    close(savedStdout);
    close(pipeEnds[1]);
    QByteArray printed;
    char buffer[512];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, n);
    close(pipeEnds[0]);
    EXPECT_EQ(printed.toStdString(), "Backed up Group \"G\" - 0 files copied, 0 skipped, 0 failed. \n"
                                     "1 folder and 2 files deleted from the destination.\n");
}

} // namespace
} // namespace tessel::engine
