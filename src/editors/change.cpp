#include "change.h"

#include "core/settings_file.h"

namespace zs::editors {

Status writeChange(const Database& db, const DataDir& dir, const Change& change) {
    if (!change.files.empty())
        if (auto s = saveTables(db, dir, change.files); !s) return s;
    if (change.settings)
        if (auto s = saveSettings(dir, db.settings); !s) return s;
    if (change.annexFlags)
        if (auto s = saveAnnexFlags(dir, db.annexFlags); !s) return s;
    return success();
}

} // namespace zs::editors
