#include "log/system_figures.h"

#include "platform/file_name_codec.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#include <climits>
#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace tessel {
namespace {

QByteArray ReadProcFile(const char *path)
{
    // Files under /proc report a size of 0; QFile reads them to their end all the same.
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The value of "Key:   1234 kB" in a /proc status text, in bytes; 0 when the key is missing.
quint64 KilobyteField(const QByteArray &text, const QByteArray &key)
{
    for (const QByteArray &line : text.split('\n')) {
        if (!line.startsWith(key) || line.size() <= key.size() || line.at(key.size()) != ':')
            continue;
        const QList<QByteArray> parts = line.mid(key.size() + 1).simplified().split(' ');
        bool ok = false;
        const quint64 kilobytes = parts.value(0).toULongLong(&ok);
        return ok ? kilobytes * 1024 : 0;
    }
    return 0;
}

quint64 AddressSpaceSize()
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        return limit.rlim_cur;
    // Without a limit, the user half of the address space: 128 TiB on the 64-bit systems we run on
    // (47-bit user addresses), 3 GiB for a 32-bit process.
    return sizeof(void *) == 8 ? (quint64(1) << 47) : (quint64(3) << 30);
}

} // namespace

QString CurrentUserName()
{
    long bufferSize = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    if (bufferSize <= 0)
        bufferSize = 16384;
    std::vector<char> buffer(static_cast<size_t>(bufferSize));
    struct passwd entry;
    struct passwd *found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return platform::DecodeFileName(QByteArray(found->pw_name)).trimmed();
    return qEnvironmentVariable("USER").trimmed();
}

QString CurrentProcessName()
{
    char target[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", target, sizeof target);
    if (length <= 0)
        return {};
    const QString path = platform::DecodeFileName(target, length);
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

qint64 CurrentProcessId()
{
    return ::getpid();
}

qint64 CurrentThreadId()
{
    return ::gettid();
}

MemoryStatus MemoryStatusFrom(const QByteArray &meminfo, const QByteArray &selfStatus, quint64 addressSpace)
{
    MemoryStatus status;
    status.totalPhysical = KilobyteField(meminfo, "MemTotal");
    status.availablePhysical = KilobyteField(meminfo, "MemAvailable");
    if (status.availablePhysical > status.totalPhysical)
        status.availablePhysical = status.totalPhysical;
    if (status.totalPhysical > 0)
        status.memoryLoadPercent =
            int(((status.totalPhysical - status.availablePhysical) * 100 + status.totalPhysical / 2) /
                status.totalPhysical);
    status.totalPageFile = status.totalPhysical + KilobyteField(meminfo, "SwapTotal");
    status.availablePageFile = status.availablePhysical + KilobyteField(meminfo, "SwapFree");
    status.totalVirtual = addressSpace;
    const quint64 used = KilobyteField(selfStatus, "VmSize");
    status.availableVirtual = used < addressSpace ? addressSpace - used : 0;
    return status;
}

MemoryStatus ReadMemoryStatus()
{
    return MemoryStatusFrom(ReadProcFile("/proc/meminfo"), ReadProcFile("/proc/self/status"),
                            AddressSpaceSize());
}

} // namespace tessel
