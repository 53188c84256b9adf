#include "staged_output.h"

#include <cerrno>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace zs::exporting {

namespace fs = std::filesystem;

std::string failureReason(const std::error_code& ec) {
    switch (ec.value()) {
    case EACCES:
    case EPERM:
        return "yazma izni yok";
    case EROFS:
        return "disk yazmaya kapalı";
    case ENOENT:
    case ENOTDIR:
        return "klasör bulunamadı";
    case ENOSPC:
    case EDQUOT:
        return "diskte yer kalmadı";
    default:
        return ec.message();
    }
}

Error writeError(const fs::path& path, const std::error_code& ec) {
    return Error{"Yazılamadı (" + failureReason(ec) + ")", path.string()};
}

Status writeWhole(const fs::path& path, const std::string& text) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out)
        return writeError(path, std::error_code(errno ? errno : EIO, std::generic_category()));
    return success();
}

namespace {

fs::path besideName(const fs::path& place, const char* suffix) {
    return place.parent_path() /
           ("." + place.filename().string() + "." + std::to_string(::getpid()) + suffix);
}

bool onlyOwnFiles(const fs::path& folder, std::initializer_list<const char*> extensions) {
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
        if (!e.is_regular_file(ec)) return false;
        const std::string ext = e.path().extension().string();
        bool own = false;
        for (const char* x : extensions) own = own || ext == x;
        if (!own) return false;
    }
    return !ec;
}

} // namespace

StagedOutput::StagedOutput(fs::path place, fs::path work, Kind kind)
    : place_(std::move(place)), work_(std::move(work)), kind_(kind) {}

StagedOutput::StagedOutput(StagedOutput&& other) noexcept
    : place_(std::move(other.place_)), work_(std::move(other.work_)), kind_(other.kind_),
      done_(other.done_) {
    other.done_ = true;
}

StagedOutput::~StagedOutput() {
    if (done_) return;
    std::error_code ec;
    fs::remove_all(work_, ec);
}

Result<StagedOutput> StagedOutput::open(const fs::path& given, Kind kind,
                                        std::initializer_list<const char*> ownExtensions) {
    std::error_code ec;
    fs::path place = fs::absolute(given, ec);
    if (ec || place.filename().empty()) place = place.parent_path();
    const fs::path parent = place.parent_path();
    if (!fs::is_directory(parent, ec)) return Error{"Klasör bulunamadı", parent.string()};
    const bool exists = fs::exists(fs::symlink_status(place, ec));
    if (kind == Kind::File && exists && fs::is_directory(place, ec))
        return Error{"Bu bir klasör, dosya değil", place.string()};
    if (kind == Kind::Folder && exists &&
        (!fs::is_directory(place, ec) || !onlyOwnFiles(place, ownExtensions)))
        return Error{"Klasörde dışa aktarılmış dosyalardan başka şeyler var; boş bir klasör "
                     "seçiniz",
                     place.string()};
    const fs::path work = besideName(place, ".part");
    fs::remove_all(work, ec);
    if (kind == Kind::Folder) {
        if (!fs::create_directory(work, ec)) return writeError(parent, ec);
    } else {
        std::ofstream probe(work, std::ios::binary);
        if (!probe) return writeError(parent, std::error_code(errno, std::generic_category()));
    }
    return StagedOutput(place, work, kind);
}

Status StagedOutput::publish() {
    std::error_code ec;
    if (kind_ == Kind::File) {
        fs::rename(work_, place_, ec);
        if (ec) return writeError(place_, ec);
        done_ = true;
        return success();
    }
    // A folder cannot be renamed over a full one: the earlier export steps aside first.
    const fs::path old = besideName(place_, ".old");
    const bool replacing = fs::exists(place_, ec);
    if (replacing) {
        fs::remove_all(old, ec);
        fs::rename(place_, old, ec);
        if (ec) return writeError(place_, ec);
    }
    fs::rename(work_, place_, ec);
    if (ec) {
        std::error_code back;
        if (replacing) fs::rename(old, place_, back);
        return writeError(place_, ec);
    }
    done_ = true;
    if (replacing) fs::remove_all(old, ec);
    return success();
}

} // namespace zs::exporting
