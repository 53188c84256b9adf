#include "passes.h"

#include "attempt.h"
#include "rules/patterns.h"
#include "rules/placement.h"

#include <algorithm>

namespace zs::sched {

namespace {

// Complete, or holding all the hours the feasibility check found room for.
bool teacherComplete(const AutoRun& run, Id teacherId) {
    const TeacherTimetable* tt = run.db.teacherTimetables.find(teacherId);
    return !tt || tt->placedHours == tt->totalHours ||
           run.state.atCapacity(teacherId, tt->placedHours);
}

bool skippedAsImpossible(const RunState& st, Id classId, Id lessonId) {
    return st.longestPlaceable(classId, lessonId) < kHoursPerDay;
}

int hoursLeft(const Database& db, const TeacherLesson& tl) {
    const Lesson* l = db.lessons.find(tl.lessonId);
    return l ? int(l->weeklyHours) - placedCount(db, tl.classId, tl.lessonId) : 0;
}

} // namespace

void mainPass(AutoRun& run) {
    RunState& st = run.state;
    if (st.placedTotal == st.totalHours) return;
    for (st.blockPass = st.blockLengths.count; st.blockPass >= 1 && !st.stopRequested;
         --st.blockPass) {
        run.observer.teacherCount(static_cast<int>(st.teacherOrder.size()));
        int number = 0;
        for (Id teacherId : st.teacherOrder) {
            ++number;
            if (!teacherComplete(run, teacherId)) {
                run.observer.teacherNumber(number);
                scheduleTeacher(run, teacherId);
            }
            if (st.stopCode == kStopRun || st.placedTotal == st.totalHours) break;
        }
    }
}

void scheduleTeacher(AutoRun& run, Id teacherId) {
    RunState& st = run.state;
    const Database& db = run.db;
    const TeacherTimetable* tt = db.teacherTimetables.find(teacherId);
    if (!tt) return;
    st.targetCell = 0;
    run.observer.teacherShown(teacherId, tt->totalHours, tt->placedHours);
    // The records of the teacher, in list order; the run never changes the list.
    std::vector<TeacherLesson> lessons;
    for (const TeacherLesson& tl : db.teacherLessons)
        if (tl.teacherId == teacherId) lessons.push_back(tl);

    st.settingsPhase = 0;
    st.currentLevel = 0;
    const int lastLevel = std::max<int>(db.settings.searchLevel, 1);
    do {
        ++st.currentLevel;
        if (st.currentLevel == (st.pairsOnly ? 1 : 0) + 2 && st.settingsPhase == 0) {
            st.currentLevel = 1;
            st.settingsPhase = 1;
        }
        run.observer.levelShown(st.currentLevel);
        bool leave = false;
        for (int sweep = 1; sweep <= 2 && !leave; ++sweep) {
            st.sweepNo = sweep;
            for (const TeacherLesson& tl : lessons) {
                if (hoursLeft(db, tl) > 0) {
                    const Lesson* l = db.lessons.find(tl.lessonId);
                    run.observer.lessonShown(tl.classId, tl.lessonId, l ? l->weeklyHours : 0);
                    placeLesson(run, teacherId, tl.classId, tl.lessonId);
                }
                leave = st.stopCode == kStopRun || teacherComplete(run, teacherId);
                if (leave) break;
            }
        }
        if (st.stopCode == kStopRun || teacherComplete(run, teacherId)) break;
    } while (st.currentLevel < lastLevel);
}

void placeLesson(AutoRun& run, Id teacherId, Id classId, Id lessonId) {
    RunState& st = run.state;
    st.stopCode = st.stopRequested ? kStopRun : 0; // a skip ends with its lesson, a stop never
    if (st.stopRequested || skippedAsImpossible(st, classId, lessonId)) return;
    const Lesson* l = run.db.lessons.find(lessonId);
    const int weekly = l ? l->weeklyHours : 0;
    int placedNow = 0;
    for (;;) {
        const int length = nextBlock(run.db, classId, lessonId);
        const bool placed = placeBlock(run, teacherId, classId, lessonId);
        if (placed && st.targetCell != 0) st.stopCode = kStopRun;
        placedNow += length;
        if (!placed || st.stopCode != 0 || placedNow > weekly) break;
    }
}

bool placeBlock(AutoRun& run, Id teacherId, Id classId, Id lessonId) {
    RunState& st = run.state;
    const int length = nextBlock(run.db, classId, lessonId);
    if (length == 0 || length < st.blockLengths.minimumFor(st.blockPass)) return false;
    st.attemptDepth = 0;
    run.observer.gridChanged();
    if (!runAttempt(run, st.targetCell, length, classId, lessonId)) return false;
    const ClassLesson* cl = run.db.classLessons.find(classId, lessonId);
    st.placedTotal += (cl ? cl->teacherCount : 0) * length;
    run.observer.schoolHours(st.totalHours, st.placedTotal);
    if (const TeacherTimetable* tt = run.db.teacherTimetables.find(teacherId))
        run.observer.teacherShown(teacherId, tt->totalHours, tt->placedHours);
    run.observer.gridChanged();
    return true;
}

} // namespace zs::sched
