#include "backup_set.h"

#include "core/integrity.h"
#include "core/settings_file.h"
#include "core/startup.h"

namespace zs::maintenance {

namespace {

// Enough lines to see what is wrong without flooding the dialog.
constexpr std::size_t kMaxReasons = 8;

void addReason(std::vector<std::string>& reasons, std::string line) {
    if (reasons.size() < kMaxReasons) reasons.push_back(std::move(line));
}

} // namespace

const std::array<const char*, 2> kSettingsFiles = {kSettingsFile, kAnnexFile};

std::string backupName(std::string_view dataName) {
    const std::string name(dataName);
    return name.substr(0, name.rfind('.')) + ".YDK";
}

std::string backupName(DataFile f) {
    return backupName(fileName(f));
}

Result<std::vector<std::string>> restoreRefusals(const SetFiles& set, const DataDir& to) {
    std::vector<std::string> reasons;
    for (const auto& [f, bytes] : set.data)
        if (bytes.size() % recordSize(f) != 0)
            addReason(reasons, backupName(f) + ": " + std::to_string(bytes.size()) +
                                   " bayt, kayıt boyunun (" + std::to_string(recordSize(f)) +
                                   ") katı değil");
    if (!reasons.empty()) return reasons;

    Database db;
    LoadReport report;
    for (DataFile f : kLoadOrder) {
        if (auto it = set.data.find(f); it != set.data.end()) {
            decodeTable(db, f, it->second, report);
            continue;
        }
        auto current = readFileIfExists(to.file(f), maxFileSize(f));
        if (!current) return current.error();
        if (current.value()) decodeTable(db, f, *current.value(), report);
    }
    createMissingTimetables(db);
    for (auto& note : report.notes) addReason(reasons, std::move(note));
    // A whole set is the school as it was, faults and all, and loads as it loaded; a broken
    // reference tells a foreign or mixed set only where the set meets the current files.
    if (set.data.size() < kBackupOrder.size())
        for (auto& fault : checkReferences(db)) addReason(reasons, std::move(fault));
    return reasons;
}

} // namespace zs::maintenance
