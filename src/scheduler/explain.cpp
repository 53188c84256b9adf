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
#include "scheduler.h"

#include "core/cp1254.h"
#include "core/display_names.h"

#include <algorithm>
#include <memory>

namespace zs::sched {

namespace {

using R = CellReason;

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
    prepareLessonTeachers(db, classId, lessonId);
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
    int early = -1;
    for (int slot = 1; slot <= kSlots; ++slot) {
        CellExplanation& e = out.cells[slotIndex(slot)];
        const int day = dayOf(slot), hour = hourOf(slot);
        a.day = day;
        a.hour = hour;
        a.cell = slot;
        const DayWindow w = attemptWindow(db, a, day);
        if (!w.contains(hour) || hour + length - 1 > w.last)
            e = {R::OutsideClassHours, 0, a.firstClass()};
        else if (run_values::dayFirstHour(first, day) == 0)
            e = {R::TeacherNoHours, first.teacherId};
        else if (e = hourFilter(run, a, hour, w, early); !e.fits())
            ;
        else if (pairsRefuse(run, a))
            e = {R::BlocksOnPairs};
        else if (e = blockObstacle(db, a); e.fits())
            e = ruleObstacle(run, a);
        e.handAllowed = CanPlace(original, slot, classId, lessonId);
    }
    return out;
}

CellExplanation handRefusal(const Database& db, Id classId, Id lessonId, int slot) {
    if (CanPlace(db, slot, classId, lessonId)) return {};
    const ClassTimetable* ct = db.classTimetables.find(classId);
    const Lesson* lesson = db.lessons.find(lessonId);
    if (!ct || !lesson || !validSlot(slot) || lesson->weeklyHours <= placedCount(*ct, lessonId))
        return {R::NothingLeft, 0, classId, lessonId};
    PlacementAttempt a;
    if (!fillAttempt(db, a, classId, lessonId)) return {R::NothingLeft, 0, classId, lessonId};
    a.length = 1;
    a.day = dayOf(slot);
    a.hour = hourOf(slot);
    a.cell = slot;
    // The search's own tests: the day every member class shares, then the closed and
    // busy cells of all teachers, classes and rooms.
    if (!attemptWindow(db, a, a.day).contains(a.hour))
        return {R::OutsideClassHours, 0, a.firstClass()};
    return blockObstacle(db, a);
}

namespace {

std::string reasonText(const Database& db, const CellExplanation& e) {
    auto teacher = [&] { return teacherName(db, e.teacherId); };
    auto cls = [&] { return classTitle(db, e.classId); };
    auto lesson = [&] { return lessonName(db, e.lessonId); };
    auto room = [&] { return roomName(db, e.roomId); };
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

} // namespace

std::string explanationText(const Database& db, const CellExplanation& e) {
    const std::string text = reasonText(db, e);
    if (e.reason == R::Fits || e.reason == R::NothingLeft) return text;
    // A refusal of the run's own rules does not stop the hand: say which kind it is.
    return text + cp1254::lit(e.handAllowed
                                  ? " Otomatik yerleştirmenin kuralı; elle yerleştirilebilir."
                                  : " Elle de yerleştirilemez.");
}

} // namespace zs::sched
