#include "file_io.h"
#include "intent_record.h"
#include "sys_calls.h"

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
    const int fd = sys::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return ioError(path, errno);
    std::size_t done = 0;
    int err = 0;
    while (done < bytes.size() && err == 0) {
        const ssize_t n = sys::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            err = n < 0 ? errno : EIO;
        else
            done += static_cast<std::size_t>(n);
    }
    if (err == 0 && sys::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0) return success();
    sys::unlink(path.c_str());
    return ioError(path, err);
}

// Keeps the old file under a second name, for an undo: a hard link where the file system
// has them, otherwise a copy.
Status keepOld(const fs::path& target, const fs::path& old) {
    if (sys::link(target.c_str(), old.c_str()) == 0) return success();
    if (errno != EPERM && errno != ENOTSUP && errno != EXDEV && errno != EMLINK && errno != ENOSYS)
        return ioError(old, errno);
    auto bytes = readFileIfExists(target);
    if (!bytes) return bytes.error();
    return writeNewFile(old, bytes.value() ? *bytes.value() : Bytes{});
}

fs::path recordTemp(const fs::path& dir, const std::string& tag) {
    return dir / (std::string(kIntentFile) + "." + tag + kNewSuffix);
}

// Puts the record in place only where none is: a second write never takes over a pending
// one. A record that cannot be made durable is taken away again before the failure is told.
Status placeIntent(const fs::path& dir, const Intent& intent, const std::string& tag) {
    const fs::path record = dir / kIntentFile;
    const fs::path temp = recordTemp(dir, tag);
    if (auto s = writeNewFile(temp, encodeIntent(intent)); !s) return s;
    int rc = sys::link(temp.c_str(), record.c_str());
    int err = errno;
    if (rc != 0 && (err == EPERM || err == ENOTSUP || err == ENOSYS)) {
        std::error_code ec;
        if (fs::exists(record, ec)) {
            err = EEXIST;
        } else {
            rc = sys::rename(temp.c_str(), record.c_str());
            err = errno;
        }
    }
    sys::unlink(temp.c_str());
    if (rc != 0)
        return Error{err == EEXIST ? "Bu dizinde yarım kalmış bir yazım var; program yeniden "
                                     "başlatıldığında tamamlanır"
                                   : std::strerror(err),
                     record.string()};
    if (auto s = syncFolder(dir); !s) {
        sys::unlink(record.c_str());
        (void)syncFolder(dir);
        return s;
    }
    return success();
}

// Records the undo in place of the forward record.
bool recordUndo(const fs::path& dir, Intent intent) {
    intent.undo = true;
    const fs::path temp = recordTemp(dir, uniqueTag());
    if (!writeNewFile(temp, encodeIntent(intent))) return false;
    if (sys::rename(temp.c_str(), (dir / kIntentFile).c_str()) != 0) {
        sys::unlink(temp.c_str());
        return false;
    }
    return syncFolder(dir).ok();
}

// Without a temporary the record cannot be finished, so its recovery undoes it too.
bool removeTemporaries(const fs::path& dir, const Intent& intent, std::size_t from) {
    for (std::size_t i = from; i < intent.entries.size(); ++i)
        if (sys::unlink((dir / intent.entries[i].temp).c_str()) != 0 && errno != ENOENT)
            return false;
    return syncFolder(dir).ok();
}

// A failure after the record is in place, `renamed` files in: back to every old file. The
// undo is made durable first, so that a death during it still ends with the old files.
// Where nothing on the disk can be changed any more, the write is finished instead if it
// can be; otherwise the error tells that the next load will finish it.
Status rollBack(const fs::path& dir, const Intent& intent, std::size_t renamed, Error cause) {
    if (recordUndo(dir, intent) || removeTemporaries(dir, intent, renamed)) {
        Intent back = intent;
        back.undo = true;
        if (!applyIntent(dir, back))
            cause.message += " (Eski dosyalar program yeniden başlatıldığında geri konur.)";
        return cause;
    }
    auto forward = applyIntent(dir, intent);
    if (forward && !forward.value()) return success();
    cause.message += " Yazım yarıda kaldı; program yeniden başlatıldığında tamamlanacak.";
    return cause;
}

struct ReadOnlyFolder {
    fs::path folder;
    std::string reason;
};

ReadOnlyFolder& readOnlyFolder() {
    static ReadOnlyFolder f;
    return f;
}

} // namespace

void setReadOnlyFolder(const fs::path& folder, std::string reason) {
    readOnlyFolder() = {folder, std::move(reason)};
}

Status checkWritable(const fs::path& folder) {
    const auto& closed = readOnlyFolder();
    std::error_code ec;
    if (!closed.folder.empty() && fs::equivalent(closed.folder, folder, ec))
        return Error{closed.reason, folder.string()};
    return success();
}

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
    if (auto s = checkWritable(folder); !s) return s;
    const std::string tag = uniqueTag();

    Intent intent;
    auto cleanup = [&] {
        for (const auto& e : intent.entries) {
            sys::unlink((folder / e.temp).c_str());
            if (!e.old.empty()) sys::unlink((folder / e.old).c_str());
        }
    };
    for (const auto& [path, bytes] : files_) {
        const std::string name = path.filename().string();
        IntentEntry e{name, name + "." + tag + kNewSuffix, {}, contentSum(bytes)};
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
                return s;
            }
    }
    // The temporaries and the kept old files are in the folder for good before the record
    // names them: a record must never outlive what it points to.
    if (auto s = syncFolder(folder); !s) {
        cleanup();
        return s;
    }
    if (auto s = placeIntent(folder, intent, tag); !s) {
        cleanup();
        return s;
    }

    for (std::size_t i = 0; i < intent.entries.size(); ++i) {
        const auto& e = intent.entries[i];
        if (sys::rename((folder / e.temp).c_str(), (folder / e.target).c_str()) != 0) {
            const Error cause = ioError(folder / e.target, errno);
            return rollBack(folder, intent, i, cause);
        }
    }
    if (auto s = syncFolder(folder); !s)
        return rollBack(folder, intent, intent.entries.size(), s.error());
    for (const auto& e : intent.entries)
        if (!e.old.empty()) sys::unlink((folder / e.old).c_str());
    sys::unlink((folder / kIntentFile).c_str());
    files_.clear();
    return success();
}

} // namespace zs
