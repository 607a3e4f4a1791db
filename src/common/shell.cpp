#include "common/shell.h"

#include "common/system_launcher.h"

namespace tessel {
namespace {

SystemLauncher systemLauncher;
LauncherPort *installedPort = nullptr;

LauncherPort &Port()
{
    return installedPort ? *installedPort : systemLauncher;
}

} // namespace

void InstallLauncherPort(LauncherPort *port)
{
    installedPort = port;
}

LauncherPort *InstalledLauncherPort()
{
    return installedPort;
}

QString ShellOpen(const QString &file, const QString &parameters, const QString &workingFolder, bool elevate)
{
    return Port().ShellOpen({file, parameters, workingFolder, elevate});
}

QString RunAndWait(const QString &program, const QString &parameters, bool elevate,
                   const QString &workingFolder)
{
    return Port().RunAndWait({program, parameters, workingFolder, elevate});
}

} // namespace tessel
