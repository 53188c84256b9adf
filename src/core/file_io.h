// Reading whole files and writing them safely. A write is one transaction over one folder:
// every new content goes to a temporary file first, an intent record names them, and only
// then are they renamed over the old files; a load completes an interrupted transaction.
#pragma once

#include "ids.h"
#include "result.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zs {

using Bytes = std::vector<u8>;

// Above any data file the program writes: the bound of a read whose kind has none of its own.
inline constexpr std::uintmax_t kMaxFileBytes = 8u << 20;

// The file's bytes; nothing when it does not exist; an error for any other failure. Only a
// regular file (also through a link) is read, without blocking, and one longer than
// `maxBytes` is refused unread.
Result<std::optional<Bytes>> readFileIfExists(const std::filesystem::path& path,
                                              std::uintmax_t maxBytes = kMaxFileBytes);

// Creates an empty file only where none exists.
Status createEmptyIfMissing(const std::filesystem::path& path);

// Names in `dir` resolve case-insensitively (ASCII letters), so "Lesson.prg" and
// "LESSON.PRG" are one file; a name not present resolves to `dir / name` as given.
std::filesystem::path resolveName(const std::filesystem::path& dir, std::string_view name);

// Files of one folder replaced together, all or nothing, also when the process dies
// half-way: once `commit` answers, either every file holds its new bytes or, on an
// error, every file holds its old bytes. A file added twice keeps the later bytes. Should
// a failure leave even the undo impossible, the error says so: the files then get their
// new bytes at the next load, which the program must make before it writes again.
class WriteBatch {
public:
    void add(std::filesystem::path path, Bytes bytes);
    bool empty() const { return files_.empty(); }
    Status commit();

private:
    std::vector<std::pair<std::filesystem::path, Bytes>> files_;
};

// The working directory this process opened read-only, and why (UTF-8): every write into
// it is refused with that reason. An empty folder names none.
void setReadOnlyFolder(const std::filesystem::path& folder, std::string reason);
// The refusal of a write into that folder, before anything is made there.
Status checkWritable(const std::filesystem::path& folder);

Status writeFileSafely(const std::filesystem::path& path, const Bytes& bytes);

// Makes the folder's entries (renames, removals) durable; a failure is an error.
Status syncFolder(const std::filesystem::path& dir);

// The one message the user reads when a data file cannot be read or written (UTF-8:
// it carries a host path).
std::string ioErrorMessage(const Error& e);

} // namespace zs
