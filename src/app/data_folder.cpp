#include "app/data_folder.h"

#include "common/paths.h"

#include <QDir>

namespace tessel::app {

DataFileNames ChooseDataFolder(const QString &programFolder, const QString &appDataFolder)
{
    DataFileNames names{JoinPath(programFolder, QStringLiteral("backupdata.ini")),
                        JoinPath(programFolder, QStringLiteral("BACKUPLOG.TXT"))};
    if (appDataFolder.isEmpty())
        return names;

    const QString vendorFolder = JoinPath(appDataFolder, QStringLiteral("QuorlanSoftware"));
    if (!FolderExists(vendorFolder))
        QDir().mkdir(vendorFolder);

    const QString dataFolder = JoinPath(vendorFolder, QStringLiteral("TesselBackup"));
    if (FolderExists(dataFolder) || QDir().mkdir(dataFolder)) {
        names.datafilename = JoinPath(dataFolder, QStringLiteral("backupdata.ini"));
        names.logfilename = JoinPath(dataFolder, QStringLiteral("BACKUPLOG.TXT"));
    }
    return names;
}

} // namespace tessel::app
