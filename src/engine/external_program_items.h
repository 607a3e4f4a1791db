#pragma once

#include "config/backup_item.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace tessel {
class BackupLog;
}

// The backup work that does not go through the folder engine: the registry backup through the outside
// tool ERUNT, program items, and handing a folder to the archiving tool gravelpack.
namespace tessel::engine {

// The folder ERUNT is asked to write a registry backup into: the destination (without one trailing
// separator), " -QV- " and the moment's stamp. ERUNT makes the folder itself.
QString RegistryBackupFolder(const QString &destination, const QDateTime &moment);

// Runs ERUNT for the registry entry and waits for it to end, the event loop running meanwhile.
// registrysource is the entry's source ("-FIXED-" and the ERUNT path); eruntlocation receives the path
// used, found again when the entry's path is empty or stale. Returns false when no ERUNT.EXE was found:
// the user has been told how to get it. A blank destination does nothing and returns true.
bool backupregistry(const QString &destination, const QString &registrysource, QString &eruntlocation);

// Starts a program item's program (source) with its parameters (dest) in the program's folder, without
// waiting, and logs whether it started.
void startprogramitem(const titemrecord &item, const BackupLog &log);

// The archiving tool, found on the search path.
QString GravelpackProgram();

// The archive a folder item is packed into on the given day: the item's destination, the date as
// eight digits, a blank, the source folder's name and ".rar".
QString ArchiveFileName(const titemrecord &item, const QDate &date);

// The parameters the archiving tool is started with for that archive.
QString GravelpackParameters(const titemrecord &item, const QDate &date);

// The group editor's "Backup to archive": packs the item's source folder into a dated archive in its
// destination, dated by the program's clock. It is not a run: nothing is counted or logged, and it may be
// used while a run goes on. Problems are shown as information messages.
void backuptoarchiveitemClick(const titemrecord &item);

} // namespace tessel::engine
