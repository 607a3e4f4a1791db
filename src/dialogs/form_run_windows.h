#pragma once

#include "engine/run_windows.h"

#include <QPointer>

#include <functional>

class QAbstractButton;
class QWidget;

namespace tessel::dialogs {

class Tresultsform;

// The run windows over real widgets: the main window's Pause button, the group editor's Pause and Stop
// buttons while an editor is open, the program-long results window, and report and pause windows made
// when needed. The main window makes one and tells it when a group editor opens and closes.
class FormRunWindows final : public engine::RunWindows
{
public:
    // fontsize gives the main window's font size at the moment a window is shown.
    FormRunWindows(QWidget *mainwindow, QAbstractButton *pausebutton, Tresultsform *resultsform,
                   std::function<int()> fontsize);

    // The open group editor and its two buttons; all null when none is open.
    void SetGroupEditor(QWidget *editor, QAbstractButton *pausebutton, QAbstractButton *stopbutton);

    bool shiftpressed() const override;
    void SetPauseButtonsVisible(bool visible) override;
    QString PauseCaption(engine::RunWindowOwner owner) const override;
    void SetPauseCaption(engine::RunWindowOwner owner, const QString &caption) override;
    void ShowPauseMessage() override;
    void ShowResults(const engine::ResultsWindowText &text) override;
    void ShowReport(const QStringList &lines) override;
    void HideEditorStopButton() override;

private:
    bool EditorOnScreen() const;
    QAbstractButton *PauseButton(engine::RunWindowOwner owner) const;

    QPointer<QWidget> mainwindow_;
    QPointer<QAbstractButton> pausebutton_;
    QPointer<Tresultsform> resultsform_;
    std::function<int()> fontsize_;
    QPointer<QWidget> editor_;
    QPointer<QAbstractButton> editorpausebutton_;
    QPointer<QAbstractButton> editorstopbutton_;
};

} // namespace tessel::dialogs
