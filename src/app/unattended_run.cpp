#include "app/unattended_run.h"

#include "common/text_format.h"
#include "engine/runs_summary.h"

namespace tessel::app {
namespace {

void AddRunOutcome(UnattendedOutcome &outcome, const engine::truncounters &counters)
{
    outcome.totalcopied += counters.filescopied;
    if (counters.filesfailed > 0 || counters.foldersfailed > 0)
        outcome.anyfailed = true;
    if (counters.stoprequested)
        outcome.stopped = true;
}

} // namespace

UnattendedOutcome RunCommandLineChoice(ProgramState &state, const engine::truncounters &counters,
                                       const UnattendedRunCalls &calls)
{
    UnattendedOutcome outcome;
    if (!state.unattendedrun)
        return outcome;
    // Copies: a run may not change the tables, but the loop must not depend on that.
    const std::vector<int> groups = state.commandlinegroups;
    const std::vector<CommandLineItem> items = state.commandlineitems;
    for (int group : groups) {
        if (counters.stoprequested)
            break;
        calls.backuponegroup(group);
        AddRunOutcome(outcome, counters);
    }
    for (const CommandLineItem &item : items) {
        if (counters.stoprequested)
            break;
        calls.backuponeitem(item);
        AddRunOutcome(outcome, counters);
    }
    state.unattendedrun = false;
    return outcome;
}

QString AutomatedBackupMessage()
{
    return QStringLiteral("Automated backup has been completed.");
}

QString AutomatedBackupDetail(quint64 totalcopied, const QString &commandlinetext)
{
    return QStringLiteral(
               "A backup has been completed, initiated from either the command line or a link.\r\r") +
           FormatNumber(static_cast<double>(totalcopied), 0) + QStringLiteral(" file") +
           engine::pluralsuffix(totalcopied) + QStringLiteral(" copied.") + QStringLiteral("\r\r") +
           QStringLiteral("Command line was: ") + commandlinetext;
}

} // namespace tessel::app
