#include "engine/runs_backup_runs.h"

#include "common/messages.h"
#include "common/program_folders.h"
#include "engine/external_program_items.h"
#include "log/backup_log.h"
#include "log/developer_log.h"
#include "platform/process_priority.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace tessel::engine {
namespace {

const QString kQuitCaption = QStringLiteral("&Quit");
const QString kStopCaption = QStringLiteral("&Stop");
const QString kPauseCaption = QStringLiteral("&Pause");
const QString kResumeCaption = QStringLiteral("&Resume");

} // namespace

void WriteSummaryToStandardOutput(const QString &summary)
{
    // The log keeps the summary's carriage returns inside one line; a terminal would write the next
    // part over the first, so standard output gets one line per part.
    QString text = summary;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

BackupRuns::BackupRuns(ProgramState &state, RunState &run, RunView &view, RunWindows &windows, BackupLog &log)
    : state_(state)
    , run_(run)
    , view_(view)
    , windows_(windows)
    , log_(log)
    , engine_(run.counters, view, log)
    , summaryoutput_(WriteSummaryToStandardOutput)
{}

void BackupRuns::backupbuttonClick(const std::vector<bool> &checked)
{
    if (run_.backingup) {
        view_.busybeep();
        return;
    }
    const int rows = std::min(static_cast<int>(checked.size()), state_.groupcount);
    bool anychecked = false;
    for (int i = 0; i < rows; ++i)
        anychecked = anychecked || checked[i];
    if (!anychecked) {
        ShowInformation(QStringLiteral("You need to mark at least one group with a check mark."));
        return;
    }

    beforebackingup();
    view_.SetQuitCaption(kStopCaption);
    for (int index = 0; index < rows; ++index) {
        if (!checked[index])
            continue;
        if (index == 0 && state_.IsRegistryEntry(0)) {
            RunRegistryBackup();
            continue;
        }
        tbackupgroup &group = state_.groups[index];
        // A stop ends this group's items at its first enabled one, yet every checked group is still logged.
        RunGroupItems(group, false, false);
        log_.logBackedUpGroup(group.empty() ? QString() : group.front().title);
    }
    afterbackingup(backuptype::backupselected, QString());
}

void BackupRuns::Runthisbackupgroupnow1Click(int selectedindex, int tag)
{
    backuponegroup(selectedindex, tag == 2, tag == 3);
}

void BackupRuns::backuponegroup(int index, bool forcepropagate, bool forcetimestamp)
{
    registryunavailable_ = false;
    if (index < 0 || index >= state_.groupcount)
        return;
    if (run_.backingup) {
        view_.busybeep();
        return;
    }
    tbackupgroup &group = state_.groups[index];
    const QString title = group.empty() ? QString() : group.front().title;

    if (index == 0 && state_.IsRegistryEntry(0)) {
        // The registry backup counts nothing: start from zero so its summary does not repeat the counts of
        // the run before it. Runs asked for while ERUNT works only beep.
        run_.counters.ResetForRun();
        run_.counters.latestonly = false;
        run_.backingup = true;
        if (!RunRegistryBackup()) {
            run_.backingup = false;
            return;
        }
        registryrun_ = true;
    } else {
        view_.SetQuitCaption(kStopCaption);
        beforebackingup();
        RunGroupItems(group, forcepropagate, forcetimestamp);
    }
    afterbackingup(backuptype::backupgroup, title);
}

void BackupRuns::backuponeitem(titemrecord &item, RunWindowOwner caller, bool forcepropagate,
                               bool forcetimestamp)
{
    if (run_.backingup) {
        view_.busybeep();
        return;
    }
    beforebackingup();
    view_.SetQuitCaption(kStopCaption);
    view_.SetLabelText(RunLabel::itemlabel, QStringLiteral("Item: ") + item.title);
    const QString title = item.title;
    RunItem(item, forcepropagate, forcetimestamp);
    afterbackingup(backuptype::backupitem, title);
    if (caller == RunWindowOwner::groupeditor)
        windows_.HideEditorStopButton();
}

void BackupRuns::RunGroupItems(tbackupgroup &group, bool forcepropagate, bool forcetimestamp)
{
    const QString grouptitle = group.empty() ? QString() : group.front().title;
    for (size_t position = 1; position < group.size(); ++position) {
        titemrecord &item = group[position];
        if (!item.itemenabled)
            continue;
        if (run_.counters.stoprequested) {
            view_.SetQuitCaption(kQuitCaption);
            return;
        }
        view_.SetLabelText(RunLabel::itemlabel,
                           QStringLiteral("Item: ") + grouptitle + QStringLiteral(" - ") + item.title);
        RunItem(item, forcepropagate, forcetimestamp);
    }
}

void BackupRuns::RunItem(titemrecord &item, bool forcepropagate, bool forcetimestamp)
{
    if (item.executefile) {
        startprogramitem(item, log_);
    } else {
        const quint8 propagate = forcepropagate ? quint8(propagateonce) : quint8(item.propagatedeletions);
        engine_.process(item.source, item.dest, item.btype, item.recurse, propagate,
                        item.keeppreviousversions || forcetimestamp, forcetimestamp);
    }
    if (item.propagatedeletions == propagateonce)
        item.propagatedeletions = nopropagate;
}

bool BackupRuns::RunRegistryBackup()
{
    registryunavailable_ = false;
    const titemrecord &entry = state_.groups[0].front();
    if (!backupregistry(entry.dest, entry.source, state_.eruntlocation))
        registryunavailable_ = true;
    return !registryunavailable_;
}

void BackupRuns::beforebackingup()
{
    truncounters &counters = run_.counters;
    counters.ResetForRun();
    counters.latestonly = (windows_.shiftpressed() || state_.latestonlyrequested) && IsDeveloperMachine();
    log_.clearShownNames();
    run_.backingup = true;
    managepriority();
    windows_.SetPauseButtonsVisible(true);
}

void BackupRuns::afterbackingup(backuptype kind, const QString &name)
{
    const bool registryrun = std::exchange(registryrun_, false);
    windows_.SetPauseButtonsVisible(false);
    run_.backingup = false;

    view_.SetCopyingLabelVisible(false);
    view_.SetLabelText(RunLabel::filelabel, QString(), QString());
    view_.SetLabelText(RunLabel::numfileslabel, QString());
    view_.SetLabelText(RunLabel::itemlabel, QString());
    view_.SetProgress(0);

    truncounters &counters = run_.counters;
    const QString summary = BuildSummaryLine(kind, name, counters);
    log_.logRunSummary(summary);
    LogRunSummaryForDeveloper(summary);

    if (state_.unattendedrun) {
        if (summaryoutput_)
            summaryoutput_(summary);
        return;
    }

    view_.SetQuitCaption(kQuitCaption);
    counters.stoprequested = false;
    platform::SetProcessPriority(platform::ProcessPriority::High);
    if (counters.lowdiskrun)
        view_.ShowLowDiskSpaceNotice();
    windows_.ShowResults(BuildResultsWindowText(kind, name, counters, registryrun));
    state_.latestonlyrequested = false;
    if (counters.filesfailed > 0 || counters.foldersfailed > 0)
        windows_.ShowReport(BuildReportLines(counters.failedentries));
}

void BackupRuns::pausebuttonClick(RunWindowOwner owner)
{
    if (windows_.PauseCaption(owner) == kPauseCaption) {
        windows_.SetPauseCaption(owner, kResumeCaption);
        view_.ProcessPendingMessages();
        windows_.ShowPauseMessage();
    }
    windows_.SetPauseCaption(owner, kPauseCaption);
}

bool BackupRuns::quitbuttonClick(const QString &caption)
{
    if (caption == kStopCaption) {
        run_.counters.stoprequested = true;
        return false;
    }
    return true;
}

void BackupRuns::stopbuttonClick()
{
    run_.counters.stoprequested = true;
}

void BackupRuns::High1Click()
{
    state_.lowpriority = false;
}

void BackupRuns::Low1Click()
{
    state_.lowpriority = true;
}

void BackupRuns::managepriority()
{
    // A priority that cannot be set leaves the run at the one it has; the run itself is unaffected.
    platform::SetProcessPriority(state_.lowpriority ? platform::ProcessPriority::Low
                                                    : platform::ProcessPriority::High);
}

} // namespace tessel::engine
