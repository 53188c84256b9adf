// Reading whole files and writing them safely: a write goes to a temporary file in the
// same folder, is flushed to disk and only then renamed over the old file.
#pragma once

#include "ids.h"
#include "result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zs {

using Bytes = std::vector<u8>;

// The file's bytes; nothing when it does not exist; an error for any other failure.
Result<std::optional<Bytes>> readFileIfExists(const std::filesystem::path& path);

// Creates an empty file only where none exists.
Status createEmptyIfMissing(const std::filesystem::path& path);

// Names in `dir` resolve case-insensitively (ASCII letters), so "Lesson.prg" and
// "LESSON.PRG" are one file; a name not present resolves to `dir / name` as given.
std::filesystem::path resolveName(const std::filesystem::path& dir, std::string_view name);

// Several files replaced together: every temporary is written and flushed first, then
// all are renamed in the order added. A failure before the renames leaves all old files whole.
class WriteBatch {
public:
    void add(std::filesystem::path path, Bytes bytes);
    Status commit();

private:
    std::vector<std::pair<std::filesystem::path, Bytes>> files_;
};

Status writeFileSafely(const std::filesystem::path& path, const Bytes& bytes);

// The one message the user reads when a data file cannot be read or written (UTF-8:
// it carries a host path).
std::string ioErrorMessage(const Error& e);

} // namespace zs
