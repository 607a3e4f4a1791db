#include "engine/external_program_items.h"

#include "common/clock.h"
#include "common/messages.h"
#include "common/paths.h"
#include "common/shell.h"
#include "common/text_format.h"
#include "config/erunt_location.h"
#include "config/group_table.h"
#include "log/backup_log.h"

#include <QFileInfo>

namespace tessel::engine {
namespace {

// The archiver the tool drives; the tool takes the name as given.
constexpr char kRarExecutable[] = "C:\\program files\\winrar\\rar.exe";

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString Quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The folder part of a path, with its trailing separator, as the program's working folder.
QString FolderPart(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

QString RegistryBackupFolder(const QString &destination, const QDateTime &moment)
{
    return StripBackslash(destination) + QStringLiteral(" -QV- ") + DateTimeStamp(moment);
}

bool backupregistry(const QString &destination, const QString &registrysource, QString &eruntlocation)
{
    if (destination.trimmed().isEmpty())
        return true;
    const QString backupfolder = RegistryBackupFolder(destination, CurrentDateTime());

    eruntlocation = registrysource.mid(RegistryMarker().size()).trimmed();
    if (!FileExists(eruntlocation))
        eruntlocation = finderunt();
    if (!FileExists(eruntlocation)) {
        ShowInformation(QStringLiteral(
            "To backup the registry you need to obtain the freeware software ERUNT, and, if necessary, "
            "specify the location of the file ERUNT.EXE by editing the Registry backup entry."));
        return false;
    }

    const QString error = RunAndWait(eruntlocation, Quoted(backupfolder) + QLatin1Char(' '), true);
    if (!error.isEmpty())
        ShowInformation(QStringLiteral("Error: ") + error);
    return true;
}

void startprogramitem(const titemrecord &item, const BackupLog &log)
{
    if (!FileExists(item.source)) {
        log.logCouldNotExecute(item.source, true);
        return;
    }
    const QString error = ShellOpen(item.source, item.dest, FolderPart(item.source));
    if (error.isEmpty())
        log.logExecuted(item.title);
    else
        log.logCouldNotExecute(item.source, false);
}

QString GravelpackProgram()
{
    return QStringLiteral("gravelpack");
}

QString ArchiveFileName(const titemrecord &item, const QDate &date)
{
    // A source written with a trailing separator still names its folder: "Docs/" packs into "... Docs.rar",
    // not into a nameless " .rar" that every such folder would share.
    const QString folder = StripBackslash(item.source);
    const QString foldername = folder.mid(folder.lastIndexOf(QLatin1Char('/')) + 1);
    return JoinPath(item.dest, date.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char(' ') + foldername +
                                   QStringLiteral(".rar"));
}

QString GravelpackParameters(const titemrecord &item, const QDate &date)
{
    return QStringLiteral("-rarexe ") + Quoted(QLatin1String(kRarExecutable)) +
           QStringLiteral(" -origarchive \"") + ArchiveFileName(item, date) + QStringLiteral("\" ") +
           QStringLiteral("-path \"") + item.source + QStringLiteral("\" ") +
           QStringLiteral("-recursive -maxcompress -recoveryrecord -readshared -createbase -run");
}

void backuptoarchiveitemClick(const titemrecord &item)
{
    if (!FolderExists(item.source)) {
        ShowInformation(QStringLiteral("Source must be a directory for backing up to archive"));
        return;
    }
    const QString error =
        ShellOpen(GravelpackProgram(), GravelpackParameters(item, CurrentDateTime().date()));
    if (!error.isEmpty())
        ShowInformation(error);
}

} // namespace tessel::engine
