#include "widgets/my_check_list_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace tessel {
namespace {

constexpr int kTextIndent = 2;
constexpr int kExtentMargin = 50;

} // namespace

CheckListItemDelegate::CheckListItemDelegate(TMyCheckListBox *list)
    : QStyledItemDelegate(list)
    , list_(list)
{}

QRect CheckListItemDelegate::TextArea(const QStyleOptionViewItem &option) const
{
    QStyleOptionViewItem checkOption = option;
    checkOption.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    const QRect check =
        style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &checkOption, option.widget);
    QRect area = option.rect;
    area.setLeft(check.right() + 1);
    return area;
}

void CheckListItemDelegate::PaintFrame(QPainter *painter, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    QStyleOptionViewItem frame = option;
    initStyleOption(&frame, index);
    frame.text.clear();
    frame.icon = QIcon();
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &frame, painter, option.widget);
}

void CheckListItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    PaintFrame(painter, option, index);
    QStyleOptionViewItem textOption = option;
    initStyleOption(&textOption, index);
    QRect area = TextArea(textOption);
    area.setLeft(area.left() + kTextIndent);
    painter->save();
    painter->setFont(textOption.font);
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(textOption.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    // One line only: a line break in a title must not spill into the next row.
    QString text = index.data(Qt::DisplayRole).toString();
    text.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter->restore();
}

QSize CheckListItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(list_->itemHeight());
    size.setWidth(qMax(size.width(), list_->horizontalExtent()));
    return size;
}

TMyCheckListBox::TMyCheckListBox(QWidget *parent)
    : QListWidget(parent)
{
    setItemDelegate(new CheckListItemDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
                if (!roles.isEmpty() && !roles.contains(Qt::CheckStateRole))
                    return;
                for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                    emit checkChanged(row, isChecked(row));
            });
}

namespace {

QListWidgetItem *CheckableLine(const QString &text)
{
    auto *line = new QListWidgetItem(text);
    line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
    line->setCheckState(Qt::Unchecked);
    return line;
}

} // namespace

void TMyCheckListBox::addItem(const QString &text)
{
    QListWidget::addItem(CheckableLine(text));
}

void TMyCheckListBox::insertItem(int row, const QString &text)
{
    QListWidget::insertItem(row, CheckableLine(text));
}

void TMyCheckListBox::addItems(const QStringList &texts)
{
    for (const QString &text : texts)
        addItem(text);
}

bool TMyCheckListBox::isChecked(int row) const
{
    const QListWidgetItem *line = item(row);
    return line && line->checkState() == Qt::Checked;
}

void TMyCheckListBox::setChecked(int row, bool checked)
{
    if (QListWidgetItem *line = item(row))
        line->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TMyCheckListBox::setItemHeight(int height)
{
    itemHeight_ = qMax(1, height);
    doItemsLayout();
}

void TMyCheckListBox::SetHorizontalScrollBar()
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int row = 0; row < count(); ++row)
        widest = qMax(widest, metrics.horizontalAdvance(item(row)->text()));
    horizontalExtent_ = widest + kExtentMargin;
    doItemsLayout();
}

} // namespace tessel
