// Where a backup goes: the working directory on the hard disk, or the floppy drive, whose
// medium may be missing or write-protected.
#pragma once

#include "core/data_files.h"
#include "core/folder_hold.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zs::maintenance {

struct BackupPlace {
    std::filesystem::path folder; // empty when no medium is there
    bool removable = false;
    bool readOnly = false; // the medium is mounted read-only
};

bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

// Before a backup writes or a restore reads: the working directory, whose lock the caller
// holds, is recovered; any other folder is taken (locked and recovered) for as long as
// the answer lives.
Result<std::optional<HeldFolder>> holdUnlessWorking(const std::filesystem::path& folder,
                                                    const DataDir& work, const std::string& holder);

enum class PlaceVerdict { Ready, NoDisk, WriteProtected, LessonBackupMissing };

// Only a removable medium is checked; the hard disk is always ready.
PlaceVerdict checkBeforeBackup(const BackupPlace& place);
PlaceVerdict checkBeforeRestore(const BackupPlace& place);

// The notice of a verdict other than Ready (UTF-8).
const char* placeNotice(PlaceVerdict verdict);
inline constexpr const char* kBackupDoneNotice = "Yedek alma işlemi tamamlandı.";

} // namespace zs::maintenance
