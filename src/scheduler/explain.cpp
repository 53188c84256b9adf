#include "explain.h"

#include "attempt.h"
#include "day_rules.h"
#include "rules/daily_hours.h"
#include "rules/guidance.h"
#include "rules/patterns.h"
#include "rules/placement.h"
#include "rules/prepare_teacher.h"
#include "rules/settings_rules.h"
#include "rules/slots.h"
#include "rules/totals.h"

#include "core/cp1254.h"

#include <algorithm>
#include <memory>

namespace zs::sched {

namespace {

using R = CellReason;

// Closed and busy cells of the block, teachers first, then classes, then rooms.
CellExplanation occupancy(const Database& db, const PlacementAttempt& a) {
    for (int k = 0; k < a.length; ++k) {
        const int i = slotIndex(a.cell + k);
        for (int t = 0; t < a.teachers; ++t) {
            const TeacherTimetable& tt = db.teacherTimetables.rows[a.teacherRow[t]];
            if (tt.planes[kOpenPlane][i] == 0 && tt.planes[kOccupantPlane][i] == 0)
                return {R::TeacherClosed, tt.teacherId};
        }
        for (int c = 0; c < a.classes; ++c) {
            const ClassTimetable& ct = db.classTimetables.rows[a.classRow[c]];
            if (ct.planes[kOpenPlane][i] == 0 && ct.planes[kOccupantPlane][i] == 0)
                return {R::ClassClosed, 0, ct.classId};
        }
        for (int r = 0; r < a.rooms; ++r) {
            const RoomTimetable& rt = db.roomTimetables.rows[a.roomRow[r]];
            if (rt.planes[kOpenPlane][i] == 0 && rt.planes[kOccupantPlane][i] == 0)
                return {R::RoomClosed, 0, 0, 0, rt.roomId};
        }
    }
    for (int k = 0; k < a.length; ++k) {
        const int i = slotIndex(a.cell + k);
        for (int t = 0; t < a.teachers; ++t) {
            const TeacherTimetable& tt = db.teacherTimetables.rows[a.teacherRow[t]];
            if (const Id c = tt.planes[kOccupantPlane][i]) {
                const ClassTimetable* ct = db.classTimetables.find(c);
                return {R::TeacherBusy, tt.teacherId, c,
                        ct ? ct->planes[kOccupantPlane][i] : Id{0}};
            }
        }
        for (int c = 0; c < a.classes; ++c) {
            const ClassTimetable& ct = db.classTimetables.rows[a.classRow[c]];
            if (const Id l = ct.planes[kOccupantPlane][i]) return {R::ClassBusy, 0, ct.classId, l};
        }
        for (int r = 0; r < a.rooms; ++r) {
            const RoomTimetable& rt = db.roomTimetables.rows[a.roomRow[r]];
            if (const Id c = rt.planes[kOccupantPlane][i]) return {R::RoomBusy, 0, c, 0, rt.roomId};
        }
    }
    return {};
}

CellExplanation rules(const AutoRun& run, const PlacementAttempt& a) {
    const Database& db = run.db;
    if (!sameLessonPerDay(run, a)) return {R::SameLessonDay};
    for (int t = 0; t < a.teachers; ++t) {
        const TeacherTimetable& tt = db.teacherTimetables.rows[a.teacherRow[t]];
        if (!dailyMaximumOk(run, a, tt)) return {R::DailyMaximum, tt.teacherId};
    }
    if (run.state.annexInUse && !buildingChangeOk(run, a)) return {R::BuildingChange};
    for (int t = 0; t < a.teachers; ++t) {
        const TeacherTimetable& tt = db.teacherTimetables.rows[a.teacherRow[t]];
        if (!gapsOk(run, a, tt)) return {R::Gaps, tt.teacherId};
    }
    if (!dayBetweenPartsOk(run, a)) return {R::DayBetweenParts};
    if (!otherHourOtherDayOk(run, a)) return {R::OtherHourOtherDay};
    if (!sameClassOtherLessonOk(run, a)) return {R::SameClassOtherLesson};
    if (!lessonGroupOk(run, a)) return {R::LessonGroup};
    return {};
}

// A run tries every guidance lesson still to place at its fixed cell, and such a try
// turns the blocks-on-pairs rule off for the rest of the run.
bool guidanceTried(Database& db) {
    bool tried = false;
    placeGuidanceStep(db, [&](Id, Id classId, Id lessonId, int) {
        tried = tried || nextBlock(db, classId, lessonId) > 0;
        return false;
    });
    return tried;
}

} // namespace

LessonExplanation explainLesson(const Database& original, Id classId, Id lessonId) {
    LessonExplanation out;
    auto copy = std::make_unique<Database>(original);
    Database& db = *copy;
    const int length = nextBlock(db, classId, lessonId);
    out.blockLength = length;
    PlacementAttempt a;
    if (length <= 0 || !fillAttempt(db, a, classId, lessonId)) {
        for (auto& c : out.cells) c.reason = R::NothingLeft;
        return out;
    }
    a.length = length;
    for (int t = 0; t < a.teachers; ++t) {
        const Id id = db.teacherTimetables.rows[a.teacherRow[t]].teacherId;
        updateTeacherWeeklyTotals(db, id);
        PrepareTeacher(db, id);
    }
    RunObserver quiet;
    AutoRun run(db, quiet, fixedSettings(db.settings));
    run.state.settingsPhase = 1;
    run.state.currentLevel = 1;
    run.state.sweepNo = 2;
    run.state.attemptDepth = 1;
    run.state.pairsOnly = effectiveBlocksOnPairs(db) != 0 && !guidanceTried(db);
    run.state.annexInUse = std::any_of(db.classes.begin(), db.classes.end(),
                                       [&](const SchoolClass& c) { return db.annexFlags[c.id]; });

    const TeacherTimetable& first = firstTeacherGrid(run, a);
    const ClassTimetable& ct = firstClassGrid(run, a);
    for (int slot = 1; slot <= kSlots; ++slot) {
        CellExplanation& e = out.cells[slotIndex(slot)];
        const int day = dayOf(slot), hour = hourOf(slot);
        const DayWindow w = dayWindow(ct, day);
        if (!w.contains(hour) || hour + length - 1 > w.last) {
            e = {R::OutsideClassHours, 0, a.firstClass()};
            continue;
        }
        if (run_values::dayFirstHour(first, day) == 0) {
            e = {R::TeacherNoHours, first.teacherId};
            continue;
        }
        if (a.lesson->notAtHour != 0 && length >= 2 && hour == a.lesson->notAtHour) {
            e = {R::NotAtHour};
            continue;
        }
        a.day = day;
        a.hour = hour;
        a.cell = slot;
        const int notAfterHour = a.lesson->notAfterHour;
        if (notAfterHour != 0 && hour + length - w.first > notAfterHour && earlyRoom(run, a)) {
            e = {R::NotAfterHour};
            continue;
        }
        if (pairsRefuse(run, a)) {
            e = {R::BlocksOnPairs};
            continue;
        }
        e = occupancy(db, a);
        if (e.reason == R::Fits) e = rules(run, a);
    }
    return out;
}

CellExplanation handRefusal(const Database& db, Id classId, Id lessonId, int slot) {
    if (CanPlace(db, slot, classId, lessonId)) return {};
    const ClassTimetable* ct = db.classTimetables.find(classId);
    const Lesson* lesson = db.lessons.find(lessonId);
    if (!ct || !lesson || !validSlot(slot) || lesson->weeklyHours <= placedCount(*ct, lessonId))
        return {R::NothingLeft, 0, classId, lessonId};
    if (!dayWindow(*ct, dayOf(slot)).contains(hourOf(slot)))
        return {R::OutsideClassHours, 0, classId};
    PlacementAttempt a;
    if (!fillAttempt(db, a, classId, lessonId)) return {R::NothingLeft, 0, classId, lessonId};
    a.length = 1;
    a.day = dayOf(slot);
    a.hour = hourOf(slot);
    a.cell = slot;
    return occupancy(db, a);
}

std::string explanationText(const Database& db, const CellExplanation& e) {
    auto teacher = [&] {
        const Teacher* t = db.teachers.find(e.teacherId);
        return t ? t->name : std::string();
    };
    auto cls = [&] {
        const SchoolClass* c = db.classes.find(e.classId);
        return c ? c->name + " " + c->section : std::string();
    };
    auto lesson = [&] {
        const Lesson* l = db.lessons.find(e.lessonId);
        return l ? l->name : std::string();
    };
    auto room = [&] {
        const Room* r = db.rooms.find(e.roomId);
        return r ? r->name : std::string();
    };
    auto lit = [](const char* s) { return cp1254::lit(s); };
    switch (e.reason) {
    case R::Fits:
        return lit("Yerleşebilir.");
    case R::NothingLeft:
        return lit("Dersin bütün saatleri yerleşmiş.");
    case R::OutsideClassHours:
        return lit("Sınıfın o günkü ders saatleri dışında.");
    case R::TeacherNoHours:
        return teacher() + lit(": o gün çalışma saati yok.");
    case R::NotAtHour:
        return lit("Dersin blokları bu saatte başlayamaz.");
    case R::NotAfterHour:
        return lit("Dersin son saatinden sonra; bir günde daha erken yer var.");
    case R::BlocksOnPairs:
        return lit("Kural: çift saatlik bloklar çift saatte başlayamaz.");
    case R::TeacherClosed:
        return teacher() + lit(": alan kapalı.");
    case R::ClassClosed:
        return cls() + lit(" sınıfında alan kapalı.");
    case R::RoomClosed:
        return room() + lit(" dersliğinde alan kapalı.");
    case R::TeacherBusy:
        return teacher() + lit(" dolu: ") + cls() + " " + lesson() + ".";
    case R::ClassBusy:
        return cls() + lit(" sınıfı dolu: ") + lesson() + ".";
    case R::RoomBusy:
        return room() + lit(" dersliği dolu: ") + cls() + ".";
    case R::SameLessonDay:
        return lit("Kural: aynı ders aynı gün.");
    case R::DailyMaximum:
        return teacher() + lit(": günlük en çok ders saati.");
    case R::BuildingChange:
        return lit("Kural: bina değişimi.");
    case R::Gaps:
        return teacher() + lit(": boş saat kuralı.");
    case R::DayBetweenParts:
        return lit("Kural: dersin bölümleri arasında bir gün boşluk.");
    case R::OtherHourOtherDay:
        return lit("Kural: başka günlerde başka saatler.");
    case R::SameClassOtherLesson:
        return lit("Kural: aynı sınıfa başka ders başka gün.");
    case R::LessonGroup:
        return lit("Kural: aynı gruptan dersler başka günlere.");
    }
    return {};
}

} // namespace zs::sched
