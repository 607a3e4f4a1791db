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

int MakeFolderPath(const QString &path)
{
    const QByteArray full = EncodeFileName(path);
    if (full.isEmpty())
        return ENOENT;
    struct stat info;
    if (::stat(full.constData(), &info) == 0)
        return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    // Create each missing level from the top down; a level made meanwhile by someone else is fine.
    for (qsizetype end = full.startsWith('/') ? 1 : 0; end <= full.size(); ++end) {
        if (end != full.size() && full[end] != '/')
            continue;
        const QByteArray level = full.left(end);
        if (level.isEmpty() || level.endsWith('/'))
            continue;
        if (::mkdir(level.constData(), 0777) != 0 && errno != EEXIST)
            return errno;
    }
    if (::stat(full.constData(), &info) != 0)
        return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
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
