#pragma once

#include <QString>
#include <QtGlobal>

#include <ctime>
#include <optional>
#include <sys/types.h>

// What the engine needs to know about one directory entry, read without following symbolic links.
namespace tessel::platform {

enum class EntryKind {
    File,   // a regular file
    Folder, // a real directory, never a link to one
    Link,   // a symbolic link, whatever it points to
    Other,  // FIFO, socket, device: never opened
};

struct FileStatus
{
    EntryKind kind = EntryKind::Other;
    quint64 size = 0;
    timespec mtime{};
    mode_t mode = 0;
};

// lstat of path; nullopt with *error set to errno when it cannot be read.
std::optional<FileStatus> StatNoFollow(const QString &path, int *error = nullptr);

bool IsRealFolder(const QString &path); // a directory, not a link to one
bool EntryExists(const QString &path);  // anything at all, dangling links included
bool IsFileOrLink(const QString &path); // what the file scan would list: not a folder, not a FIFO or device

// The last-write time as the packed local date-time of FAT and DOS (two-second resolution), compared as a
// signed 32-bit number: years 1980 to 2107; any other time gives -1.
qint32 PackedLocalDateTime(const timespec &time);

// The local date-time of a modification time, seconds resolution.
qint64 LocalSecondsSinceEpoch(const timespec &time);

// Bytes an unprivileged writer may still use on the file system holding path, or -1 when unknown.
qint64 FreeBytes(const QString &path);

} // namespace tessel::platform
