// What a run shows in the main window: the status labels, the progress bar, the button captions, and
// the pause, results and report windows.
#include "app/main_window.h"

#include "common/messages.h"
#include "common/text_format.h"
#include "dialogs/pause_form.h"
#include "dialogs/report_form.h"
#include "dialogs/results_form.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace tessel::app {

void TForm1::SetLabelText(engine::RunLabel label, const QString &text, const QString &hint)
{
    QLabel *target = nullptr;
    switch (label) {
    case engine::RunLabel::itemlabel:
        target = itemlabel;
        break;
    case engine::RunLabel::copyinglabel:
        target = copyinglabel;
        break;
    case engine::RunLabel::filelabel:
        target = filelabel;
        filelabel->setToolTip(hint);
        break;
    case engine::RunLabel::numfileslabel:
        target = numfileslabel;
        break;
    }
    target->setText(text);
    // The status word varies ("Copying: ", "Comparing", ...); its label sizes itself to the word.
    if (target == copyinglabel)
        copyinglabel->adjustSize();
    target->repaint();
}

void TForm1::SetCopyingLabelVisible(bool visible)
{
    copyinglabel->setVisible(visible);
}

void TForm1::updatenumfileslabel(quint64 filesprocessed)
{
    numfileslabel->setText(QStringLiteral("Files: ") + FormatNumber(static_cast<double>(filesprocessed), 0));
}

void TForm1::SetProgress(int percent)
{
    pb->setValue(qBound(0, percent, 100));
}

void TForm1::SetQuitCaption(const QString &caption)
{
    quitbutton->setText(caption);
}

void TForm1::ProcessPendingMessages()
{
    QCoreApplication::processEvents();
}

void TForm1::busybeep()
{
    QApplication::beep();
}

void TForm1::ShowLowDiskSpaceNotice()
{
    ShowInformation(QStringLiteral("WARNING: Low disk space.\r\rSome files could not be copied"));
}

int TForm1::FileLabelTextWidth(const QString &text) const
{
    return filelabel->fontMetrics().horizontalAdvance(text);
}

int TForm1::FileLabelWidth() const
{
    return filelabel->width();
}

bool TForm1::shiftpressed() const
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

void TForm1::SetPauseButtonsVisible(bool visible)
{
    pausebutton->setVisible(visible);
}

QString TForm1::PauseCaption(engine::RunWindowOwner owner) const
{
    return owner == engine::RunWindowOwner::mainwindow ? pausebutton->text() : QString();
}

void TForm1::SetPauseCaption(engine::RunWindowOwner owner, const QString &caption)
{
    if (owner == engine::RunWindowOwner::mainwindow)
        pausebutton->setText(caption);
}

void TForm1::ShowPauseMessage()
{
    dialogs::ShowPauseMessage(this);
}

void TForm1::ShowResults(const engine::ResultsWindowText &text)
{
    dialogs::ShowResultsWindow(*resultsform_, text, state_.mainfontsize);
}

void TForm1::ShowReport(const QStringList &lines)
{
    dialogs::ShowReportWindow(this, lines, state_.mainfontsize);
}

void TForm1::HideEditorStopButton()
{
    // Runs started from this window have no group editor whose Stop button would need hiding.
}

} // namespace tessel::app
