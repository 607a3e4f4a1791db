#include "runs_test_support.h"

#include "platform/process_priority.h"

#include <gtest/gtest.h>
#include <linux/ioprio.h>
#include <sched.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessel::test {
namespace {

using platform::CurrentProcessPriority;
using platform::ProcessPriority;

constexpr uid_t kNobody = 65534;

int IoClass()
{
    const long value = syscall(SYS_ioprio_get, IOPRIO_WHO_PROCESS, 0);
    return value < 0 ? -1 : static_cast<int>(IOPRIO_PRIO_CLASS(value));
}

// Runs in a child that is an ordinary user: what a run does to the priority must be undone by the next
// High run without any privilege. Returns 0, or the number of the first check that failed.
int PriorityRoundTripAsOrdinaryUser()
{
    if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0))
        return 1;
    if (geteuid() == 0)
        return 2;

    RunsHarness h;
    TreeBuilder tree;
    tree.file("src/a.txt", "a");
    QTemporaryDir destination;
    const int group =
        h.AddGroup(QStringLiteral("Docs"), {CopyItem("item", tree.path("src/"), destination.path())});

    h.runs.Low1Click();
    if (!h.state.lowpriority)
        return 3;
    ProcessPriority duringRun = ProcessPriority::High;
    h.view.onPump = [&] { duringRun = CurrentProcessPriority(); };
    h.runs.backuponegroup(group, false, false);
    if (duringRun != ProcessPriority::Low)
        return 4;
    // The run end puts the normal priority back, and undoing both settings needs no privilege.
    if (CurrentProcessPriority() != ProcessPriority::High || sched_getscheduler(0) != SCHED_OTHER)
        return 5;
    if (IoClass() == IOPRIO_CLASS_IDLE)
        return 6;

    h.runs.managepriority();
    if (CurrentProcessPriority() != ProcessPriority::Low || IoClass() != IOPRIO_CLASS_IDLE)
        return 7;
    h.runs.High1Click();
    if (h.state.lowpriority)
        return 8;
    h.runs.managepriority();
    if (CurrentProcessPriority() != ProcessPriority::High)
        return 9;
    return 0;
}

TEST(RunPriority, LowDuringARunAndBackToNormalWithoutPrivilege)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(PriorityRoundTripAsOrdinaryUser());
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "failed check number " << WEXITSTATUS(status);
}

} // namespace
} // namespace tessel::test
