#pragma once

#include "platform/file_status.h"

#include <QString>

#include <vector>

// Reads a folder's entries in the order the file system returns them, without following links.
namespace tessel::platform {

struct DirectoryEntry
{
    QString name;
    FileStatus status; // size, time and mode are filled only when asked for
};

enum class ListDetail {
    KindOnly,   // name and kind: cheap, from the directory itself where the file system tells
    FullStatus, // also size, modification time and mode of every entry
};

// Fills entries (cleared first) with every entry but "." and "..". Returns 0, or the errno that kept the
// folder from being listed (entries then holds what was read before the error). An entry that vanishes
// while the folder is read is left out.
int ListDirectory(const QString &folder, ListDetail detail, std::vector<DirectoryEntry> &entries);

} // namespace tessel::platform
