#include "platform/process_priority.h"

#include <cerrno>
#include <cstring>
#include <linux/ioprio.h>
#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tessel::platform {
namespace {

// glibc has no wrappers for the I/O priority calls. "Who" 0 with IOPRIO_WHO_PROCESS is the calling thread.
int SetIoPriority(int ioClass)
{
    return static_cast<int>(syscall(SYS_ioprio_set, IOPRIO_WHO_PROCESS, 0, IOPRIO_PRIO_VALUE(ioClass, 0)));
}

int IoPriorityClass()
{
    const long value = syscall(SYS_ioprio_get, IOPRIO_WHO_PROCESS, 0);
    return value < 0 ? -1 : static_cast<int>(IOPRIO_PRIO_CLASS(value));
}

QString ErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QString SetProcessPriority(ProcessPriority priority)
{
    const bool low = priority == ProcessPriority::Low;
    // Class "none" lets the kernel derive the I/O priority from the CPU settings again: the default.
    if (SetIoPriority(low ? IOPRIO_CLASS_IDLE : IOPRIO_CLASS_NONE) != 0)
        return ErrorText(errno);
    sched_param parameters{};
    parameters.sched_priority = 0;
    if (sched_setscheduler(0, low ? SCHED_BATCH : SCHED_OTHER, &parameters) != 0)
        return ErrorText(errno);
    return QString();
}

ProcessPriority CurrentProcessPriority()
{
    const bool lowCpu = sched_getscheduler(0) == SCHED_BATCH;
    const bool lowIo = IoPriorityClass() == IOPRIO_CLASS_IDLE;
    return lowCpu && lowIo ? ProcessPriority::Low : ProcessPriority::High;
}

} // namespace tessel::platform
