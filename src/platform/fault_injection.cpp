#include "platform/fault_injection.h"

namespace tessel::platform {
namespace {

FileFaults &Installed()
{
    static FileFaults faults;
    return faults;
}

} // namespace

void SetFileFaultsForTesting(FileFaults faults)
{
    Installed() = std::move(faults);
}

int InjectedCopyFault(const QString &destination, quint64 written)
{
    const auto &hook = Installed().beforeCopyChunk;
    return hook ? hook(destination, written) : 0;
}

std::optional<qint64> InjectedFreeBytes(const QString &path)
{
    const auto &hook = Installed().freeBytes;
    return hook ? hook(path) : std::nullopt;
}

int InjectedListFault(const QString &folder)
{
    const auto &hook = Installed().listFolder;
    return hook ? hook(folder) : 0;
}

} // namespace tessel::platform
