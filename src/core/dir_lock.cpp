#include "dir_lock.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zs {

DirLock::~DirLock() {
    release();
}

DirLock::DirLock(DirLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), readOnly_(std::move(other.readOnly_)) {}

DirLock& DirLock::operator=(DirLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        readOnly_ = std::move(other.readOnly_);
    }
    return *this;
}

void DirLock::release() {
    // The holder is named only while it holds; closing the file gives up the lock.
    if (fd_ >= 0) {
        (void)!::ftruncate(fd_, 0); // fails harmlessly on a read-only folder
        ::close(fd_);
    }
    fd_ = -1;
    readOnly_.clear();
}

namespace {

std::string readOnlyText(int err) {
    if (err == ENOSPC || err == EDQUOT) return "Diskte yer kalmadığı için bu dizine yazılamıyor.";
    return "Bu dizin yazmaya karşı korumalı; yazılamıyor.";
}

bool readOnlyError(int err) {
    return err == EROFS || err == EACCES || err == EPERM || err == ENOSPC || err == EDQUOT;
}

} // namespace

Result<DirLock> acquireDirLock(const std::filesystem::path& dir, const std::string& holder) {
    const auto path = (dir.empty() ? std::filesystem::path(".") : dir) / kLockFile;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    // A folder no one can write needs no writer's lock; one left there is still honoured.
    std::string readOnly = fd < 0 && readOnlyError(errno) ? readOnlyText(errno) : "";
    if (!readOnly.empty()) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (!readOnly.empty() && fd < 0 && errno == ENOENT) return DirLock(-1, readOnly);
    if (fd < 0) return Error{std::strerror(errno), path.string()};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        char text[256] = {};
        const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
        ::close(fd);
        if (err != EWOULDBLOCK) return Error{std::strerror(err), path.string()};
        const std::string who = n > 0 ? std::string(text, static_cast<std::size_t>(n)) : "?";
        return Error{"Bu dizini başka bir program kullanıyor: " + who, dir.string()};
    }
    if (!readOnly.empty()) return DirLock(fd, readOnly);
    const std::string text = holder + " (süreç " + std::to_string(::getpid()) + ")";
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, text.data(), text.size(), 0) < 0) {
        const int err = errno;
        // Held, but unnamed: the folder is still ours to read.
        if (readOnlyError(err)) return DirLock(fd, readOnlyText(err));
        ::close(fd);
        return Error{std::strerror(err), path.string()};
    }
    return DirLock(fd, {});
}

} // namespace zs
