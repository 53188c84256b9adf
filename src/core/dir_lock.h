// One writer per working directory: a lock on a file in the folder, held while a program
// uses the folder. The lock goes with the holder's process, also when it is killed.
#pragma once

#include "result.h"

#include <filesystem>
#include <string>

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
    void release();

private:
    friend Result<DirLock> acquireDirLock(const std::filesystem::path&, const std::string&);
    explicit DirLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// Takes the folder's lock without waiting, recording `holder` (who is writing, for example
// "zamanseri-tool schedule") for a refused writer to name. A folder held by anyone else,
// this process included, is refused with a message naming the holder. A read-only folder
// gives a lock that holds nothing: no one can write there.
Result<DirLock> acquireDirLock(const std::filesystem::path& dir, const std::string& holder);

} // namespace zs
