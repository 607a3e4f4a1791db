// The main window's life: start-up while it is built, the refusals to close during a run, bringing it
// forward for another process, and saving the settings when it is destroyed.
#include "app/main_window.h"

#include "app/command_line.h"
#include "app/data_folder.h"
#include "common/application_info.h"
#include "common/paths.h"
#include "common/program_folders.h"
#include "config/settings_file.h"
#include "dialogs/form_run_windows.h"
#include "dialogs/results_form.h"
#include "engine/runs_backup_runs.h"
#include "log/backup_log.h"
#include "widgets/form_placement.h"
#include "widgets/my_check_list_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>

namespace tessel::app {

TForm1::TForm1(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
{
    // A system menu and a minimise box, no maximise box; the window can still be resized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    CreateControls();
    resultsform_ = new dialogs::Tresultsform(this);
    CreateRuns();
    FormCreate(arguments);
}

TForm1::~TForm1()
{
    FormDestroy();
}

void TForm1::FormCreate(const QStringList &arguments)
{
    state_.mainfontsize = QFontInfo(font()).pointSize();
    runstate_.counters.latestonly = false;
    itemlabel->clear();
    pausebutton->hide();
    CenterFormOnScreen(this);

    ApplyCommandLineArguments(state_, arguments);
    state_.commandlinegroups.clear();
    state_.commandlineitems.clear();
    // Only the window's own caption: an application display name would be appended by the platform to
    // every other window's caption ("Verify", "Backup Results").
    setWindowTitle(ApplicationTitle());

    state_.documentsfolder = SpecialFolder(kCsidlPersonal);
    if (state_.documentsfolder.isEmpty())
        state_.documentsfolder = ProgramFolder();
    copyinglabel->hide();
    runstate_.backingup = false;

    const DataFileNames names = ChooseDataFolder(ProgramFolder(), AppDataFolder());
    state_.datafilename = names.datafilename;
    state_.logfilename = names.logfilename;
    SetDataFolder(QFileInfo(names.datafilename).path());
    // The log must be known before anything could write to it.
    backuplog_->setLogFileName(state_.logfilename);

    copyinglabel->clear();
    filelabel->clear();
    filelabel->setToolTip(QString());
    numfileslabel->clear();

    readdata(state_, state_.datafilename);
    ApplyStoredWindowPlace();
    FillGroupList();
    if (state_.groupcount > 0)
        groupslb->setCurrentRow(0);

    ApplyCommandLineChoice(state_);
    if (state_.unattendedrun)
        Timer1->start();

    connect(qApp, &QGuiApplication::commitDataRequest, this, &TForm1::CommitDataRequest);
}

void TForm1::FillGroupList()
{
    groupslb->clear();
    for (int g = 0; g < state_.groupcount; ++g) {
        const tbackupgroup &group = state_.groups[static_cast<size_t>(g)];
        groupslb->addItem(group.empty() ? QString() : group.front().title);
    }
    // Marks beyond the last row belong to no group and are left alone.
    const int marks = qMin(static_cast<int>(state_.savedchecks.size()), groupslb->count());
    for (int row = 0; row < marks; ++row)
        groupslb->setChecked(row, state_.savedchecks.at(row) == QLatin1Char('1'));
}

void TForm1::ApplyStoredWindowPlace()
{
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize();
    const QRect placed =
        PlaceWindow(state_.storedwindowplace, screenSize, QRect(pos(), size()), minimumSize());
    move(placed.topLeft());
    resize(placed.size());
    state_.lowpriority ? setchecks(false) : setchecks(true);
}

QString TForm1::CheckedRowsText() const
{
    QString checks;
    for (int row = 0; row < groupslb->count(); ++row)
        checks += groupslb->isChecked(row) ? QLatin1Char('1') : QLatin1Char('0');
    return checks;
}

void TForm1::KeepWindowStateForSaving()
{
    state_.savedchecks = CheckedRowsText();
    state_.lowpriority = Low1->isChecked();
    // The window's own place and size, without the decorations the window manager adds, so that
    // reading them back puts the window exactly where it was.
    state_.mainwindowplace = QRect(pos(), size());
}

void TForm1::FormDestroy()
{
    KeepWindowStateForSaving();
    savedata(state_, state_.datafilename, false);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (runstate_.backingup) {
        busybeep();
        event->ignore();
        return;
    }
    event->accept();
}

void TForm1::CommitDataRequest(QSessionManager &manager)
{
    if (runstate_.backingup)
        manager.cancel();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!shownonce_) {
        shownonce_ = true;
        state_.displayscale = ScaleFactor();
    }
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::keyPressEvent(QKeyEvent *event)
{
    // The Backup button is the window's default: Enter that no control took presses it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            backupbutton->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == groupslb->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::RightButton || mouse->button() == Qt::MiddleButton) {
                const int row = groupslb->row(groupslb->itemAt(mouse->position().toPoint()));
                if (row >= 0)
                    groupslb->setCurrentRow(row);
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::RightButton || mouse->button() == Qt::MiddleButton) {
                ShowGroupMenu(mouse->globalPosition().toPoint());
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::BringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TForm1::groupslbClick()
{
    numfileslabel->clear();
    itemlabel->clear();
}

} // namespace tessel::app
