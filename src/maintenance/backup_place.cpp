#include "backup_place.h"

#include "backup_set.h"
#include "core/file_io.h"
#include "core/intent_record.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace zs::maintenance {

namespace fs = std::filesystem;

namespace {

bool mediumPresent(const BackupPlace& place) {
    std::error_code ec;
    return !place.folder.empty() && fs::is_directory(place.folder, ec);
}

// Creating and removing a file of our own tells a write-protected medium apart without
// touching an earlier backup on it.
PlaceVerdict probeWrite(const fs::path& folder) {
    const fs::path probe = folder / ".zamanseri-yoklama~";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int err = errno;
        if (err == EROFS || err == EACCES || err == EPERM) return PlaceVerdict::WriteProtected;
        if (err == ENOENT || err == ENODEV || err == ENXIO || err == EIO)
            return PlaceVerdict::NoDisk;
        return PlaceVerdict::Ready; // anything else surfaces when the files are written
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return PlaceVerdict::Ready;
}

} // namespace

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

Result<std::optional<HeldFolder>> holdUnlessWorking(const fs::path& folder, const DataDir& work,
                                                    const std::string& holder) {
    if (auto s = recoverInterruptedWrite(work.folder()); !s) return s.error();
    if (sameFolder(folder, work.folder())) return std::optional<HeldFolder>{};
    auto held = holdFolder(folder, holder);
    if (!held) return held.error();
    return std::optional<HeldFolder>{std::move(held.value())};
}

PlaceVerdict checkBeforeBackup(const BackupPlace& place) {
    if (!place.removable) return PlaceVerdict::Ready;
    if (!mediumPresent(place)) return PlaceVerdict::NoDisk;
    if (place.readOnly) return PlaceVerdict::WriteProtected;
    return probeWrite(place.folder);
}

PlaceVerdict checkBeforeRestore(const BackupPlace& place) {
    if (!place.removable) return PlaceVerdict::Ready;
    if (!mediumPresent(place)) return PlaceVerdict::NoDisk;
    std::error_code ec;
    const fs::path lessons = resolveName(place.folder, backupName(DataFile::Lesson));
    if (!fs::is_regular_file(lessons, ec)) return PlaceVerdict::LessonBackupMissing;
    return PlaceVerdict::Ready;
}

const char* placeNotice(PlaceVerdict verdict) {
    switch (verdict) {
    case PlaceVerdict::NoDisk:
        return "Disket sürücünüzce disket yok. Lüften disket sürücünüze disket yerleştirip "
               "tekrar deneyiniz.";
    case PlaceVerdict::WriteProtected:
        return "Disketin üzerine yazılamıyor çünkü yazmaya karşı korumalı. Yazmaya karşı "
               "koruma sekmesini kaldırın veya kaydırın sonra tekrar deneyin.";
    case PlaceVerdict::LessonBackupMissing:
        return "LESSON.YDK dosyası bulunamadı.";
    case PlaceVerdict::Ready:
        break;
    }
    return "";
}

} // namespace zs::maintenance
