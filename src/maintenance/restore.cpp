#include "restore.h"

#include "backup_set.h"
#include "core/database.h"
#include "core/file_io.h"
#include "core/integrity.h"
#include "core/startup.h"
#include "previous_set.h"

#include <map>

namespace zs::maintenance {

namespace {

// Enough lines to see what is wrong without flooding the dialog.
constexpr std::size_t kMaxReasons = 8;

void addReason(RestoreOutcome& out, std::string line) {
    if (out.reasons.size() < kMaxReasons) out.reasons.push_back(std::move(line));
}

// Loads the data the working directory would hold after the restore and lists what the
// load would skip and every broken reference.
Status checkResultingSet(const std::map<DataFile, Bytes>& backups, const DataDir& to,
                         RestoreOutcome& out) {
    Database db;
    LoadReport report;
    for (DataFile f : kLoadOrder) {
        if (auto it = backups.find(f); it != backups.end()) {
            decodeTable(db, f, it->second, report);
            continue;
        }
        auto current = readFileIfExists(to.file(f));
        if (!current) return current.error();
        if (current.value()) decodeTable(db, f, *current.value(), report);
    }
    createMissingTimetables(db);
    for (auto& note : report.notes) addReason(out, std::move(note));
    for (auto& fault : checkReferences(db)) addReason(out, std::move(fault));
    return success();
}

} // namespace

Result<RestoreOutcome> restoreBackup(const std::filesystem::path& from, const DataDir& to) {
    RestoreOutcome out;
    std::map<DataFile, Bytes> backups;
    for (DataFile f : kBackupOrder) {
        auto read = readFileIfExists(resolveName(from, backupName(f)));
        if (!read) return read.error();
        if (!read.value()) continue;
        Bytes& bytes = *read.value();
        if (bytes.size() % recordSize(f) != 0)
            addReason(out, backupName(f) + ": " + std::to_string(bytes.size()) +
                               " bayt, kayıt boyunun (" + std::to_string(recordSize(f)) +
                               ") katı değil");
        backups.emplace(f, std::move(bytes));
        out.restored.push_back(f);
    }
    if (backups.empty()) return out;
    if (out.reasons.empty()) {
        if (auto s = checkResultingSet(backups, to, out); !s) return s.error();
    }
    if (!out.reasons.empty()) {
        out.verdict = RestoreVerdict::Refused;
        out.restored.clear();
        return out;
    }

    auto kept = keepPreviousSet(to, out.restored);
    if (!kept) return kept.error();
    out.previousSet = kept.value();
    WriteBatch batch;
    for (DataFile f : out.restored) batch.add(to.file(f), std::move(backups[f]));
    if (auto s = batch.commit(); !s) return s.error();
    out.verdict = RestoreVerdict::Restored;
    return out;
}

std::string refusalNotice(const RestoreOutcome& outcome) {
    std::string text = "Yedek dosyaları bozuk veya birbirini tutmuyor; geri alma yapılmadı, "
                       "dosyalarınız değişmedi.";
    for (const auto& line : outcome.reasons) text += "\n" + line;
    return text;
}

} // namespace zs::maintenance
