#include "backup.h"

#include "backup_place.h"
#include "backup_set.h"
#include "core/file_io.h"
#include "core/settings_file.h"

namespace zs::maintenance {

namespace fs = std::filesystem;

namespace {

const std::string kUnverified = "Yedek yazıldı, ancak geri okunamadı: ";

// The settings files as the working directory holds them, so that a restore gives them
// back byte for byte; one missing there is written as memory holds it.
Result<Bytes> settingsBytes(const Database& db, const DataDir& work, const std::string& name) {
    auto read = readFileIfExists(work.file(name), kMaxSettingsFileBytes);
    if (!read) return read.error();
    if (read.value()) return std::move(*read.value());
    return name == kSettingsFile ? encodeSettings(db.settings) : encodeAnnexFlags(db.annexFlags);
}

} // namespace

Result<BackupOutcome> backupSchool(const Database& db, const DataDir& work, const fs::path& to,
                                   const std::string& holder) {
    BackupOutcome out;
    auto held = holdUnlessWorking(to, work, holder);
    if (!held) return held.error();
    if (held.value()) out.recovered = held.value()->recovered;

    WriteBatch batch;
    std::vector<std::pair<fs::path, Bytes>> written;
    SetFiles set;
    for (DataFile f : kBackupOrder) {
        set.data[f] = encodeTable(db, f);
        written.emplace_back(resolveName(to, backupName(f)), set.data[f]);
    }
    for (const char* name : kSettingsFiles) {
        auto bytes = settingsBytes(db, work, name);
        if (!bytes) return bytes.error();
        written.emplace_back(resolveName(to, backupName(name)), std::move(bytes.value()));
    }
    for (const auto& [path, bytes] : written) batch.add(path, bytes);
    if (auto s = batch.commit(); !s) return s.error();

    for (const auto& [path, bytes] : written) {
        auto back = readFileIfExists(path, kMaxFileBytes);
        if (!back) return Error{kUnverified + back.error().message, path.string()};
        if (!back.value() || *back.value() != bytes)
            return Error{kUnverified + std::string("yazılanla aynı değil"), path.string()};
    }
    auto refusals = restoreRefusals(set, work);
    if (!refusals) return refusals.error();
    out.refusals = std::move(refusals.value());
    return out;
}

std::string backupNotice(const BackupOutcome& outcome) {
    if (outcome.refusals.empty()) return kBackupDoneNotice;
    std::string text = "Bu yedek geri alınmak istendiğinde reddedilir; önce verilerdeki "
                       "hataları düzeltip yeniden yedek alınız:";
    for (const auto& line : outcome.refusals) text += "\n" + line;
    return text + "\n" + kBackupDoneNotice;
}

} // namespace zs::maintenance
