// The intent record of a write in progress: which temporary replaces which file, and where
// the old file is kept until the write is over. Written before the first rename, removed
// after the last; one left behind tells the next load how to finish the write.
#pragma once

#include "file_io.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zs {

inline constexpr const char* kIntentFile = "NIYET.ZS";
inline constexpr const char* kNewSuffix = ".yeni";
inline constexpr const char* kOldSuffix = ".eski";

// The length and checksum of a file's new bytes: a recovery sees from them whether a
// temporary or its target holds the new content, rather than guessing from names.
struct ContentSum {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
    bool operator==(const ContentSum&) const = default;
};
ContentSum contentSum(const Bytes& bytes);

struct IntentEntry {
    std::string target; // file names within the folder
    std::string temp;
    std::string old;               // empty when the target did not exist before
    std::optional<ContentSum> sum; // absent in records of earlier versions
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
// undo, every old file put back and every file that did not exist removed. A forward
// intent one of whose files holds the new content neither in its temporary nor in place
// (a temporary lost by a file system without ordered writes) is undone instead. Then the
// kept old files and the record itself go. Each step can be repeated after an
// interruption. Answers whether the files went back to their old content.
Result<bool> applyIntent(const std::filesystem::path& dir, const Intent& intent);

// Finishes a write a dead process left half-done, then removes temporaries no record names.
// Only the holder of the folder's lock may call it. Answers one line per thing done.
Result<std::vector<std::string>> recoverInterruptedWrite(const std::filesystem::path& dir);

} // namespace zs
