// The main window's run commands: Backup, Pause, Quit/Stop, the group menu's runs, and the unattended
// run the command line asked for.
#include "app/main_window.h"

#include "common/messages.h"
#include "dialogs/form_run_windows.h"
#include "engine/runs_backup_runs.h"
#include "log/backup_log.h"
#include "platform/process_priority.h"
#include "widgets/my_check_list_box.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace tessel::app {

void TForm1::CreateRuns()
{
    backuplog_ = std::make_unique<BackupLog>();
    runwindows_ = std::make_unique<dialogs::FormRunWindows>(this, pausebutton, resultsform_,
                                                            [this] { return state_.mainfontsize; });
    runs_ = std::make_unique<engine::BackupRuns>(state_, runstate_, *this, *runwindows_, *backuplog_);
}

engine::BackupRuns &TForm1::Runs()
{
    // The options may have changed since the last run; the log follows them.
    backuplog_->setLogFileName(state_.logfilename);
    backuplog_->setVerboseLogging(state_.verboselogging);
    return *runs_;
}

void TForm1::backupbuttonClick()
{
    std::vector<bool> checked;
    checked.reserve(static_cast<size_t>(groupslb->count()));
    for (int row = 0; row < groupslb->count(); ++row)
        checked.push_back(groupslb->isChecked(row));
    Runs().backupbuttonClick(checked);
}

void TForm1::pausebuttonClick()
{
    Runs().pausebuttonClick(engine::RunWindowOwner::mainwindow);
}

void TForm1::quitbuttonClick()
{
    if (Runs().quitbuttonClick(quitbutton->text()))
        close();
}

void TForm1::Runthisbackupgroupnow1Click(int tag)
{
    Runs().Runthisbackupgroupnow1Click(groupslb->currentRow(), tag);
}

void TForm1::Timer1Timer()
{
    Timer1->stop();
    if (!state_.unattendedrun)
        return;
    UnattendedRunCalls calls;
    // An import in the second before the timer may have replaced the groups the names chose; a choice
    // that no longer exists is passed over.
    calls.backuponegroup = [this](int group) {
        if (group < state_.groupcount)
            Runs().backuponegroup(group, false, false);
    };
    calls.backuponeitem = [this](const CommandLineItem &chosen) {
        if (chosen.group >= state_.groupcount)
            return;
        tbackupgroup &group = state_.groups[static_cast<size_t>(chosen.group)];
        if (static_cast<size_t>(chosen.item) >= group.size())
            return;
        Runs().backuponeitem(group[static_cast<size_t>(chosen.item)], engine::RunWindowOwner::mainwindow,
                             false, false);
    };
    const UnattendedOutcome outcome = RunCommandLineChoice(state_, runstate_.counters, calls);
    exitstatus_ = outcome.ExitStatus();

    if (state_.quitafterbackup) {
        QApplication::quit();
        return;
    }
    quitbutton->setText(QStringLiteral("&Quit"));
    runstate_.counters.stoprequested = false;
    platform::SetProcessPriority(platform::ProcessPriority::High);
    ShowInformation(AutomatedBackupMessage(),
                    AutomatedBackupDetail(outcome.totalcopied, state_.commandlinetext), x() + 170, y() + 200);
    if (endafterunattendedrun_)
        QApplication::quit();
}

} // namespace tessel::app
