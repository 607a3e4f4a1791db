#pragma once

#include "config/program_state.h"
#include "engine/run_counters.h"

#include <QString>
#include <QtGlobal>

#include <functional>

// The run the command line asked for: its chosen groups, then its chosen items, each as its own run,
// skipping the rest once the user stops. Plain code over the state, so tests can drive it with
// recorded runs.
namespace tessel::app {

struct UnattendedOutcome
{
    quint64 totalcopied = 0;
    bool anyfailed = false; // some file or folder failed in one of the runs
    bool stopped = false;   // the user stopped a run

    // The program's exit status after the run: 0 when all went well, 1 otherwise.
    int ExitStatus() const { return anyfailed || stopped ? 1 : 0; }
};

struct UnattendedRunCalls
{
    // Each returns when its run is over, leaving that run's counts in the counters.
    std::function<void(int group)> backuponegroup;
    std::function<void(const CommandLineItem &item)> backuponeitem;
};

// Runs what state's command-line tables chose while no stop is requested, then clears unattendedrun.
// Does nothing when unattendedrun is not set.
UnattendedOutcome RunCommandLineChoice(ProgramState &state, const engine::truncounters &counters,
                                       const UnattendedRunCalls &calls);

// The completion message after an unattended run without QUITPROGRAM, and its detail.
QString AutomatedBackupMessage();
QString AutomatedBackupDetail(quint64 totalcopied, const QString &commandlinetext);

} // namespace tessel::app
