// An export written under a temporary name beside its place and renamed into it only when
// it is whole, so one cut short never looks complete and never spoils an earlier one.
#pragma once

#include "core/result.h"

#include <filesystem>
#include <initializer_list>
#include <string>

namespace zs::exporting {

class StagedOutput {
public:
    enum class Kind { File, Folder };

    // Refuses, with the reason, a place whose folder cannot be written, a file place that
    // is a folder, and a folder place that holds anything but files ending in one of
    // `ownExtensions` (an earlier export of the same kind, which is replaced).
    static Result<StagedOutput> open(const std::filesystem::path& place, Kind kind,
                                     std::initializer_list<const char*> ownExtensions);

    StagedOutput(StagedOutput&& other) noexcept;
    StagedOutput& operator=(StagedOutput&&) = delete;
    ~StagedOutput();

    // Where to write: the temporary file, or the temporary folder.
    const std::filesystem::path& work() const { return work_; }
    const std::filesystem::path& place() const { return place_; }

    // Renames the work into its place; an earlier export there goes.
    Status publish();

private:
    StagedOutput(std::filesystem::path place, std::filesystem::path work, Kind kind);

    std::filesystem::path place_;
    std::filesystem::path work_;
    Kind kind_ = Kind::File;
    bool done_ = false;
};

// Writes the whole text to a new file.
Status writeWhole(const std::filesystem::path& path, const std::string& text);

// "yazma izni yok" and the like for a failed file operation (UTF-8).
std::string failureReason(const std::error_code& ec);
Error writeError(const std::filesystem::path& path, const std::error_code& ec);

} // namespace zs::exporting
