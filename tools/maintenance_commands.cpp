#include "commands.h"
#include "working_folder.h"

#include "core/file_io.h"
#include "core/folder_hold.h"
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
    auto outcome = backupSchool(db, a->dir, a->place.folder, "zamanseri-tool backup");
    if (!outcome) return fail(outcome.error());
    for (const auto& line : outcome.value().recovered) std::printf("%s\n", line.c_str());
    std::printf("%s\n", backupNotice(outcome.value()).c_str());
    return outcome.value().refusals.empty() ? 0 : 1;
}

int runRestore(const std::vector<std::string>& args) {
    const auto a = parse(args, "--from", "zamanseri-tool restore DİZİN --from KLASÖR");
    if (!a) return 2;
    // One writer per working directory: the lock is held until the restore is done, and
    // a write left unfinished there is settled before anything is read.
    auto held = holdFolder(a->dir.folder(), "zamanseri-tool restore");
    if (!held) {
        std::fprintf(stderr, "%s\n", held.error().message.c_str());
        return 2;
    }
    for (const auto& line : held.value().recovered) std::printf("%s\n", line.c_str());
    if (auto v = checkBeforeRestore(a->place); v != PlaceVerdict::Ready)
        return refuse(placeNotice(v));
    auto outcome = restoreBackup(a->place.folder, a->dir, "zamanseri-tool restore");
    if (!outcome) return fail(outcome.error());
    switch (outcome.value().verdict) {
    case RestoreVerdict::NothingToRestore:
        return refuse("Geri alınacak yedek dosyası bulunamadı.");
    case RestoreVerdict::Refused:
        return refuse(refusalNotice(outcome.value()).c_str());
    case RestoreVerdict::Restored:
        break;
    }
    for (const auto& line : outcome.value().recovered) std::printf("%s\n", line.c_str());
    for (DataFile f : outcome.value().restored) std::printf("%s\n", fileName(f));
    for (const auto& name : outcome.value().restoredSettings) std::printf("%s\n", name.c_str());
    std::printf("Önceki dosyalar: %s\n", outcome.value().previousSet.c_str());
    return 0;
}

} // namespace zs::tool
