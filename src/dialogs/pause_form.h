#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>

class QLabel;
class QPushButton;

// The message that holds a run while it is paused: the run stays inside the modal window's event loop
// until the user presses Ok.
namespace tessel::dialogs {

class Tpauseform : public QDialog
{
    Q_OBJECT

public:
    explicit Tpauseform(QWidget *parent = nullptr);

    QLabel *Label1;
    QLabel *Label2;
    QPushButton *Button1;
};

// The pause window's top-left corner, centred on its owner's frame (integer halves, as the window
// manager rounds them).
QPoint PauseWindowPosition(const QRect &ownerFrame, const QSize &pauseSize);

// Shows the pause window modally, centred on owner (when given), and returns when it is closed.
void ShowPauseMessage(QWidget *owner);

} // namespace tessel::dialogs
