#include "restore.h"

#include "backup_place.h"
#include "backup_set.h"
#include "core/file_io.h"
#include "core/settings_file.h"
#include "previous_set.h"

namespace zs::maintenance {

namespace {

// Reads the set the source holds; answers the data files found, in backup order.
Result<SetFiles> readSet(const std::filesystem::path& from, RestoreOutcome& out) {
    SetFiles set;
    for (DataFile f : kBackupOrder) {
        auto read = readFileIfExists(resolveName(from, backupName(f)), maxFileSize(f));
        if (!read) return read.error();
        if (!read.value()) continue;
        set.data.emplace(f, std::move(*read.value()));
        out.restored.push_back(f);
    }
    for (const char* name : kSettingsFiles) {
        auto read = readFileIfExists(resolveName(from, backupName(name)), kMaxSettingsFileBytes);
        if (!read) return read.error();
        if (!read.value()) continue;
        set.settings.emplace(name, std::move(*read.value()));
        out.restoredSettings.push_back(name);
    }
    return set;
}

} // namespace

Result<RestoreOutcome> restoreBackup(const std::filesystem::path& from, const DataDir& to,
                                     const std::string& holder) {
    RestoreOutcome out;
    auto held = holdUnlessWorking(from, to, holder);
    if (!held) return held.error();
    if (held.value()) out.recovered = held.value()->recovered;
    auto set = readSet(from, out);
    if (!set) return set.error();
    if (set.value().data.empty()) {
        out.restoredSettings.clear();
        return out;
    }
    auto refusals = restoreRefusals(set.value(), to);
    if (!refusals) return refusals.error();
    if (!refusals.value().empty()) {
        out.verdict = RestoreVerdict::Refused;
        out.reasons = std::move(refusals.value());
        out.restored.clear();
        out.restoredSettings.clear();
        return out;
    }

    auto kept = keepPreviousSet(to, out.restored, out.restoredSettings);
    if (!kept) return kept.error();
    out.previousSet = kept.value();
    WriteBatch batch;
    for (auto& [f, bytes] : set.value().data) batch.add(to.file(f), std::move(bytes));
    for (auto& [name, bytes] : set.value().settings) batch.add(to.file(name), std::move(bytes));
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
