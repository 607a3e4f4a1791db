// What a run shows in the main window: the status labels, the progress bar and the button captions.
#include "app/main_window.h"

#include "common/messages.h"
#include "common/text_format.h"

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
    // No immediate repaint: the engine lets pending messages run every few milliseconds, which paints
    // the label; painting on every file would cost more than copying a small file.
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
    // A progress bar repaints at once on every visible change, and a run of small files changes it twice
    // per file: that painting would cost more than the copies. During a run the newest value is shown
    // when pending messages run.
    pendingprogress_ = qBound(0, percent, 100);
    if (!runstate_.backingup)
        pb->setValue(pendingprogress_);
}

void TForm1::SetQuitCaption(const QString &caption)
{
    quitbutton->setText(caption);
}

void TForm1::ProcessPendingMessages()
{
    pb->setValue(pendingprogress_);
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

} // namespace tessel::app
