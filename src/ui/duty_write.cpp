#include "duty_write.h"

#include "app_session.h"
#include "message_dialog.h"

namespace zs::ui {

bool writeDutyChange(QWidget* parent, AppSession& session, const editors::Change& change,
                     const duty::DutyTables& before) {
    const Status written = editors::writeChange(session.db, session.dataDir(), change);
    if (written) return true;
    // The write is one transaction: the files are as they were, so memory goes back too.
    duty::restoreDutyTables(session.db, before);
    TSilForm::showIoError(parent, written.error());
    return false;
}

} // namespace zs::ui
