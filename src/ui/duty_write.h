// How the duty screens commit a change: the files it names are written at once; when one
// cannot be written the duty tables go back to what they were and the general error
// message is shown, so memory stays as the files are.
#pragma once

#include "duty/duty_tables.h"
#include "editors/change.h"

class QWidget;

namespace zs::ui {

class AppSession;

bool writeDutyChange(QWidget* parent, AppSession& session, const editors::Change& change,
                     const duty::DutyTables& before);

} // namespace zs::ui
