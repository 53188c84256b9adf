#include "sys_calls.h"

#include <atomic>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace zs::sys {

namespace {

std::atomic<long> g_calls{0};
FaultPlan g_plan;

// Counts the call; true when it is the one to fail.
bool faults() {
    const long n = ++g_calls;
    if (g_plan.at == 0 || n != g_plan.at) return false;
    if (g_plan.kill) ::_exit(137);
    errno = EIO;
    return true;
}

} // namespace

void setFaultPlan(FaultPlan plan) {
    g_plan = plan;
    g_calls = 0;
}

long callCount() {
    return g_calls;
}

int open(const char* path, int flags, mode_t mode) {
    return faults() ? -1 : ::open(path, flags, mode);
}

ssize_t write(int fd, const void* data, std::size_t size) {
    return faults() ? -1 : ::write(fd, data, size);
}

int fsync(int fd) {
    return faults() ? -1 : ::fsync(fd);
}

int link(const char* from, const char* to) {
    return faults() ? -1 : ::link(from, to);
}

int rename(const char* from, const char* to) {
    return faults() ? -1 : std::rename(from, to);
}

int unlink(const char* path) {
    return faults() ? -1 : ::unlink(path);
}

} // namespace zs::sys
