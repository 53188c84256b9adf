// "Yedekten Geri Al": the backup files replace their data files, all of them or none, and
// the settings files OPTION.YDK and ADD.YDK replace OPTION.PRG and ADD.PRG when the set
// holds them (an older set of thirteen files leaves the current settings). Every backup
// file must hold whole records, and the data the working directory would then hold must
// load without a skipped record (and, from a set lacking some files, without a broken
// reference); otherwise nothing changes. The files replaced are first kept as the
// previous set.
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
    std::vector<DataFile> restored;            // in backup order
    std::vector<std::string> restoredSettings; // "OPTION.PRG", "ADD.PRG" when restored
    std::vector<std::string> recovered;        // what the source's own unfinished write needed
    std::vector<std::string> reasons;          // why it was refused, UTF-8
    std::filesystem::path previousSet;         // where the replaced files were kept
};

// The caller holds the lock of `to`. A source other than `to` is locked for the whole
// restore and its own unfinished write finished (or undone) before it is read. An
// input/output error is an error and, like a refusal, leaves every data file whole.
Result<RestoreOutcome> restoreBackup(const std::filesystem::path& from, const DataDir& to,
                                     const std::string& holder);

// What the user reads of a refusal (UTF-8).
std::string refusalNotice(const RestoreOutcome& outcome);

} // namespace zs::maintenance
