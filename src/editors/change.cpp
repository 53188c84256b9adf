#include "change.h"

#include "core/settings_file.h"

namespace zs::editors {

Status writeChange(const Database& db, const DataDir& dir, const Change& change) {
    WriteBatch batch;
    addTables(batch, db, dir, change.files);
    if (change.settings)
        if (auto s = addSettings(batch, dir, db.settings); !s) return s;
    if (change.annexFlags) addAnnexFlags(batch, dir, db.annexFlags);
    return batch.commit();
}

} // namespace zs::editors
