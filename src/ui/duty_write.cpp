#include "duty_write.h"

#include "app_session.h"
#include "message_dialog.h"

namespace zs::ui {

bool writeDutyChange(QWidget* parent, AppSession& session, const editors::Change& change,
                     const duty::DutyTables& before) {
    const Status written = editors::writeChange(session.db, session.dataDir(), change);
    if (written) return true;
    duty::restoreDutyTables(session.db, before);
    // A file replaced before the one that failed already holds the change: it is written
    // again as memory now stands, as far as the disk allows.
    const Status undone = editors::writeChange(session.db, session.dataDir(), change);
    (void)undone;
    TSilForm::showIoError(parent, written.error());
    return false;
}

} // namespace zs::ui
