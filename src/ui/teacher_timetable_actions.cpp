// The actions of the teacher timetable screen: hand changes, locks, the stored copies, the
// reports and the other screens it leads to.
#include "teacher_timetable_screen.h"

#include "app_session.h"
#include "changed_teachers_screen.h"
#include "class_timetable_screen.h"
#include "duty_assignment_screen.h"
#include "hand_mover.h"
#include "hand_undo.h"
#include "list_scheme.h"
#include "message_dialog.h"
#include "placement_pattern_screen.h"
#include "print_flow.h"
#include "qt_text.h"
#include "rule_breaks_screen.h"
#include "rules/lock.h"
#include "rules/placement.h"
#include "rules/totals.h"
#include "scheduler/hand_change.h"
#include "scheduler/stored_copies.h"
#include "settings_screen.h"
#include "teacher_settings_screen.h"
#include "timetable_grid.h"
#include "timetable_labels.h"
#include "timetable_screen.h"
#include "unplaced_report_screen.h"

#include <QLabel>

namespace zs::ui {

void TeacherTimetableScreen::placeOrRemove(int slot) {
    leaveAnalysis();
    takeSelection();
    reason_->clear();
    sched::HandResult r;
    asHandStep(session_, false, [&] {
        r = sched::placeOrRemove(session_.db, CellOf::Teacher, sel_.teacherId, sel_.classId,
                                 sel_.lessonId, slot);
    });
    reason_->setText(handReason(r));
    refresh();
}

void TeacherTimetableScreen::toggleLock() {
    takeSelection();
    asHandStep(session_, false,
               [&] { ToggleLock(session_.db, CellOf::Teacher, sel_.teacherId, sel_.cell); });
    refresh();
}

void TeacherTimetableScreen::undoHand() {
    mover_->cancel();
    const QString said = undoHandChange(this, session_);
    fillTeachers(sel_.teacherId);
    reason_->setText(said);
}

void TeacherTimetableScreen::redoHand() {
    mover_->cancel();
    const QString said = redoHandChange(this, session_);
    fillTeachers(sel_.teacherId);
    reason_->setText(said);
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
    asHandStep(session_, false, [&] {
        for (int slot = 1; slot <= kSlots; ++slot) {
            tt = db.teacherTimetables.find(sel_.teacherId);
            const int i = slot - 1;
            if (tt->planes[kOpenPlane][i] != 0 && tt->planes[kOccupantPlane][i] != 0)
                Remove(db, slot, tt->planes[kOccupantPlane][i]);
        }
    });
    refresh();
}

bool TeacherTimetableScreen::writeTimetables() {
    return zs::ui::writeTimetables(this, session_);
}

void TeacherTimetableScreen::reject() {
    if (running()) {
        // The run ends at its next pump; the files are written once it has returned.
        closeRequested_ = true;
        stopRun();
        return;
    }
    writeTimetables();
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

void TeacherTimetableScreen::showRuleBreaks() {
    if (const auto b = openRuleBreaks(this, session_); b && b->teacherId != 0)
        selectTeacher(b->teacherId, b->classId, b->lessonId);
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
