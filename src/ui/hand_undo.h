// Keeping the hand changes of the timetable screens for undo, and the undo and redo keys.
#pragma once

#include "app_session.h"
#include "scheduler/hand_history.h"

#include <QString>

class QWidget;

namespace zs::ui {

// Runs a hand change and keeps it as one step of the session's history; `written` when the
// change wrote the timetable files itself.
template <class F> void asHandStep(AppSession& session, bool written, F&& change) {
    sched::TimetableTables before = sched::timetablesOf(session.db);
    change();
    session.handHistory.record(session.dataDir().folder(), std::move(before), session.db, written);
}

// Ctrl+Z and Ctrl+Y: one step back or forward. What the reason line then says; a write
// that failed is shown in a message.
QString undoHandChange(QWidget* parent, AppSession& session);
QString redoHandChange(QWidget* parent, AppSession& session);

} // namespace zs::ui
