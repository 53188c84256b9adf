// The intent record of a write in progress: which temporary replaces which file, and where
// the old file is kept until the write is over. Written before the first rename, removed
// after the last; one left behind tells the next load how to finish the write.
#pragma once

#include "file_io.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zs {

inline constexpr const char* kIntentFile = "NIYET.ZS";
inline constexpr const char* kNewSuffix = ".yeni";
inline constexpr const char* kOldSuffix = ".eski";

struct IntentEntry {
    std::string target; // file names within the folder
    std::string temp;
    std::string old; // empty when the target did not exist before
};

struct Intent {
    bool undo = false; // the write failed half-way: put the old files back
    std::vector<IntentEntry> entries;
};

Bytes encodeIntent(const Intent& intent);
// Nothing for a record that is not whole and sound (a checksum guards it).
std::optional<Intent> decodeIntent(const Bytes& data);

// A temporary or kept old file of a write ("NAME.<process>-<number>.yeni" / ".eski").
bool isWriteLeftover(std::string_view name);

// Carries out a recorded intent: forward, every remaining temporary renamed over its file;
// undo, every old file put back and every file that did not exist removed. Then the kept
// old files and the record itself go. Each step can be repeated after an interruption.
Status applyIntent(const std::filesystem::path& dir, const Intent& intent);

// Finishes a write a dead process left half-done, then removes temporaries no record names.
// Only the holder of the folder's lock may call it. Answers one line per thing done.
Result<std::vector<std::string>> recoverInterruptedWrite(const std::filesystem::path& dir);

} // namespace zs
