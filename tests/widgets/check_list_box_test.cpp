#include "widgets/my_check_list_box.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(TMyCheckListBox, LinesAreNineteenPixelsUntilTheOwnerSaysOtherwise)
{
    TMyCheckListBox list;
    list.resize(300, 200);
    list.addItems({QStringLiteral("System Registry"), QStringLiteral("Documents")});
    list.show();
    EXPECT_EQ(list.visualItemRect(list.item(0)).height(), 19);
    EXPECT_EQ(list.visualItemRect(list.item(1)).top(), 19);

    list.setItemHeight(25);
    EXPECT_EQ(list.visualItemRect(list.item(1)).top(), 25);
}

TEST(TMyCheckListBox, CheckMarksByRow)
{
    TMyCheckListBox list;
    list.addItem(QStringLiteral("a"));
    list.addItem(QStringLiteral("b"));
    list.insertItem(0, QStringLiteral("first"));
    QSignalSpy changes(&list, &TMyCheckListBox::checkChanged);

    EXPECT_FALSE(list.isChecked(0));
    list.setChecked(2, true);
    EXPECT_TRUE(list.isChecked(2));
    EXPECT_EQ(list.item(2)->text(), QStringLiteral("b"));
    list.setChecked(0, true);
    list.setChecked(0, false);
    EXPECT_FALSE(list.isChecked(0));

    // Rows that do not exist are neither read nor touched.
    list.setChecked(3, true);
    list.setChecked(-1, true);
    EXPECT_FALSE(list.isChecked(3));
    EXPECT_FALSE(list.isChecked(-1));

    ASSERT_EQ(changes.size(), 3);
    EXPECT_EQ(changes.at(0), (QList<QVariant>{2, true}));
    EXPECT_EQ(changes.at(2), (QList<QVariant>{0, false}));

    // Renaming a line is no change of its mark.
    list.item(1)->setText(QStringLiteral("renamed"));
    EXPECT_EQ(changes.size(), 3);
}

TEST(TMyCheckListBox, ClickAndSpaceToggleTheMark)
{
    TMyCheckListBox list;
    list.resize(300, 200);
    list.addItems({QStringLiteral("one"), QStringLiteral("two")});
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));

    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.rect = list.visualItemRect(list.item(1));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect check = list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, check.center());
    EXPECT_TRUE(list.isChecked(1));
    EXPECT_FALSE(list.isChecked(0));

    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_TRUE(list.isChecked(0));
}

TEST(TMyCheckListBox, HorizontalExtentFitsTheWidestLine)
{
    TMyCheckListBox empty;
    empty.SetHorizontalScrollBar();
    EXPECT_EQ(empty.horizontalExtent(), 50);

    TMyCheckListBox list;
    list.resize(120, 200);
    const QString wide = QStringLiteral("A rather long group title that needs sideways scrolling");
    list.addItems({QStringLiteral("short"), wide});
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    list.SetHorizontalScrollBar();
    EXPECT_EQ(list.horizontalExtent(), QFontMetrics(list.font()).horizontalAdvance(wide) + 50);
    QCoreApplication::processEvents();
    EXPECT_GT(list.horizontalScrollBar()->maximum(), 0);
}

} // namespace
} // namespace tessel
