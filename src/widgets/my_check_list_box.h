#pragma once

#include <QListWidget>
#include <QStyledItemDelegate>

// The check list box of the group list and the group editor: one check mark per line, lines of a
// fixed height (19 pixels until the owner sets its own), and a sideways scroll extent that fits the
// widest line. The check mark means what the owner says (a group to back up, an enabled item).
namespace tessel {

class TMyCheckListBox;

// Draws a line: the check box, then the text on one line, vertically centred, 2 pixels right of the
// text area's left edge. An owner with its own columns derives from it and paints the text area.
class CheckListItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit CheckListItemDelegate(TMyCheckListBox *list);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    // The area right of the check box, where the line's own content goes.
    QRect TextArea(const QStyleOptionViewItem &option) const;
    // Background, focus and check box of the line; what paint() draws before the text.
    void PaintFrame(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;

private:
    TMyCheckListBox *list_;
};

class TMyCheckListBox : public QListWidget
{
    Q_OBJECT
public:
    static constexpr int kDefaultItemHeight = 19;

    explicit TMyCheckListBox(QWidget *parent = nullptr);

    using QListWidget::addItem;
    using QListWidget::insertItem;
    // Adds or inserts a line with an empty check box.
    void addItem(const QString &text);
    void addItems(const QStringList &texts);
    void insertItem(int row, const QString &text);

    bool isChecked(int row) const;
    // Rows outside the list are ignored.
    void setChecked(int row, bool checked);

    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int height);

    // Lets the list scroll sideways as far as its widest line plus 50 pixels.
    void SetHorizontalScrollBar();
    // The width set by SetHorizontalScrollBar, 0 before the first call.
    int horizontalExtent() const { return horizontalExtent_; }

signals:
    // The user (or code) changed the check mark of a line.
    void checkChanged(int row, bool checked);

private:
    int itemHeight_ = kDefaultItemHeight;
    int horizontalExtent_ = 0;
};

} // namespace tessel
