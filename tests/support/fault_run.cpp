#include "support/fault_run.h"

#include "core/sys_calls.h"

#include <cstdlib>
#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

namespace zs::test {

void preferMemoryFolders() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec)) ::setenv("TMPDIR", "/dev/shm", 1);
}

FaultRun runWithFault(const std::function<Status()>& step, long at, bool kill) {
    if (!kill) {
        sys::setFaultPlan({at, false});
        const Status s = step();
        sys::setFaultPlan({});
        return {false, s.ok(), s.ok() ? std::string() : s.error().message};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        sys::setFaultPlan({at, true});
        ::_exit(step().ok() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return {code == 137, code == 0, {}};
}

long callsOf(const std::function<Status()>& step) {
    sys::setFaultPlan({});
    (void)step();
    return sys::callCount();
}

} // namespace zs::test
