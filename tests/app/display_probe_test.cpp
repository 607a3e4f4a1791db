#include "app/display_probe.h"

#include <gtest/gtest.h>

namespace tessel::app {
namespace {

TEST(ChoosePlatform, OffscreenOnlyWhenNoDisplayAnswers)
{
    struct Case
    {
        const char *what;
        DisplayEnvironment environment;
        QByteArray expected;
    };
    const std::vector<Case> cases = {
        {"nothing reachable", {{}, false, false}, "offscreen"},
        {"X answers: the default platform", {{}, true, false}, {}},
        {"X and Wayland answer: the default platform", {{}, true, true}, {}},
        {"only Wayland answers", {{}, false, true}, "wayland;xcb;offscreen"},
        {"the user's choice stands", {"xcb", false, false}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ChoosePlatform(c.environment), c.expected);
    }
}

TEST(ProbeDisplayEnvironment, UnreachableDisplaysAreSeenAsSuch)
{
    const QByteArray savedPlatform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray savedDisplay = qgetenv("DISPLAY");
    const QByteArray savedWayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("QT_QPA_PLATFORM");
    // No server listens on display 97 nor on a Wayland socket of that name in the test's runtime folder.
    qputenv("DISPLAY", ":97");
    qputenv("WAYLAND_DISPLAY", "wayland-tessel-none");
    const DisplayEnvironment environment = ProbeDisplayEnvironment();
    qputenv("QT_QPA_PLATFORM", savedPlatform);
    qputenv("DISPLAY", savedDisplay);
    qputenv("WAYLAND_DISPLAY", savedWayland);

    EXPECT_FALSE(environment.x11Reachable);
    EXPECT_FALSE(environment.waylandReachable);
    EXPECT_EQ(ChoosePlatform(environment), "offscreen");
}

} // namespace
} // namespace tessel::app
