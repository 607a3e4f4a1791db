#pragma once

#include "config/program_state.h"
#include "engine/folder_engine.h"
#include "engine/run_counters.h"
#include "engine/run_view.h"
#include "engine/run_windows.h"
#include "engine/runs_summary.h"

#include <QString>

#include <functional>
#include <vector>

namespace tessel {
class BackupLog;
}

// Backup runs from start to end: the Backup button over all checked groups, one group, one item; the
// run start and end with the summary, the results and the report; Pause, Stop and the priority. The
// main window owns one BackupRuns and forwards its buttons and menu entries to it; the functions carry
// the names of those handlers. Everything here is plain code over the program state, the run state and
// the two ports, so it runs the same with real windows, with recorders in tests and unattended.
namespace tessel::engine {

// Writes a summary line to standard output, one line per part: what an unattended run prints.
void WriteSummaryToStandardOutput(const QString &summary);

class BackupRuns
{
public:
    BackupRuns(ProgramState &state, RunState &run, RunView &view, RunWindows &windows, BackupLog &log);

    // The Backup button: every checked group in list order (checked[i] is row i's check box).
    void backupbuttonClick(const std::vector<bool> &checked);
    // The group menu's three "Run this backup group now" entries: tag 1 as set, 2 with synchronizing
    // (deletions propagated for every item), 3 with timestamp and plain copy.
    void Runthisbackupgroupnow1Click(int selectedindex, int tag);
    // One group; a negative index (nothing selected) does nothing.
    void backuponegroup(int index, bool forcepropagate, bool forcetimestamp);
    // One item, from the group editor or the command line; item is the record in the list it came from,
    // where a "propagate once" setting is used up.
    void backuponeitem(titemrecord &item, RunWindowOwner caller, bool forcepropagate, bool forcetimestamp);

    void beforebackingup();
    void afterbackingup(backuptype kind, const QString &name);

    void pausebuttonClick(RunWindowOwner owner);
    // The main window's Quit button with its current caption: during a run ("&Stop") it asks the run to
    // stop and returns false; otherwise it returns true: the program is to end.
    bool quitbuttonClick(const QString &caption);
    // The group editor's Stop button.
    void stopbuttonClick();

    void High1Click();
    void Low1Click();
    // Applies the Priority menu's choice to the process.
    void managepriority();

    // The last registry backup found no ERUNT.EXE.
    bool registryunavailable() const { return registryunavailable_; }

    FolderEngine &folderengine() { return engine_; }

    // Where an unattended run's summary lines go besides the backup log (standard output unless replaced).
    void SetSummaryOutput(std::function<void(const QString &)> output) { summaryoutput_ = std::move(output); }

private:
    // Runs the enabled items of one group until a stop is seen; false when the stop ended the loop.
    void RunGroupItems(tbackupgroup &group, bool forcepropagate, bool forcetimestamp);
    void RunItem(titemrecord &item, bool forcepropagate, bool forcetimestamp);
    // The registry entry's backup into its destination; false when no ERUNT.EXE was found.
    bool RunRegistryBackup();

    ProgramState &state_;
    RunState &run_;
    RunView &view_;
    RunWindows &windows_;
    BackupLog &log_;
    FolderEngine engine_;
    bool registryunavailable_ = false;
    bool registryrun_ = false; // the run now ending is the registry entry's group run
    std::function<void(const QString &)> summaryoutput_;
};

} // namespace tessel::engine
