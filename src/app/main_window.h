#pragma once

#include "app/unattended_run.h"
#include "config/program_state.h"
#include "engine/run_counters.h"
#include "engine/run_view.h"
#include "engine/run_windows.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSessionManager;
class QTimer;

#include <memory>

namespace tessel {
class BackupLog;
class TMyCheckListBox;
namespace dialogs {
class FormRunWindows;
class Tresultsform;
} // namespace dialogs
namespace engine {
class BackupRuns;
}
} // namespace tessel

// The main window: the list of backup groups with their check boxes, the Backup, Pause and Quit buttons,
// the status lines and progress bar a run fills, and the Priority, Log and Tools menus. It owns the
// program's state for the life of the program: start-up happens while it is built, the settings are
// saved when it is destroyed. It is also the view every run reports to.
namespace tessel::app {

class TForm1 final : public QMainWindow, public engine::RunView
{
    Q_OBJECT
public:
    // arguments: the command line after the program name.
    explicit TForm1(const QStringList &arguments, QWidget *parent = nullptr);
    ~TForm1() override;

    ProgramState &state() { return state_; }
    engine::RunState &runstate() { return runstate_; }

    // What the unattended run found: the program's exit status once it ends.
    int ExitStatus() const { return exitstatus_; }
    // When set, an unattended run without QUITPROGRAM also ends the program after its message: with no
    // display nobody could ever close the window.
    void SetEndAfterUnattendedRun(bool end) { endafterunattendedrun_ = end; }

    // Controls, named as the window's users know them.
    TMyCheckListBox *groupslb = nullptr;
    QLabel *sLabel1 = nullptr;
    QPushButton *backupbutton = nullptr;
    QPushButton *pausebutton = nullptr;
    QPushButton *quitbutton = nullptr;
    QLabel *itemlabel = nullptr;
    QLabel *copyinglabel = nullptr;
    QLabel *filelabel = nullptr;
    QProgressBar *pb = nullptr;
    QLabel *numfileslabel = nullptr;
    QTimer *Timer1 = nullptr;

    QMenu *Priority1 = nullptr;
    QAction *High1 = nullptr;
    QAction *Low1 = nullptr;
    QMenu *Log1 = nullptr;
    QAction *Viewlog1 = nullptr;
    QAction *Clearlog1 = nullptr;
    QMenu *ools1 = nullptr;
    QAction *Exportsettings1 = nullptr;
    QAction *Importsettings1 = nullptr;

    QMenu *PopupMenu1 = nullptr;
    QAction *Runthisbackupgroupnow1 = nullptr;
    QAction *N4 = nullptr;
    QAction *Runthisbackupgroupnowwithsynch1 = nullptr;
    QAction *N5 = nullptr;
    QAction *Runthisbackupgroupnowwithtimestamp1 = nullptr;

    // Handlers.
    void backupbuttonClick();
    void pausebuttonClick();
    void quitbuttonClick();
    void Runthisbackupgroupnow1Click(int tag);
    void High1Click();
    void Low1Click();
    void Viewlog1Click();
    void Clearlog1Click();
    void Exportsettings1Click();
    void Importsettings1Click();
    void groupslbClick();
    void Timer1Timer();
    void setchecks(bool high);
    // Brings the window forward at another process's request.
    void BringToFront();

    // The group list's rows as the settings file stores them: "1" per checked row, "0" otherwise.
    QString CheckedRowsText() const;

    // engine::RunView
    void SetLabelText(engine::RunLabel label, const QString &text, const QString &hint = QString()) override;
    void SetCopyingLabelVisible(bool visible) override;
    void updatenumfileslabel(quint64 filesprocessed) override;
    void SetProgress(int percent) override;
    void SetQuitCaption(const QString &caption) override;
    void ProcessPendingMessages() override;
    void busybeep() override;
    void ShowLowDiskSpaceNotice() override;
    int FileLabelTextWidth(const QString &text) const override;
    int FileLabelWidth() const override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void CreateMenus();
    void FormCreate(const QStringList &arguments);
    void FormResize();
    void FormDestroy();
    void CommitDataRequest(QSessionManager &manager);
    void FillGroupList();
    void ApplyStoredWindowPlace();
    // Copies the window's checks, priority and place into the state before it is written.
    void KeepWindowStateForSaving();
    void ShowGroupMenu(const QPoint &globalPosition);
    void CreateRuns();
    // The runs, with the backup log following the current options.
    engine::BackupRuns &Runs();

    ProgramState state_;
    engine::RunState runstate_;
    std::unique_ptr<BackupLog> backuplog_;
    std::unique_ptr<engine::BackupRuns> runs_;
    // Lives as long as the window; every interactive run refills and shows it.
    dialogs::Tresultsform *resultsform_ = nullptr;
    // The pause, results and report windows a run opens, and the Pause button it shows.
    std::unique_ptr<dialogs::FormRunWindows> runwindows_;
    int pendingprogress_ = 0;
    int exitstatus_ = 0;
    bool endafterunattendedrun_ = false;
    bool shownonce_ = false;
};

} // namespace tessel::app
