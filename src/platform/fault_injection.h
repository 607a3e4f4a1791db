#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

// Failures a temporary folder cannot produce on demand (a full disk, a copy failing half-way, a folder
// that even root cannot list) are injected here by tests. Production code never installs anything; every
// hook is a cheap empty check then.
namespace tessel::platform {

struct FileFaults
{
    // Called before each chunk of a copy is written to destination (the final path, not the temporary
    // one), with the bytes written so far; a non-zero errno fails the copy with that error.
    std::function<int(const QString &destination, quint64 written)> beforeCopyChunk;
    // Free bytes to report for a path instead of asking the file system.
    std::function<std::optional<qint64>(const QString &path)> freeBytes;
    // A non-zero errno makes listing that folder fail with that error.
    std::function<int(const QString &folder)> listFolder;
};

// Installs the faults for all later calls; an empty FileFaults removes them.
void SetFileFaultsForTesting(FileFaults faults);

int InjectedCopyFault(const QString &destination, quint64 written);
std::optional<qint64> InjectedFreeBytes(const QString &path);
int InjectedListFault(const QString &folder);

} // namespace tessel::platform
