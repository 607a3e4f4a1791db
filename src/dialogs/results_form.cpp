#include "dialogs/results_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace tessel::dialogs {
namespace {

constexpr int typeLabelDrop = 10;

QLabel *BoldCentredLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    QFont font;
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel *CountLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel *TextLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

Tresultsform::Tresultsform(QWidget *parent)
    : QDialog(parent)
    , typelabel(BoldCentredLabel(this))
    , categorylabel(BoldCentredLabel(this))
    , Label1(CountLabel(this))
    , copiedlabel(TextLabel(this))
    , Label3(CountLabel(this))
    , skippedlabel(TextLabel(this))
    , Label5(CountLabel(this))
    , failedlabel(TextLabel(this))
    , Label6(CountLabel(this))
    , foldersdeletedlabel(TextLabel(this))
    , Label7(CountLabel(this))
    , filesdeletedlabel(TextLabel(this))
    , okbutton(new QPushButton(tr("&Ok"), this))
    , typeLabelOffset_(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed))
{
    setObjectName(QStringLiteral("resultsform"));
    setWindowTitle(QStringLiteral("Backup Results"));
    typelabel->setTextFormat(Qt::PlainText);
    categorylabel->setTextFormat(Qt::PlainText);

    // Column 0 holds the counts of the two deletion rows, further left than the file counts of column 1,
    // because their texts are longer.
    auto *counts = new QGridLayout;
    counts->setHorizontalSpacing(8);
    counts->addWidget(Label1, 0, 1);
    counts->addWidget(copiedlabel, 0, 2);
    counts->addWidget(Label3, 1, 1);
    counts->addWidget(skippedlabel, 1, 2);
    counts->addWidget(Label5, 2, 1);
    counts->addWidget(failedlabel, 2, 2);
    counts->addWidget(Label6, 3, 0);
    counts->addWidget(foldersdeletedlabel, 3, 1, 1, 2);
    counts->addWidget(Label7, 4, 0);
    counts->addWidget(filesdeletedlabel, 4, 1, 1, 2);
    counts->setColumnMinimumWidth(0, 60);
    counts->setColumnMinimumWidth(1, 60);
    counts->setColumnStretch(2, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okbutton);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addItem(typeLabelOffset_);
    layout->addWidget(typelabel);
    layout->addWidget(categorylabel);
    layout->addSpacing(8);
    layout->addLayout(counts);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    okbutton->setDefault(true);
    okbutton->setAutoDefault(true);
    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(360);
}

void Tresultsform::Fill(const engine::ResultsWindowText &text)
{
    setWindowTitle(text.caption);
    typeLabelOffset_->changeSize(0, text.typelabelmoveddown ? typeLabelDrop : 0, QSizePolicy::Minimum,
                                 QSizePolicy::Fixed);
    layout()->invalidate();
    typelabel->setText(text.typelabel);
    categorylabel->setText(text.categorylabel);
    Label1->setText(text.Label1);
    copiedlabel->setText(text.copiedlabel);
    Label3->setText(text.Label3);
    skippedlabel->setText(text.skippedlabel);
    Label5->setText(text.Label5);
    failedlabel->setText(text.failedlabel);
    Label6->setText(text.Label6);
    foldersdeletedlabel->setText(text.foldersdeletedlabel);
    Label7->setText(text.Label7);
    filesdeletedlabel->setText(text.filesdeletedlabel);
}

bool Tresultsform::TypeLabelMovedDown() const
{
    return typeLabelOffset_->sizeHint().height() == typeLabelDrop;
}

void SetWindowFontSize(QWidget *window, int points)
{
    if (points <= 0)
        return;
    QFont font = window->font();
    font.setPointSize(points);
    window->setFont(font);
}

void ShowResultsWindow(Tresultsform &resultsform, const engine::ResultsWindowText &text, int fontsize)
{
    resultsform.Fill(text);
    SetWindowFontSize(&resultsform, fontsize);
    resultsform.adjustSize();
    resultsform.exec();
}

} // namespace tessel::dialogs
