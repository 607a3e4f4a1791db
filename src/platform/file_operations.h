#pragma once

#include <QString>

// Creating and removing files and folders by their exact names; nothing here follows a symbolic link
// at the end of a path.
namespace tessel::platform {

// Creates path with every missing parent. Returns 0 or the errno of the step that failed.
int MakeFolderPath(const QString &path);

bool RemoveFile(const QString &path);        // a file, link, FIFO or device node; never a folder
bool RemoveEmptyFolder(const QString &path); // a real folder that holds nothing

// The "read-only" bit cleared: owner write for a file; owner read, write and search for a folder, so
// that its contents can be removed. Links are left alone (their mode means nothing).
bool MakeOwnerWritable(const QString &path);

// Moves a file (not a folder) into the freedesktop.org trash: the home trash on the home file system,
// ".Trash-UID" at the top of any other. False when the file is missing, is a folder or could not go.
bool MoveToTrash(const QString &path);

} // namespace tessel::platform
