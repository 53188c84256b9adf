// The actions of the teacher timetable screen: hand changes, locks, the automatic runs,
// the stored copies, the reports and the other screens it leads to.
#include "teacher_timetable_screen.h"

#include "app_session.h"
#include "changed_teachers_screen.h"
#include "class_timetable_screen.h"
#include "core/settings_file.h"
#include "data_faults_notice.h"
#include "duty_assignment_screen.h"
#include "list_scheme.h"
#include "message_dialog.h"
#include "oto_panel.h"
#include "placement_pattern_screen.h"
#include "print_flow.h"
#include "qt_text.h"
#include "rules/lock.h"
#include "rules/placement.h"
#include "rules/totals.h"
#include "scheduler/explain.h"
#include "scheduler/run.h"
#include "scheduler/scheduler.h"
#include "scheduler/stored_copies.h"
#include "settings_screen.h"
#include "teacher_settings_screen.h"
#include "timetable_grid.h"
#include "timetable_legend.h"
#include "unplaced_report_screen.h"

#include <QLabel>
#include <QTimer>

namespace zs::ui {

void TeacherTimetableScreen::placeOrRemove(int slot) {
    leaveAnalysis();
    takeSelection();
    reason_->clear();
    Database& db = session_.db;
    const TeacherTimetable* tt = db.teacherTimetables.find(sel_.teacherId);
    if (!tt || !validSlot(slot) || tt->planes[kOpenPlane][slot - 1] == 0) {
        if (tt && validSlot(slot)) reason_->setText(closedCellReason());
        grid_->update();
        return;
    }
    if (const Id occupant = tt->planes[kOccupantPlane][slot - 1])
        Remove(db, slot, occupant);
    else if (sel_.classId == 0)
        reason_->setText(noLessonReason());
    else if (!Place(db, slot, sel_.classId, sel_.lessonId))
        reason_->setText(fromCodePage(
            sched::explanationText(db, sched::handRefusal(db, sel_.classId, sel_.lessonId, slot))));
    refresh();
}

void TeacherTimetableScreen::toggleLock() {
    takeSelection();
    ToggleLock(session_.db, CellOf::Teacher, sel_.teacherId, sel_.cell);
    refresh();
}

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
    body(*run_);
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

void TeacherTimetableScreen::deleteTeacherTimetable() {
    takeSelection();
    Database& db = session_.db;
    const Teacher* t = db.teachers.find(sel_.teacherId);
    const TeacherTimetable* tt = db.teacherTimetables.find(sel_.teacherId);
    if (!t || !tt) return;
    if (!TSilForm::confirm(this, fromCodePage(t->name) +
                                     QStringLiteral(" adındaki öğretmenin programı silinecek !")))
        return;
    for (int slot = 1; slot <= kSlots; ++slot) {
        tt = db.teacherTimetables.find(sel_.teacherId);
        const int i = slot - 1;
        if (tt->planes[kOpenPlane][i] != 0 && tt->planes[kOccupantPlane][i] != 0)
            Remove(db, slot, tt->planes[kOccupantPlane][i]);
    }
    refresh();
}

bool TeacherTimetableScreen::writeTimetables() {
    const auto s =
        saveTables(session_.db, session_.dataDir(),
                   {DataFile::TeacherTimetable, DataFile::ClassTimetable, DataFile::RoomTimetable});
    if (!s) TSilForm::showIoError(this, s.error());
    return s.ok();
}

void TeacherTimetableScreen::reject() {
    if (running()) {
        // The run ends at its next pump; the files are written once it has returned.
        closeRequested_ = true;
        stopRun();
        return;
    }
    const auto s =
        saveTables(session_.db, session_.dataDir(),
                   {DataFile::ClassTimetable, DataFile::TeacherTimetable, DataFile::RoomTimetable});
    if (!s) TSilForm::showIoError(this, s.error());
    QDialog::reject();
}

void TeacherTimetableScreen::storeCopies() {
    if (const auto s = sched::storeCopies(session_.db, session_.dataDir()); !s) {
        TSilForm::showIoError(this, s.error());
        return;
    }
    leaveAnalysis();
    grid_->update();
    reason_->setText(storedNotice());
}

QString TeacherTimetableScreen::storedNotice() {
    return QStringLiteral("Program saklandı. DEĞİŞENLERİ GÖSTER bundan sonra programı değişen "
                          "öğretmenleri listeler, DEĞİŞİKLERİ GERİ AL bu programa döner.");
}

void TeacherTimetableScreen::restoreCopies() {
    if (!TSilForm::confirm(this, QStringLiteral("Saklanmış program geri yüklenecek, "
                                                "sonraki değişiklikler silinecek !")))
        return;
    // Memory goes back with the files when they cannot be written.
    Database before = session_.db;
    auto outcome = sched::restoreCopies(session_.db, session_.dataDir());
    if (!outcome) {
        session_.db = std::move(before);
        TSilForm::showIoError(this, outcome.error());
        return;
    }
    if (outcome.value().verdict != sched::RestoreVerdict::Restored) {
        TSilForm::inform(this, fromCodePage(outcome.value().notice));
        return;
    }
    updateAllTeacherWeeklyTotals(session_.db);
    updateClassWeeklyHours(session_.db);
    if (!writeTimetables()) session_.db = std::move(before);
    fillTeachers(sel_.teacherId);
}

void TeacherTimetableScreen::showChanged() {
    if (const Id teacher = openChangedTeachers(this, session_)) selectTeacher(teacher);
}

void TeacherTimetableScreen::showUnplaced() {
    const GoTo go = openUnplacedReport(this, session_);
    if (go.distributed) {
        updateAllTeacherWeeklyTotals(session_.db);
        updateClassWeeklyHours(session_.db);
        fillTeachers(sel_.teacherId);
    }
    if (go.go)
        selectTeacher(go.teacherId, go.classId, go.lessonId);
    else
        refresh();
}

void TeacherTimetableScreen::linkToClass() {
    takeSelection();
    session_.classHandOver = {sel_.teacherId, sel_.classId, sel_.lessonId};
    if (openClassTimetableScreen(this, session_)) {
        const ClassHandOver h = session_.classHandOver;
        selectTeacher(h.teacherId, h.classId, h.lessonId);
    } else {
        fillLessons(sel_.classId, sel_.lessonId);
        refresh();
    }
}

void TeacherTimetableScreen::openPattern() {
    takeSelection();
    if (sel_.classId == 0) return;
    openPlacementPatternScreen(this, session_, sel_.classId, sel_.lessonId);
    refresh();
}

void TeacherTimetableScreen::openDuty() {
    takeSelection();
    openDutyAssignmentScreen(this, session_, sel_.teacherId);
}

void TeacherTimetableScreen::openPrint() {
    printFromTimetable(this, session_, print::Printout::Teacher, teachers_->currentId());
    refreshCounters();
}

void TeacherTimetableScreen::openSettings() {
    openSettingsScreen(this, session_);
    refresh();
}

void TeacherTimetableScreen::openTeacherSettings() {
    takeSelection();
    if (sel_.teacherId == 0) return;
    openTeacherSettingsScreen(this, session_, sel_.teacherId);
    refresh();
}

} // namespace zs::ui
