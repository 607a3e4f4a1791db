#include "platform/file_operations.h"

#include "platform/file_name_codec.h"
#include "platform/file_status.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel::platform {

namespace {

int MakeFolderLevels(const QByteArray &path)
{
    // Most folders have a parent already: try the folder itself first and climb only when needed.
    if (::mkdir(path.constData(), 0777) == 0)
        return 0;
    const int error = errno;
    struct stat info;
    if (error == EEXIST)
        return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    const qsizetype slash = path.lastIndexOf('/');
    if (error != ENOENT || slash <= 0)
        return error;
    if (const int parentError = MakeFolderLevels(path.left(slash)))
        return parentError;
    if (::mkdir(path.constData(), 0777) == 0 || errno == EEXIST)
        return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    return errno;
}

} // namespace

int MakeFolderPath(const QString &path)
{
    QByteArray full = EncodeFileName(path);
    while (full.size() > 1 && full.endsWith('/'))
        full.chop(1);
    if (full.isEmpty())
        return ENOENT;
    return MakeFolderLevels(full);
}

bool RemoveFile(const QString &path)
{
    return ::unlink(EncodeFileName(path).constData()) == 0;
}

bool RemoveEmptyFolder(const QString &path)
{
    return ::rmdir(EncodeFileName(path).constData()) == 0;
}

bool MakeOwnerWritable(const QString &path)
{
    const auto status = StatNoFollow(path);
    if (!status || status->kind == EntryKind::Link)
        return false;
    const mode_t wanted = status->mode | (status->kind == EntryKind::Folder ? S_IRWXU : S_IWUSR);
    return ::chmod(EncodeFileName(path).constData(), wanted & 07777) == 0;
}

bool MoveToTrash(const QString &path)
{
    const auto status = StatNoFollow(path);
    if (!status || status->kind == EntryKind::Folder)
        return false;
    // The trash works with Qt's own name encoding; a name it would change cannot be found by it.
    if (QFile::encodeName(path) != EncodeFileName(path))
        return false;
    // Without the data folder, Qt 6.4 "trashes" into the current folder and reports success.
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataFolder.isEmpty() || MakeFolderPath(dataFolder) != 0)
        return false;
    QString pathInTrash;
    if (!QFile::moveToTrash(path, &pathInTrash))
        return false;
    return QDir::isAbsolutePath(pathInTrash);
}

} // namespace tessel::platform
