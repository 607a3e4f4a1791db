#pragma once

#include "common/shell.h"
#include "config/program_state.h"
#include "engine/run_windows.h"
#include "engine/runs_backup_runs.h"
#include "log/backup_log.h"
#include "support/file_tree.h"
#include "support/recording_launcher.h"
#include "support/recording_run_view.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <vector>

namespace tessel::test {

// The run windows as a recorder: what the results and report windows would show, the pause buttons and
// their captions, the editor's Stop button. The modal windows call back into the test when set.
class RecordingRunWindows final : public engine::RunWindows
{
public:
    bool shiftpressed() const override { return shift; }
    void SetPauseButtonsVisible(bool visible) override { pauseVisibleHistory.push_back(visible); }
    QString PauseCaption(engine::RunWindowOwner owner) const override
    {
        return owner == engine::RunWindowOwner::mainwindow ? mainPauseCaption : editorPauseCaption;
    }
    void SetPauseCaption(engine::RunWindowOwner owner, const QString &caption) override
    {
        (owner == engine::RunWindowOwner::mainwindow ? mainPauseCaption : editorPauseCaption) = caption;
    }
    void ShowPauseMessage() override
    {
        ++pauseWindows;
        if (onPauseWindow)
            onPauseWindow();
    }
    void ShowResults(const engine::ResultsWindowText &text) override
    {
        results.push_back(text);
        order.append(QStringLiteral("results"));
    }
    void ShowReport(const QStringList &lines) override
    {
        reports.push_back(lines);
        order.append(QStringLiteral("report"));
    }
    void HideEditorStopButton() override { ++editorStopHidden; }

    bool pauseVisible() const { return !pauseVisibleHistory.empty() && pauseVisibleHistory.back(); }

    bool shift = false;
    std::vector<bool> pauseVisibleHistory;
    QString mainPauseCaption = QStringLiteral("&Pause");
    QString editorPauseCaption = QStringLiteral("&Pause");
    int pauseWindows = 0;
    std::function<void()> onPauseWindow;
    std::vector<engine::ResultsWindowText> results;
    std::vector<QStringList> reports;
    QStringList order;
    int editorStopHidden = 0;
};

// A program state with groups, the run state, both recorders, a backup log in a temporary folder and
// the runs over them. Messages run at every chance, so a test can press Stop or Pause at an exact point.
struct RunsHarness
{
    RunsHarness()
        : log(logFolder.path() + QStringLiteral("/BACKUPLOG.TXT"), false)
        , runs(state, run, view, windows, log)
    {
        runs.folderengine().SetMessageInterval(std::chrono::milliseconds(0));
        runs.SetSummaryOutput([this](const QString &summary) { printed.append(summary); });
    }

    // Appends a group with these items and returns its index.
    int AddGroup(const QString &title, const std::vector<titemrecord> &items = {})
    {
        tbackupgroup &group = state.groups[state.groupcount];
        group.clear();
        titemrecord titleRecord;
        titleRecord.title = title;
        group.push_back(titleRecord);
        group.insert(group.end(), items.begin(), items.end());
        return state.groupcount++;
    }

    // A group at slot 0 that is the registry entry, writing backups below destination.
    void AddRegistryEntry(const QString &eruntPath, const QString &destination)
    {
        AddGroup(RegistryEntryTitle());
        state.groups[0].front().source = RegistryMarker() + eruntPath;
        state.groups[0].front().dest = destination;
        state.groups[0].front().keeppreviousversions = true;
    }

    // The log's lines without their time stamps.
    QStringList LogTexts() const
    {
        QFile file(log.logfilename());
        QStringList texts;
        if (!file.open(QIODevice::ReadOnly))
            return texts;
        for (const QByteArray &line : file.readAll().split('\n')) {
            QString text = QString::fromUtf8(line);
            if (text.endsWith(QLatin1Char('\r')))
                text.chop(1);
            const qsizetype separator = text.indexOf(QLatin1String(" : "));
            if (!text.isEmpty())
                texts.append(separator < 0 ? text : text.mid(separator + 3));
        }
        return texts;
    }

    QTemporaryDir logFolder;
    ProgramState state;
    engine::RunState run;
    RecordingRunView view;
    RecordingRunWindows windows;
    BackupLog log;
    engine::BackupRuns runs;
    QStringList printed;
};

// A copy item from source to dest.
inline titemrecord CopyItem(const QString &title, const QString &source, const QString &dest,
                            tpropagate propagate = nopropagate, std::uint8_t btype = kPlainCopy)
{
    titemrecord item;
    item.title = title;
    item.source = source;
    item.dest = dest;
    item.btype = btype;
    item.itemenabled = true;
    item.recurse = true;
    item.propagatedeletions = propagate;
    return item;
}

} // namespace tessel::test
