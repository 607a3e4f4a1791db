#include "config/erunt_location.h"

#include "common/paths.h"
#include "common/program_folders.h"
#include "platform/file_name_codec.h"

#include <QStringList>

#include <sys/stat.h>

namespace tessel {
namespace {

const QString kEruntFileName = QStringLiteral("ERUNT.EXE");

bool IsFile(const QString &path)
{
    struct stat info
    {
    };
    return ::stat(platform::EncodeFileName(path).constData(), &info) == 0 && !S_ISDIR(info.st_mode);
}

} // namespace

QString EruntInstallFolder()
{
    return QStringLiteral("/opt/ERUNT");
}

QString FindErunt(const QString &programFolder, const QString &installFolder)
{
    QStringList candidates;
    // Without a program folder the names would be taken relative to whatever the current folder is.
    if (!programFolder.isEmpty()) {
        candidates << JoinPath(programFolder, kEruntFileName)
                   << JoinPath(JoinPath(programFolder, QStringLiteral("erunt")), kEruntFileName);
    }
    if (!installFolder.isEmpty())
        candidates << JoinPath(installFolder, kEruntFileName);

    QString result;
    for (const QString &candidate : candidates) {
        if (IsFile(candidate))
            result = candidate;
    }
    return result;
}

QString finderunt()
{
    return FindErunt(ProgramFolder(), EruntInstallFolder());
}

} // namespace tessel
