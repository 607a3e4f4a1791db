#include "widgets/form_placement.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(KeepRectOnScreen, PullsFormsBackInOrder)
{
    const QRect screen(0, 0, 1024, 768);
    struct Case
    {
        QRect form;
        QPoint expected;
    };
    const Case cases[] = {
        {QRect(100, 100, 300, 200), QPoint(100, 100)}, // on screen: untouched
        {QRect(-50, -20, 300, 200), QPoint(0, 0)},
        {QRect(900, 700, 300, 200), QPoint(724, 568)},
        {QRect(-10, 700, 300, 200), QPoint(0, 568)},
        {QRect(724, 568, 300, 200), QPoint(724, 568)}, // touching the edges is on screen
        // Wider than the screen: the right edge wins, as the left edge is fixed first.
        {QRect(-10, 10, 1200, 200), QPoint(-176, 10)},
    };
    for (const Case &c : cases) {
        const QRect placed = KeepRectOnScreen(c.form, screen);
        EXPECT_EQ(placed.topLeft(), c.expected) << c.form.x() << "," << c.form.y();
        EXPECT_EQ(placed.size(), c.form.size());
    }
    // A screen that does not start at the origin.
    EXPECT_EQ(KeepRectOnScreen(QRect(0, 0, 100, 100), QRect(1920, 0, 1280, 1024)).topLeft(), QPoint(1920, 0));
}

TEST(CenterRectOnScreen, TruncatesEachHalf)
{
    EXPECT_EQ(CenterRectOnScreen(QRect(5, 5, 301, 201), QRect(0, 0, 1025, 769)).topLeft(), QPoint(362, 284));
    EXPECT_EQ(CenterRectOnScreen(QRect(0, 0, 400, 300), QRect(0, 0, 1024, 768)).topLeft(), QPoint(312, 234));
    EXPECT_EQ(CenterRectOnScreen(QRect(0, 0, 400, 300), QRect(1920, 0, 1024, 768)).topLeft(),
              QPoint(2232, 234));
}

TEST(FormPlacement, MovesRealWindows)
{
    CenterFormOnScreen(nullptr);
    KeepFormOnScreen(nullptr);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget form;
    form.resize(200, 100);
    form.move(screen.right() + 500, screen.bottom() + 500);
    KeepFormOnScreen(&form);
    EXPECT_TRUE(screen.contains(form.frameGeometry())) << form.x() << "," << form.y();

    CenterFormOnScreen(&form);
    EXPECT_EQ(form.frameGeometry().topLeft(), CenterRectOnScreen(form.frameGeometry(), screen).topLeft());
}

TEST(UseFontFamilyIfInstalled, SwitchesOnlyToAnInstalledOtherFamily)
{
    const QStringList families = QFontDatabase::families();
    if (families.size() < 2)
        GTEST_SKIP() << "needs two installed font families";
    const QString installed = families.front();

    QFont font(families.at(1), 10);
    UseFontFamilyIfInstalled(font, installed);
    EXPECT_EQ(font.family(), installed);
    EXPECT_EQ(font.pointSize(), 12);

    // Already that family, in another mix of case: the size stays.
    QFont same(installed, 10);
    same.setFamily(installed.toUpper());
    UseFontFamilyIfInstalled(same, installed);
    EXPECT_EQ(same.pointSize(), 10);

    QFont unchanged(families.at(1), 10);
    UseFontFamilyIfInstalled(unchanged, QStringLiteral("No Such Family Anywhere"));
    EXPECT_EQ(unchanged.family(), families.at(1));
    EXPECT_EQ(unchanged.pointSize(), 10);
}

} // namespace
} // namespace tessel
