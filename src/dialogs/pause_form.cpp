#include "dialogs/pause_form.h"

#include "common/application_info.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessel::dialogs {

Tpauseform::Tpauseform(QWidget *parent)
    : QDialog(parent)
    , Label1(new QLabel(QStringLiteral("Backing up has has been temporarily paused."), this))
    , Label2(new QLabel(QStringLiteral("Click Ok when ready to continue."), this))
    , Button1(new QPushButton(tr("&Ok"), this))
{
    setObjectName(QStringLiteral("pauseform"));
    setWindowTitle(ApplicationTitle());
    Label1->setAlignment(Qt::AlignCenter);
    Label2->setAlignment(Qt::AlignCenter);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    Button1->setDefault(true);
    Button1->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

QPoint PauseWindowPosition(const QRect &ownerFrame, const QSize &pauseSize)
{
    return {ownerFrame.left() + (ownerFrame.width() - pauseSize.width()) / 2,
            ownerFrame.top() + (ownerFrame.height() - pauseSize.height()) / 2};
}

void ShowPauseMessage(QWidget *owner)
{
    Tpauseform pauseform(owner);
    pauseform.adjustSize();
    // The native window must exist before its frame (title bar, borders) is known and can be centred.
    pauseform.winId();
    if (owner)
        pauseform.move(PauseWindowPosition(owner->frameGeometry(), pauseform.frameGeometry().size()));
    pauseform.exec();
}

} // namespace tessel::dialogs
