#include "common/choosers.h"

namespace tessel {
namespace {

ChooserPort *installedPort = nullptr;

} // namespace

void InstallChooserPort(ChooserPort *port)
{
    installedPort = port;
}

ChooserPort *InstalledChooserPort()
{
    return installedPort;
}

QString BrowseForFolder(const QString &title, const QString &initialFolder, bool allowNewFolder)
{
    if (!installedPort)
        return {};
    return installedPort->BrowseForFolder(title, initialFolder, allowNewFolder);
}

QString ChooseFileToOpen(const QString &title, const QString &filter, const QString &initialFolder)
{
    if (!installedPort)
        return {};
    return installedPort->ChooseFileToOpen(title, filter, initialFolder);
}

} // namespace tessel
