#pragma once

#include <QByteArray>
#include <QString>

// Facts about this process and machine that the diagnostic log can add to its lines.
namespace tessel {

// The login name of the effective user, trimmed; the environment's USER when the user database has
// no entry.
QString CurrentUserName();

// The file name of this process's executable.
QString CurrentProcessName();

qint64 CurrentProcessId();
qint64 CurrentThreadId();

// The memory figures, in bytes except the load.
struct MemoryStatus
{
    int memoryLoadPercent = 0; // share of physical memory in use
    quint64 totalPhysical = 0; // installed memory
    quint64 availablePhysical = 0;
    quint64 totalPageFile = 0; // memory plus swap: everything that can hold committed pages
    quint64 availablePageFile = 0;
    quint64 totalVirtual = 0; // the address space a process of this kind may use
    quint64 availableVirtual = 0;
};

// Reads the figures from /proc/meminfo, /proc/self/status and the address-space limit. Figures that
// cannot be read stay 0.
MemoryStatus ReadMemoryStatus();

// The figures from the text of /proc/meminfo and /proc/self/status, and the process's address-space
// size; ReadMemoryStatus passes the real ones.
MemoryStatus MemoryStatusFrom(const QByteArray &meminfo, const QByteArray &selfStatus, quint64 addressSpace);

} // namespace tessel
