#include "previous_set.h"

#include "backup_set.h"
#include "core/file_io.h"
#include "core/folder_hold.h"
#include "core/settings_file.h"

#include <array>
#include <ctime>
#include <system_error>
#include <vector>

namespace zs::maintenance {

namespace fs = std::filesystem;

namespace {

// Two changes within one second get "-2", "-3"... after the stamp.
constexpr int kMaxSameSecond = 100;

} // namespace

std::string previousSetName() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::array<char, 32> stamp{};
    std::strftime(stamp.data(), stamp.size(), "%Y%m%d-%H%M%S", &local);
    return std::string(kPreviousSetPrefix) + stamp.data();
}

Result<fs::path> keepPreviousSet(const DataDir& dir, std::span<const DataFile> files,
                                 const std::vector<std::string>& settings) {
    std::vector<std::pair<std::string, Bytes>> current;
    for (DataFile f : files) {
        auto read = readFileIfExists(dir.file(f), maxFileSize(f));
        if (!read) return read.error();
        current.emplace_back(fileName(f), read.value() ? std::move(*read.value()) : Bytes{});
    }
    for (const auto& name : settings) {
        auto read = readFileIfExists(dir.file(name), kMaxSettingsFileBytes);
        if (!read) return read.error();
        if (read.value()) current.emplace_back(name, std::move(*read.value()));
    }

    if (auto s = checkWritable(dir.folder()); !s) return s.error();
    const std::string base = previousSetName();
    fs::path folder;
    for (int n = 1; n <= kMaxSameSecond && folder.empty(); ++n) {
        const fs::path candidate = dir.folder() / (n == 1 ? base : base + "-" + std::to_string(n));
        std::error_code ec;
        if (fs::create_directory(candidate, ec))
            folder = candidate;
        else if (ec)
            return Error{ec.message(), candidate.string()};
    }
    if (folder.empty()) return Error{"File exists", (dir.folder() / base).string()};

    auto held = holdFolder(folder, "Zamanseri (önceki dosyalar)");
    if (!held) return held.error();
    WriteBatch batch;
    for (auto& [name, bytes] : current) batch.add(folder / backupName(name), std::move(bytes));
    if (auto s = batch.commit(); !s) return s.error();
    return folder;
}

} // namespace zs::maintenance
