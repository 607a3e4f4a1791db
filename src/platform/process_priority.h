#pragma once

#include <QString>

// The priority the user picks for runs ("High" or "Low" in the Priority menu). Low keeps a long run from
// slowing the rest of the machine: the idle I/O class and the batch CPU policy. Both are chosen because
// an ordinary user can undo them again; a nice value of 19 or the idle CPU policy could only be undone by
// root, and the next "High" run would stay slow. High is the normal I/O class and CPU policy.
//
// The settings apply to the calling thread, which is the thread that does the file work.
namespace tessel::platform {

enum class ProcessPriority { High, Low };

// Returns an empty text on success, else the system's error text.
QString SetProcessPriority(ProcessPriority priority);

// What the calling thread runs at now: Low only when both the I/O class and the CPU policy are low.
ProcessPriority CurrentProcessPriority();

} // namespace tessel::platform
