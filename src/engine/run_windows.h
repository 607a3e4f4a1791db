#pragma once

#include <QString>
#include <QStringList>

// The windows a run opens or changes besides the main window's status area: the Pause buttons of the main
// window and of the group editor, the pause window, the results and report windows that end an
// interactive run, the group editor's Stop button, and the Shift key read at run start. The main window
// implements it with the real windows; tests replace it with a recorder.
namespace tessel::engine {

// Whose Pause button was pressed, or which window started a one-item run.
enum class RunWindowOwner { mainwindow, groupeditor };

// The texts of the results window's controls, named like the controls.
struct ResultsWindowText
{
    QString caption;
    QString typelabel;
    bool typelabelmoveddown = false; // the selected-items kind sits 10 pixels lower
    QString categorylabel;
    QString Label1, copiedlabel;
    QString Label3, skippedlabel;
    QString Label5, failedlabel;
    QString Label6, foldersdeletedlabel;
    QString Label7, filesdeletedlabel;

    bool operator==(const ResultsWindowText &) const = default;
};

class RunWindows
{
public:
    virtual ~RunWindows() = default;

    // Whether a Shift key is held at this moment.
    virtual bool shiftpressed() const = 0;
    // The main window's Pause button, and the group editor's when the editor is on screen.
    virtual void SetPauseButtonsVisible(bool visible) = 0;
    virtual QString PauseCaption(RunWindowOwner owner) const = 0;
    virtual void SetPauseCaption(RunWindowOwner owner, const QString &caption) = 0;
    // The modal pause window, centred on the group editor when it is on screen, else on the main window.
    virtual void ShowPauseMessage() = 0;
    // The modal results window.
    virtual void ShowResults(const ResultsWindowText &text) = 0;
    // The modal report window with these lines in its text box.
    virtual void ShowReport(const QStringList &lines) = 0;
    // Hides the group editor's Stop button when the editor is on screen.
    virtual void HideEditorStopButton() = 0;
};

} // namespace tessel::engine
