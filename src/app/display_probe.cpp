#include "app/display_probe.h"

#include <QtGlobal>

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace tessel::app {
namespace {

// libxcb is loaded at run time only to ask whether the X server accepts us (authorisation included),
// so the build needs no X development files and a missing library simply means "no X".
bool X11ServerAnswers(const QByteArray &display)
{
    if (display.isEmpty())
        return false;
    void *library = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!library)
        return false;
    using Connect = void *(*)(const char *, int *);
    using HasError = int (*)(void *);
    using Disconnect = void (*)(void *);
    const auto connect = reinterpret_cast<Connect>(dlsym(library, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(library, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(library, "xcb_disconnect"));
    bool answers = false;
    if (connect && hasError && disconnect) {
        void *connection = connect(display.constData(), nullptr);
        if (connection) {
            answers = hasError(connection) == 0;
            disconnect(connection);
        }
    }
    dlclose(library);
    return answers;
}

bool WaylandSocketAccepts(const QByteArray &waylandDisplay, const QByteArray &runtimeDir)
{
    if (waylandDisplay.isEmpty())
        return false;
    QByteArray path = waylandDisplay;
    if (!path.startsWith('/')) {
        if (runtimeDir.isEmpty())
            return false;
        path = QByteArray(runtimeDir).append('/').append(waylandDisplay);
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<size_t>(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool accepted = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    close(fd);
    return accepted;
}

} // namespace

QByteArray ChoosePlatform(const DisplayEnvironment &environment)
{
    if (!environment.qtQpaPlatform.isEmpty())
        return {};
    if (environment.x11Reachable)
        return {};
    if (environment.waylandReachable)
        return QByteArrayLiteral("wayland;xcb;offscreen");
    return QByteArrayLiteral("offscreen");
}

DisplayEnvironment ProbeDisplayEnvironment()
{
    DisplayEnvironment environment;
    environment.qtQpaPlatform = qgetenv("QT_QPA_PLATFORM");
    if (!environment.qtQpaPlatform.isEmpty())
        return environment; // the user's choice stands; no need to knock on servers
    environment.x11Reachable = X11ServerAnswers(qgetenv("DISPLAY"));
    environment.waylandReachable =
        WaylandSocketAccepts(qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_RUNTIME_DIR"));
    return environment;
}

void SelectPlatformForDisplay()
{
    const QByteArray platform = ChoosePlatform(ProbeDisplayEnvironment());
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace tessel::app
