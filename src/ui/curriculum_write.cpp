#include "curriculum_write.h"

#include "app_session.h"
#include "message_dialog.h"

namespace zs::ui {

bool changeAndWrite(QWidget* parent, AppSession& session, const std::vector<DataFile>& files,
                    const std::function<bool(Database&)>& change) {
    Database before = session.db;
    if (!change(session.db)) return true;
    const Status written = saveTables(session.db, session.dataDir(), files);
    if (written) return true;
    session.db = std::move(before);
    TSilForm::showIoError(parent, written.error());
    return false;
}

} // namespace zs::ui
