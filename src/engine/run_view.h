#pragma once

#include <QString>
#include <QtGlobal>

// The part of the main window a run reports to: the status labels, the progress bar, the Quit button's
// caption, the beep, the low-space notice, and "let pending messages run" (where Pause and Stop are
// seen). The main window implements it; tests replace it with a recorder. The results, report and pause
// windows are a separate port.
namespace tessel::engine {

enum class RunLabel {
    itemlabel,     // "Item: " + group title + " - " + item title
    copyinglabel,  // "Copying: ", "Deleting: ", "Comparing"
    filelabel,     // the file or folder being worked on (shortened), with the full path as its hint
    numfileslabel, // "Files: " + the count
};

class RunView
{
public:
    virtual ~RunView() = default;

    // Sets a label's text (and hint: only filelabel shows one) and repaints it at once.
    virtual void SetLabelText(RunLabel label, const QString &text, const QString &hint = QString()) = 0;
    virtual void SetCopyingLabelVisible(bool visible) = 0;
    // The "Files: " label: the view formats the count with the regional thousands separator.
    virtual void updatenumfileslabel(quint64 filesprocessed) = 0;
    // The progress bar pb, 0 to 100.
    virtual void SetProgress(int percent) = 0;
    // "&Quit" or "&Stop".
    virtual void SetQuitCaption(const QString &caption) = 0;
    // Lets pending window messages run; Pause holds the run inside this call until the user resumes.
    virtual void ProcessPendingMessages() = 0;
    // The simple system beep for a request refused because a run is in progress.
    virtual void busybeep() = 0;
    // "WARNING: Low disk space." after an interactive run that could not copy files for lack of space.
    virtual void ShowLowDiskSpaceNotice() = 0;
    // For shortening a path to fit filelabel: the width of text in the label's font, and the label's
    // width, both in pixels.
    virtual int FileLabelTextWidth(const QString &text) const = 0;
    virtual int FileLabelWidth() const = 0;

    // Puts text into copyinglabel and shows it.
    void showcopying(const QString &text)
    {
        SetLabelText(RunLabel::copyinglabel, text);
        SetCopyingLabelVisible(true);
    }
};

} // namespace tessel::engine
