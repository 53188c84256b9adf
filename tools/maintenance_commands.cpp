#include "commands.h"
#include "working_folder.h"

#include "core/dir_lock.h"
#include "core/file_io.h"
#include "core/startup.h"
#include "maintenance/backup.h"
#include "maintenance/backup_place.h"
#include "maintenance/restore.h"
#include "platform/dos_path.h"

#include <cstdio>
#include <system_error>

namespace zs::tool {

namespace fs = std::filesystem;
using namespace zs::maintenance;

namespace {

struct Arguments {
    DataDir dir{fs::path()};
    BackupPlace place;
};

// DIR OPTION FOLDER, where FOLDER "A:" is the floppy drive and anything else a host folder.
std::optional<Arguments> parse(const std::vector<std::string>& args, const char* option,
                               const char* usage) {
    if (args.size() != 3 || args[1] != option) {
        std::fprintf(stderr, "Kullanım: %s\n", usage);
        return std::nullopt;
    }
    std::error_code ec;
    Arguments out{DataDir(fs::path(args[0])), {}};
    if (args[2] == "A:" || args[2] == "a:") {
        const auto medium = platform::DriveMap::fromEnvironment().floppy();
        out.place = {medium.folder, true, medium.readOnly};
    } else {
        out.place = {fs::path(args[2]), false, false};
        if (!fs::is_directory(out.place.folder, ec)) {
            std::fprintf(stderr, "Dizin bulunamadı: %s\n", args[2].c_str());
            return std::nullopt;
        }
    }
    if (!fs::is_directory(out.dir.folder(), ec)) {
        std::fprintf(stderr, "Dizin bulunamadı: %s\n", args[0].c_str());
        return std::nullopt;
    }
    return out;
}

int refuse(const char* notice) {
    std::fprintf(stderr, "%s\n", notice);
    return 1;
}

int fail(const Error& e) {
    std::fprintf(stderr, "%s\n", ioErrorMessage(e).c_str());
    return 2;
}

} // namespace

int runBackup(const std::vector<std::string>& args) {
    const auto a = parse(args, "--to", "zamanseri-tool backup DİZİN --to KLASÖR");
    if (!a) return 2;
    const auto open = openWorkingFolder(a->dir, "zamanseri-tool backup");
    if (!open) return 2;
    const Database& db = *open->db;
    for (const auto& note : open->report.notes) std::fprintf(stderr, "atlandı: %s\n", note.c_str());
    if (auto v = checkBeforeBackup(a->place); v != PlaceVerdict::Ready)
        return refuse(placeNotice(v));
    if (auto s = backupTables(db, a->place.folder); !s) return fail(s.error());
    std::printf("%s\n", kBackupDoneNotice);
    return 0;
}

int runRestore(const std::vector<std::string>& args) {
    const auto a = parse(args, "--from", "zamanseri-tool restore DİZİN --from KLASÖR");
    if (!a) return 2;
    // One writer per working directory: the lock is held until the restore is done.
    auto lock = acquireDirLock(a->dir.folder(), "zamanseri-tool restore");
    if (!lock) {
        std::fprintf(stderr, "%s\n", lock.error().message.c_str());
        return 2;
    }
    if (auto v = checkBeforeRestore(a->place); v != PlaceVerdict::Ready)
        return refuse(placeNotice(v));
    auto outcome = restoreBackup(a->place.folder, a->dir);
    if (!outcome) return fail(outcome.error());
    switch (outcome.value().verdict) {
    case RestoreVerdict::NothingToRestore:
        return refuse("Geri alınacak yedek dosyası bulunamadı.");
    case RestoreVerdict::Refused:
        return refuse(refusalNotice(outcome.value()).c_str());
    case RestoreVerdict::Restored:
        break;
    }
    for (DataFile f : outcome.value().restored) std::printf("%s\n", fileName(f));
    std::printf("Önceki dosyalar: %s\n", outcome.value().previousSet.c_str());
    return 0;
}

} // namespace zs::tool
