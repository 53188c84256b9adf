#include "file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace zs {

namespace fs = std::filesystem;

namespace {

Error ioError(const fs::path& path, const std::string& what) {
    return Error{what, path.string()};
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Writes all bytes to a new temporary file beside `path` and flushes it to the disk.
Result<fs::path> writeTemporary(const fs::path& path, const Bytes& bytes) {
    fs::path tmp = path;
    tmp += ".tmp~";
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return ioError(path, std::strerror(errno));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int err = errno;
            ::close(fd);
            ::unlink(tmp.c_str());
            return ioError(path, std::strerror(err ? err : EIO));
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return ioError(path, std::strerror(err));
    }
    return tmp;
}

} // namespace

Result<std::optional<Bytes>> readFileIfExists(const fs::path& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return std::optional<Bytes>{};
    if (ec) return ioError(path, ec.message());
    if (fs::is_directory(status)) return ioError(path, "Is a directory");
    std::ifstream in(path, std::ios::binary);
    if (!in) return ioError(path, std::strerror(errno));
    Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return ioError(path, "read error");
    return std::optional<Bytes>{std::move(data)};
}

Status createEmptyIfMissing(const fs::path& path) {
    std::error_code ec;
    if (fs::exists(path, ec)) return success();
    if (ec) return ioError(path, ec.message());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return ioError(path, std::strerror(errno));
    ::close(fd);
    return success();
}

fs::path resolveName(const fs::path& dir, std::string_view name) {
    fs::path direct = dir / fs::path(std::string(name));
    std::error_code ec;
    if (fs::exists(direct, ec)) return direct;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (equalsIgnoringAsciiCase(entry.path().filename().string(), name)) return entry.path();
    }
    return direct;
}

void WriteBatch::add(fs::path path, Bytes bytes) {
    files_.emplace_back(std::move(path), std::move(bytes));
}

Status WriteBatch::commit() {
    std::vector<fs::path> temps;
    for (const auto& [path, bytes] : files_) {
        auto tmp = writeTemporary(path, bytes);
        if (!tmp) {
            for (const auto& t : temps) ::unlink(t.c_str());
            return tmp.error();
        }
        temps.push_back(tmp.value());
    }
    for (std::size_t i = 0; i < files_.size(); ++i) {
        if (std::rename(temps[i].c_str(), files_[i].first.c_str()) != 0) {
            const int err = errno;
            for (std::size_t k = i; k < temps.size(); ++k) ::unlink(temps[k].c_str());
            return ioError(files_[i].first, std::strerror(err));
        }
    }
    // Make the renames themselves durable.
    if (!files_.empty()) {
        const fs::path dir = files_.front().first.parent_path();
        const int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dfd >= 0) {
            ::fsync(dfd);
            ::close(dfd);
        }
    }
    files_.clear();
    return success();
}

Status writeFileSafely(const fs::path& path, const Bytes& bytes) {
    WriteBatch batch;
    batch.add(path, bytes);
    return batch.commit();
}

std::string ioErrorMessage(const Error& e) {
    // Turkish, as every text the user reads.
    std::string text = "Dosya okunurken veya yazılırken hata oluştu.";
    if (!e.path.empty()) text += "\n" + e.path;
    if (!e.message.empty()) text += "\n(" + e.message + ")";
    return text;
}

} // namespace zs
