#include "common/program_folders.h"

#include "common/paths.h"
#include "platform/file_name_codec.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace tessel {
namespace {

QString programFolder;
QString dataFolder;

QString ExecutableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    char buffer[4096];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || length == ssize_t(sizeof buffer))
        return {};
    const QString executable = platform::DecodeFileName(buffer, length);
    return executable.left(executable.lastIndexOf(QLatin1Char('/')));
}

} // namespace

void InitProgramFolder()
{
    SetProgramFolder(ExecutableFolder());
}

void SetProgramFolder(const QString &folder)
{
    programFolder = AddBackslash(folder);
}

QString ProgramFolder()
{
    return programFolder;
}

QString AppDataFolder()
{
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return StripBackslash(configured);
    const QString home = QDir::homePath();
    if (home.isEmpty())
        return {};
    return JoinPath(home, QStringLiteral(".config"));
}

QString SpecialFolder(int csidl)
{
    switch (csidl) {
    case kCsidlAppData:
        return AppDataFolder();
    case kCsidlPersonal:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    default:
        return {};
    }
}

void SetDataFolder(const QString &folder)
{
    dataFolder = folder;
}

QString DataFolder()
{
    return dataFolder;
}

bool IsDeveloperMachine()
{
    if (dataFolder.isEmpty())
        return false;
    struct stat info = {};
    const QString marker = JoinPath(dataFolder, QStringLiteral("developer-machine"));
    return ::stat(platform::EncodeFileName(marker).constData(), &info) == 0 && !S_ISDIR(info.st_mode);
}

} // namespace tessel
