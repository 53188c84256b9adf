// "Yedek Al": every table from memory into its backup file. The files are written as one
// batch through the safe write, and each is read back and compared before the backup
// counts as complete.
#pragma once

#include "core/database.h"
#include "core/result.h"

#include <filesystem>

namespace zs::maintenance {

Status backupTables(const Database& db, const std::filesystem::path& folder);

} // namespace zs::maintenance
