#include "dialogs/form_run_windows.h"

#include "dialogs/pause_form.h"
#include "dialogs/report_form.h"
#include "dialogs/results_form.h"

#include <QAbstractButton>
#include <QGuiApplication>

namespace tessel::dialogs {

FormRunWindows::FormRunWindows(QWidget *mainwindow, QAbstractButton *pausebutton, Tresultsform *resultsform,
                               std::function<int()> fontsize)
    : mainwindow_(mainwindow)
    , pausebutton_(pausebutton)
    , resultsform_(resultsform)
    , fontsize_(std::move(fontsize))
{}

void FormRunWindows::SetGroupEditor(QWidget *editor, QAbstractButton *pausebutton,
                                    QAbstractButton *stopbutton)
{
    editor_ = editor;
    editorpausebutton_ = pausebutton;
    editorstopbutton_ = stopbutton;
}

bool FormRunWindows::shiftpressed() const
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

void FormRunWindows::SetPauseButtonsVisible(bool visible)
{
    if (pausebutton_)
        pausebutton_->setVisible(visible);
    if (EditorOnScreen() && editorpausebutton_)
        editorpausebutton_->setVisible(visible);
}

QString FormRunWindows::PauseCaption(engine::RunWindowOwner owner) const
{
    QAbstractButton *button = PauseButton(owner);
    return button ? button->text() : QString();
}

void FormRunWindows::SetPauseCaption(engine::RunWindowOwner owner, const QString &caption)
{
    if (QAbstractButton *button = PauseButton(owner))
        button->setText(caption);
}

void FormRunWindows::ShowPauseMessage()
{
    dialogs::ShowPauseMessage(EditorOnScreen() ? editor_.data() : mainwindow_.data());
}

void FormRunWindows::ShowResults(const engine::ResultsWindowText &text)
{
    if (resultsform_)
        ShowResultsWindow(*resultsform_, text, fontsize_ ? fontsize_() : 0);
}

void FormRunWindows::ShowReport(const QStringList &lines)
{
    ShowReportWindow(mainwindow_, lines, fontsize_ ? fontsize_() : 0);
}

void FormRunWindows::HideEditorStopButton()
{
    if (EditorOnScreen() && editorstopbutton_)
        editorstopbutton_->hide();
}

bool FormRunWindows::EditorOnScreen() const
{
    return editor_ && editor_->isVisible();
}

QAbstractButton *FormRunWindows::PauseButton(engine::RunWindowOwner owner) const
{
    return owner == engine::RunWindowOwner::groupeditor ? editorpausebutton_.data() : pausebutton_.data();
}

} // namespace tessel::dialogs
