// Runs a step with the Nth system call of the file layer failing, or with the process
// dying there (in a child, so the test goes on), and tells what the step reported.
#pragma once

#include "core/result.h"

#include <functional>
#include <string>

namespace zs::test {

struct FaultRun {
    bool died = false;   // the process ended at the fault; nothing was reported
    bool ok = false;     // the step reported success
    std::string message; // the error reported, when not ok
};

// Temporary folders in memory where the system has it: the faults need the steps of a
// write, not the disk.
void preferMemoryFolders();

FaultRun runWithFault(const std::function<Status()>& step, long at, bool kill);

// The system calls a step makes without a fault.
long callsOf(const std::function<Status()>& step);

} // namespace zs::test
