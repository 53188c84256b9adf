// The system calls through which the data files are written and read, with a hook for
// tests that makes the Nth of them fail or end the process, so that a fault at any point
// of a save, a backup or a recovery can be tried.
#pragma once

#include <cstddef>

#include <sys/types.h>

namespace zs::sys {

struct FaultPlan {
    long at = 0;       // the call that faults, counted from 1; 0 for none
    bool kill = false; // end the process there instead of failing the call with EIO
};

// Sets the plan and starts counting calls afresh.
void setFaultPlan(FaultPlan plan);
// The calls made since the last plan was set.
long callCount();

int open(const char* path, int flags, mode_t mode = 0);
ssize_t write(int fd, const void* data, std::size_t size);
int fsync(int fd);
int link(const char* from, const char* to);
int rename(const char* from, const char* to);
int unlink(const char* path);

} // namespace zs::sys
