#pragma once

#include <QByteArray>

// Picks the window-system platform before the application object exists. Without a reachable display
// (a server, cron, a container) the program runs on the offscreen platform instead of aborting.
namespace tessel::app {

struct DisplayEnvironment
{
    QByteArray qtQpaPlatform;      // QT_QPA_PLATFORM as the user set it
    bool x11Reachable = false;     // DISPLAY is set and an X server answers on it
    bool waylandReachable = false; // WAYLAND_DISPLAY is set and its socket accepts a connection
};

// What QT_QPA_PLATFORM should be set to, or empty to leave it as it is.
QByteArray ChoosePlatform(const DisplayEnvironment &environment);

// Looks at this process's environment (connects to the X server and the Wayland socket to see).
DisplayEnvironment ProbeDisplayEnvironment();

// Sets QT_QPA_PLATFORM from the probe when the user has not chosen one.
void SelectPlatformForDisplay();

} // namespace tessel::app
