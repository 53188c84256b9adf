// One writer per working directory: a lock on a file in the folder, held while a program
// uses the folder. The lock goes with the holder's process, also when it is killed.
#pragma once

#include "result.h"

#include <filesystem>
#include <string>
#include <utility>

namespace zs {

inline constexpr const char* kLockFile = "KILIT.ZS";

class DirLock {
public:
    DirLock() = default;
    ~DirLock();
    DirLock(DirLock&& other) noexcept;
    DirLock& operator=(DirLock&& other) noexcept;
    DirLock(const DirLock&) = delete;
    DirLock& operator=(const DirLock&) = delete;

    bool held() const { return fd_ >= 0; }
    // Why nothing may be written in the folder (UTF-8); empty for a writable one.
    const std::string& readOnlyReason() const { return readOnly_; }
    void release();

private:
    friend Result<DirLock> acquireDirLock(const std::filesystem::path&, const std::string&);
    DirLock(int fd, std::string readOnly) : fd_(fd), readOnly_(std::move(readOnly)) {}
    int fd_ = -1;
    std::string readOnly_;
};

// Takes the folder's lock without waiting, recording `holder` (who is writing, for example
// "zamanseri-tool schedule") for a refused writer to name. A folder held by anyone else,
// this process included, is refused with a message naming the holder. A folder that cannot
// be written (write-protected, or so full that the lock file cannot be) gives a lock that
// names why: it can be read, never written.
Result<DirLock> acquireDirLock(const std::filesystem::path& dir, const std::string& holder);

} // namespace zs
