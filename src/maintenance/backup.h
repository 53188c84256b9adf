// "Yedek Al": every table from memory into its backup file, and the settings files
// OPTION.PRG and ADD.PRG as they are in the working directory, written as one write on
// the medium, read back and compared, and checked as a restore would check them.
#pragma once

#include "core/data_files.h"
#include "core/database.h"
#include "core/result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zs::maintenance {

struct BackupOutcome {
    std::vector<std::string> recovered; // what the medium's own unfinished write needed
    std::vector<std::string> refusals;  // why a restore of this set would be refused
};

// The caller holds the lock of the working directory `work`. Any other folder `to` is
// locked for the whole backup (another backup to it is refused, naming its holder) and
// recovered first. A write, read-back or lock failure is an error.
Result<BackupOutcome> backupSchool(const Database& db, const DataDir& work,
                                   const std::filesystem::path& to, const std::string& holder);

// What the user reads when the backup is written (UTF-8): the refusals, if any, before
// the completion notice.
std::string backupNotice(const BackupOutcome& outcome);

} // namespace zs::maintenance
