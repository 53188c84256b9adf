#include "file_io.h"
#include "intent_record.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace zs {

namespace fs = std::filesystem;

namespace {

Error ioError(const fs::path& path, int err) {
    return Error{std::strerror(err ? err : EIO), path.string()};
}

// "<process>-<number>": no two writes, in this process or another, share temporaries.
std::string uniqueTag() {
    static std::atomic<unsigned long> counter{0};
    return std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

// Writes all bytes to a new file and flushes it to the disk; the file is closed and removed
// on every failure.
Status writeNewFile(const fs::path& path, const Bytes& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return ioError(path, errno);
    std::size_t done = 0;
    int err = 0;
    while (done < bytes.size() && err == 0) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            err = n < 0 ? errno : EIO;
        else
            done += static_cast<std::size_t>(n);
    }
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0) return success();
    ::unlink(path.c_str());
    return ioError(path, err);
}

// Keeps the old file under a second name, for an undo: a hard link where the file system
// has them, otherwise a copy.
Status keepOld(const fs::path& target, const fs::path& old) {
    if (::link(target.c_str(), old.c_str()) == 0) return success();
    if (errno != EPERM && errno != ENOTSUP && errno != EXDEV && errno != EMLINK && errno != ENOSYS)
        return ioError(old, errno);
    auto bytes = readFileIfExists(target);
    if (!bytes) return bytes.error();
    return writeNewFile(old, bytes.value() ? *bytes.value() : Bytes{});
}

// Puts the record in place only where none is: a second write never takes over a pending one.
Status placeIntent(const fs::path& dir, const Intent& intent, const std::string& tag) {
    const fs::path record = dir / kIntentFile;
    const fs::path temp = dir / (std::string(kIntentFile) + "." + tag + kNewSuffix);
    if (auto s = writeNewFile(temp, encodeIntent(intent)); !s) return s;
    int rc = ::link(temp.c_str(), record.c_str());
    int err = errno;
    if (rc != 0 && (err == EPERM || err == ENOTSUP || err == ENOSYS)) {
        std::error_code ec;
        if (fs::exists(record, ec)) {
            err = EEXIST;
        } else {
            rc = std::rename(temp.c_str(), record.c_str());
            err = errno;
        }
    }
    ::unlink(temp.c_str());
    if (rc != 0)
        return Error{err == EEXIST ? "Bu dizinde yarım kalmış bir yazım var; program yeniden "
                                     "başlatıldığında tamamlanır"
                                   : std::strerror(err),
                     record.string()};
    return syncFolder(dir);
}

// A failure after the record is in place: switch the record to undo, then undo. Should even
// that fail, the record left behind finishes the write at the next load.
void undo(const fs::path& dir, Intent intent) {
    intent.undo = true;
    const fs::path temp = dir / (std::string(kIntentFile) + "." + uniqueTag() + kNewSuffix);
    if (!writeNewFile(temp, encodeIntent(intent))) return;
    if (std::rename(temp.c_str(), (dir / kIntentFile).c_str()) != 0) {
        ::unlink(temp.c_str());
        return;
    }
    if (!syncFolder(dir)) return;
    (void)applyIntent(dir, intent);
}

} // namespace

int (*renameForTesting)(const char*, const char*) = nullptr;

void WriteBatch::add(fs::path path, Bytes bytes) {
    for (auto& [p, b] : files_)
        if (p == path) {
            b = std::move(bytes);
            return;
        }
    files_.emplace_back(std::move(path), std::move(bytes));
}

Status WriteBatch::commit() {
    if (files_.empty()) return success();
    const fs::path dir = files_.front().first.parent_path();
    for (const auto& [path, bytes] : files_)
        if (path.parent_path() != dir)
            return Error{"Bir yazımdaki dosyalar tek bir dizinde olmalı", path.string()};
    const fs::path folder = dir.empty() ? fs::path(".") : dir;
    const std::string tag = uniqueTag();

    Intent intent;
    auto cleanup = [&] {
        for (const auto& e : intent.entries) {
            ::unlink((folder / e.temp).c_str());
            if (!e.old.empty()) ::unlink((folder / e.old).c_str());
        }
    };
    for (const auto& [path, bytes] : files_) {
        const std::string name = path.filename().string();
        IntentEntry e{name, name + "." + tag + kNewSuffix, {}};
        if (auto s = writeNewFile(folder / e.temp, bytes); !s) {
            cleanup();
            return s;
        }
        std::error_code ec;
        if (fs::exists(fs::symlink_status(path, ec))) e.old = name + "." + tag + kOldSuffix;
        intent.entries.push_back(e);
        if (!e.old.empty())
            if (auto s = keepOld(path, folder / e.old); !s) {
                intent.entries.back().old.clear();
                cleanup();
                ::unlink((folder / e.old).c_str());
                return s;
            }
    }
    if (auto s = placeIntent(folder, intent, tag); !s) {
        cleanup();
        return s;
    }

    auto rename = renameForTesting ? renameForTesting : &std::rename;
    for (const auto& e : intent.entries) {
        if (rename((folder / e.temp).c_str(), (folder / e.target).c_str()) != 0) {
            const int err = errno;
            undo(folder, intent);
            return ioError(folder / e.target, err);
        }
    }
    if (auto s = syncFolder(folder); !s) {
        undo(folder, intent);
        return s;
    }
    for (const auto& e : intent.entries)
        if (!e.old.empty()) ::unlink((folder / e.old).c_str());
    ::unlink((folder / kIntentFile).c_str());
    files_.clear();
    return success();
}

} // namespace zs
