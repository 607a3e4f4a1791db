#include "config/window_place.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(WindowPlace, PullsTheWindowBackOntoTheScreen)
{
    const QSize screen(1920, 1080);
    const QRect centred(660, 340, 600, 400);
    const QSize minimum(300, 200);
    struct Case
    {
        const char *name;
        StoredWindowPlace stored;
        QRect expected;
    };
    const Case cases[] = {
        {"all values used", {100, 50, 500, 700}, QRect(50, 100, 700, 500)},
        {"no top: nothing used", {std::nullopt, 50, 500, 700}, centred},
        {"far right: left from the current width", {100, 5000, 500, 700}, QRect(1320, 100, 700, 500)},
        {"far down: top from the current height",
         {2000, 10, std::nullopt, std::nullopt},
         QRect(10, 680, 600, 400)},
        {"just inside the margin stays",
         {1030, 1870, std::nullopt, std::nullopt},
         QRect(1870, 1030, 600, 400)},
        {"negative corner becomes 0", {-40, -3, std::nullopt, std::nullopt}, QRect(0, 0, 600, 400)},
        {"no left: top not used either, size still is",
         {100, std::nullopt, 500, 700},
         QRect(660, 340, 700, 500)},
        {"size below the minimum", {0, 0, 10, 10}, QRect(0, 0, 300, 200)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlaceWindow(c.stored, screen, centred, minimum), c.expected);
    }
}

TEST(WindowPlace, WindowWiderThanTheScreenLandsAtZero)
{
    EXPECT_EQ(
        PlaceWindow({10, 3000, std::nullopt, std::nullopt}, QSize(800, 600), QRect(0, 0, 1000, 300), QSize()),
        QRect(0, 10, 1000, 300));
}

} // namespace
} // namespace tessel
