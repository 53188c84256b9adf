// The automatic runs of the teacher timetable screen: "Otomat", "Öğretmen" and "BURAYA
// YERLEŞTİR", with the panel, the timer and the run buttons while the search works.
#include "teacher_timetable_screen.h"

#include "app_session.h"
#include "core/settings_file.h"
#include "data_faults_notice.h"
#include "hand_undo.h"
#include "message_dialog.h"
#include "oto_panel.h"
#include "qt_text.h"
#include "rules/totals.h"
#include "scheduler/run.h"
#include "scheduler/scheduler.h"

#include <QLabel>
#include <QTimer>

namespace zs::ui {

template <class F> void TeacherTimetableScreen::runScheduler(F&& body) {
    takeSelection();
    Database& db = session_.db;
    const DataDir dir = session_.dataDir();
    const Settings inMemory = db.settings;
    sched::SettingsSource source = [dir, inMemory] {
        auto loaded = loadSettings(dir);
        return loaded ? loaded.value() : inMemory;
    };
    observer_ = std::make_unique<PanelObserver>(db, *panel_, *grid_);
    observer_->onGridChanged = [this] { refreshCounters(); };
    run_ = std::make_unique<sched::AutoRun>(db, *observer_, std::move(source));
    timeLabel_->clear();
    setRunMode(true);
    timer_->start();
    // The whole run is one step of the hand changes' history, one that reaches the files:
    // they are written once the run has ended, and an undo or redo writes them again.
    asHandStep(session_, true, [&] { body(*run_); });
    timer_->stop();
    const std::string closing = observer_->closing;
    run_.reset();
    observer_.reset();
    setRunMode(false);
    fillLessons(sel_.classId, sel_.lessonId);
    refresh();
    if (closeRequested_) {
        reject();
        return;
    }
    // A run can take minutes: its timetable goes to the files at once, not at F4 or close.
    writeTimetables();
    if (!closing.empty()) TSilForm::inform(this, fromCodePage(closing));
}

void TeacherTimetableScreen::startAutomatic() {
    if (running() || refusedOnFaults(this, session_.db)) return;
    updateAllTeacherWeeklyTotals(session_.db);
    updateClassWeeklyHours(session_.db);
    if (const CapacityVerdict v = checkClassCapacity(session_.db); !v.ok) {
        TSilForm::inform(this, fromCodePage(v.message));
        return;
    }
    runScheduler([](sched::AutoRun& run) { sched::runAutomatic(run); });
}

void TeacherTimetableScreen::startTeacherRun() {
    if (running() || sel_.teacherId == 0) return;
    const Id teacher = sel_.teacherId;
    runScheduler([teacher](sched::AutoRun& run) { sched::runTeacher(run, teacher); });
}

void TeacherTimetableScreen::placeHere() {
    takeSelection();
    if (running() || sel_.classId == 0 || !validSlot(sel_.cell)) return;
    const sched::TimetableSelection s = sel_;
    runScheduler([s](sched::AutoRun& run) {
        sched::placeAtCell(run, s.teacherId, s.classId, s.lessonId, s.cell);
    });
}

void TeacherTimetableScreen::stopRun() {
    if (run_) sched::requestStop(*run_);
}

void TeacherTimetableScreen::skipLesson() {
    if (!run_) return;
    sched::requestSkip(*run_);
    if (observer_) observer_->skipped();
}

} // namespace zs::ui
