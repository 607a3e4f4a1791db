#include "platform/file_status.h"

#include "platform/fault_injection.h"
#include "platform/file_name_codec.h"

#include <cerrno>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace tessel::platform {

EntryKind KindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return EntryKind::File;
    if (S_ISDIR(mode))
        return EntryKind::Folder;
    if (S_ISLNK(mode))
        return EntryKind::Link;
    return EntryKind::Other;
}

std::optional<FileStatus> StatNoFollow(const QString &path, int *error)
{
    struct stat info;
    if (::lstat(EncodeFileName(path).constData(), &info) != 0) {
        if (error)
            *error = errno;
        return std::nullopt;
    }
    return FileStatus{KindOfMode(info.st_mode), quint64(info.st_size), info.st_mtim, info.st_mode};
}

bool IsRealFolder(const QString &path)
{
    const auto status = StatNoFollow(path);
    return status && status->kind == EntryKind::Folder;
}

bool EntryExists(const QString &path)
{
    return StatNoFollow(path).has_value();
}

bool IsFileOrLink(const QString &path)
{
    const auto status = StatNoFollow(path);
    return status && (status->kind == EntryKind::File || status->kind == EntryKind::Link);
}

qint32 PackedLocalDateTime(const timespec &time)
{
    struct tm local;
    const time_t seconds = time.tv_sec;
    if (!::localtime_r(&seconds, &local))
        return -1;
    const int year = local.tm_year + 1900;
    if (year < 1980 || year > 2107)
        return -1;
    const quint32 date = quint32(year - 1980) << 9 | quint32(local.tm_mon + 1) << 5 | quint32(local.tm_mday);
    const quint32 clock =
        quint32(local.tm_hour) << 11 | quint32(local.tm_min) << 5 | quint32(local.tm_sec / 2);
    return qint32(date << 16 | clock);
}

qint64 LocalSecondsSinceEpoch(const timespec &time)
{
    struct tm local;
    const time_t seconds = time.tv_sec;
    if (!::localtime_r(&seconds, &local))
        return 0;
    return qint64(seconds) + local.tm_gmtoff;
}

qint64 FreeBytes(const QString &path)
{
    if (const auto injected = InjectedFreeBytes(path))
        return *injected;
    struct statvfs info;
    if (::statvfs(EncodeFileName(path).constData(), &info) != 0)
        return -1;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}

} // namespace tessel::platform
