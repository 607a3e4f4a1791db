#include "dialogs/report_form.h"

#include "dialogs/results_form.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessel::dialogs {

Treportform::Treportform(QWidget *parent)
    : QDialog(parent)
    , Memo1(new QPlainTextEdit(this))
    , okbutton(new QPushButton(tr("&Ok"), this))
{
    setObjectName(QStringLiteral("reportform"));
    setWindowTitle(QStringLiteral("Backup Report"));

    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
    Memo1->installEventFilter(this);
    Memo1->clear();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okbutton);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);

    okbutton->setDefault(true);
    okbutton->setAutoDefault(true);
    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);
    resize(560, 360);
}

void Treportform::SetLines(const QStringList &lines)
{
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

bool Treportform::eventFilter(QObject *watched, QEvent *event)
{
    // A focus that reaches the box anyway (a program call, an accessibility tool) is handed back to the
    // Ok button, so the box never shows a caret.
    if (watched == Memo1 && event->type() == QEvent::FocusIn)
        okbutton->setFocus(Qt::OtherFocusReason);
    return QDialog::eventFilter(watched, event);
}

void ShowReportWindow(QWidget *parent, const QStringList &lines, int fontsize)
{
    Treportform reportform(parent);
    SetWindowFontSize(&reportform, fontsize);
    reportform.SetLines(lines);
    reportform.exec();
}

} // namespace tessel::dialogs
