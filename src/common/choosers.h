#pragma once

#include <QString>

// The folder and file choosers. The window side installs real dialogs; tests install their own
// answers. With nothing installed (no display) every chooser answers empty: nothing chosen.
namespace tessel {

class ChooserPort
{
public:
    virtual ~ChooserPort() = default;
    // The chosen folder, or empty when cancelled.
    virtual QString BrowseForFolder(const QString &title, const QString &initialFolder,
                                    bool allowNewFolder) = 0;
    // The chosen existing file, or empty when cancelled. The filter lists description and pattern
    // pairs separated by "|": "INI files|*.INI|All files|*.*".
    virtual QString ChooseFileToOpen(const QString &title, const QString &filter,
                                     const QString &initialFolder) = 0;
};

// Installs the choosers for all later calls; nullptr removes them. The caller keeps ownership and
// must uninstall a port before destroying it.
void InstallChooserPort(ChooserPort *port);
ChooserPort *InstalledChooserPort();

QString BrowseForFolder(const QString &title, const QString &initialFolder, bool allowNewFolder);
QString ChooseFileToOpen(const QString &title, const QString &filter,
                         const QString &initialFolder = QString());

} // namespace tessel
