// "Yedekten Geri Al": the backup files replace their data files, all of them or none.
// Every backup file must hold whole records, and the data the working directory would
// then hold must load without a skipped record or a broken reference; otherwise nothing
// changes. The files replaced are first kept as the previous set.
#pragma once

#include "core/data_files.h"
#include "core/result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zs::maintenance {

enum class RestoreVerdict { Restored, NothingToRestore, Refused };

struct RestoreOutcome {
    RestoreVerdict verdict = RestoreVerdict::NothingToRestore;
    std::vector<DataFile> restored;    // in backup order
    std::vector<std::string> reasons;  // why it was refused, UTF-8
    std::filesystem::path previousSet; // where the replaced files were kept
};

// An input/output error is an error and, like a refusal, leaves every data file whole.
Result<RestoreOutcome> restoreBackup(const std::filesystem::path& from, const DataDir& to);

// What the user reads of a refusal (UTF-8).
std::string refusalNotice(const RestoreOutcome& outcome);

} // namespace zs::maintenance
