#pragma once

#include <QString>

// Where the settings file and the backup log live: "QuorlanSoftware/TesselBackup" in the user's
// configuration folder, or beside the program when that folder is not available. Both files always
// share one folder; nothing is moved or copied from the other place.
namespace tessel::app {

struct DataFileNames
{
    QString datafilename;
    QString logfilename;
};

// appDataFolder empty means the system gave none. Creates the folders it needs; failures are silent and
// leave both files in programFolder.
DataFileNames ChooseDataFolder(const QString &programFolder, const QString &appDataFolder);

} // namespace tessel::app
