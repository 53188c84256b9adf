#include "file_io.h"

#include "sys_calls.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
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

// Reads at most `limit` bytes; one more tells a file that grew past its bound.
Result<Bytes> readBounded(int fd, const fs::path& path, std::uintmax_t limit) {
    Bytes data;
    u8 buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ioError(path, std::strerror(errno));
        if (n == 0) return data;
        data.insert(data.end(), buffer, buffer + n);
        if (data.size() > limit) return ioError(path, "Dosya bu tür için fazla büyük");
    }
}

} // namespace

Result<std::optional<Bytes>> readFileIfExists(const fs::path& path, std::uintmax_t maxBytes) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return std::optional<Bytes>{};
        return ioError(path, std::strerror(errno));
    }
    if (S_ISLNK(st.st_mode) && ::stat(path.c_str(), &st) != 0)
        return ioError(path,
                       errno == ENOENT ? "Bağlantının gösterdiği dosya yok" : std::strerror(errno));
    if (S_ISDIR(st.st_mode)) return ioError(path, "Bir dizin, veri dosyası değil");
    if (!S_ISREG(st.st_mode)) return ioError(path, "Düzenli bir dosya değil");
    // Not blocking: something else may have taken the name since the test above.
    const int fd = sys::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return ioError(path, std::strerror(errno));
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return ioError(path, "Düzenli bir dosya değil");
    }
    if (static_cast<std::uintmax_t>(opened.st_size) > maxBytes) {
        ::close(fd);
        return ioError(path, "Dosya bu tür için fazla büyük (" + std::to_string(opened.st_size) +
                                 " bayt; en çok " + std::to_string(maxBytes) + ")");
    }
    auto data = readBounded(fd, path, maxBytes);
    ::close(fd);
    if (!data) return data.error();
    return std::optional<Bytes>{std::move(data.value())};
}

Status createEmptyIfMissing(const fs::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode) && ::stat(path.c_str(), &st) != 0)
            return ioError(path, "Bağlantının gösterdiği dosya yok");
        return success();
    }
    if (errno != ENOENT) return ioError(path, std::strerror(errno));
    const int fd = sys::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return ioError(path, std::strerror(errno));
    ::close(fd);
    return success();
}

fs::path resolveName(const fs::path& dir, std::string_view name) {
    fs::path direct = dir / fs::path(std::string(name));
    std::error_code ec;
    if (fs::exists(fs::symlink_status(direct, ec))) return direct;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (equalsIgnoringAsciiCase(entry.path().filename().string(), name)) return entry.path();
    }
    return direct;
}

Status syncFolder(const fs::path& dir) {
    const fs::path at = dir.empty() ? fs::path(".") : dir;
    const int dfd = sys::open(at.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0) return ioError(at, std::strerror(errno));
    const int rc = sys::fsync(dfd);
    const int err = errno;
    ::close(dfd);
    if (rc != 0) return ioError(at, std::strerror(err));
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
