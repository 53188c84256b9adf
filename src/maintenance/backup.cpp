#include "backup.h"

#include "backup_set.h"
#include "core/data_files.h"
#include "core/file_io.h"

#include <vector>

namespace zs::maintenance {

Status backupTables(const Database& db, const std::filesystem::path& folder) {
    WriteBatch batch;
    std::vector<std::pair<std::filesystem::path, Bytes>> written;
    for (DataFile f : kBackupOrder) {
        auto path = resolveName(folder, backupName(f));
        Bytes bytes = encodeTable(db, f);
        batch.add(path, bytes);
        written.emplace_back(std::move(path), std::move(bytes));
    }
    if (auto s = batch.commit(); !s) return s;
    for (const auto& [path, bytes] : written) {
        auto back = readFileIfExists(path);
        if (!back) return back.error();
        if (!back.value() || *back.value() != bytes)
            return Error{"Yedek dosyası geri okunduğunda yazılanla aynı değil.", path.string()};
    }
    return success();
}

} // namespace zs::maintenance
