#include "prepare_teacher.h"

#include "daily_hours.h"
#include "slots.h"
#include "totals.h"

#include <algorithm>
#include <array>
#include <string>

namespace zs {

namespace rv = run_values;

namespace {

u8 saturate(int v) {
    return static_cast<u8>(std::clamp(v, 0, 255));
}

struct BlockCounts {
    int ones = 0;
    int twos = 0;
    int longs = 0;
    int evenHours = 0;
};

// What the teacher's lessons say: the union of the class windows, the blocks of the
// patterns, the blocks per class and the buildings taught in.
struct LessonSurvey {
    std::array<bool, kSlots> marked{};
    BlockCounts blocks;
    bool classOverFourBlocks = false;
    bool annexClass = false;
    bool mainClass = false;
};

LessonSurvey survey(const Database& db, Id teacherId) {
    LessonSurvey s;
    std::array<int, 256> blocksPerClass{};
    for (const TeacherLesson& tl : db.teacherLessons) {
        if (tl.teacherId != teacherId) continue;
        if (const ClassTimetable* grid = db.classTimetables.find(tl.classId))
            for (int day = 1; day <= kDays; ++day) {
                const DayWindow w = dayWindow(*grid, day);
                for (int h = w.first; !w.empty() && h <= w.last; ++h)
                    s.marked[slotIndex(slotOf(day, h))] = true;
            }
    }
    for (const TeacherLesson& tl : db.teacherLessons) {
        if (tl.teacherId != teacherId) continue;
        if (db.annexFlags[tl.classId])
            s.annexClass = true;
        else
            s.mainClass = true;
        const ClassLesson* cl = db.classLessons.find(tl.classId, tl.lessonId);
        if (!cl) continue;
        blocksPerClass[tl.classId] += cl->blockCount;
        if (blocksPerClass[tl.classId] > 4) s.classOverFourBlocks = true;
        for (u8 p : cl->pattern) {
            if (p == 1) ++s.blocks.ones;
            if (p == 2) ++s.blocks.twos;
            if (p > 2) ++s.blocks.longs;
            if (p % 2 == 0) s.blocks.evenHours += p;
        }
    }
    return s;
}

struct WindowFigures {
    int marked = 0;  // U
    int open = 0;    // O
    int closed = 0;  // C
    int oddRuns = 0; // R
};

// Day windows from the marked slots, the closed cells within them and the open runs of
// odd length.
WindowFigures analyseWindows(TeacherTimetable& tt, const LessonSurvey& s) {
    WindowFigures f;
    const Plane& open = tt.planes[kOpenPlane];
    const Plane& occupant = tt.planes[kOccupantPlane];
    for (int i = 0; i < kSlots; ++i)
        if (s.marked[i]) {
            ++f.marked;
            if (open[i] == 1) ++f.open;
        }
    for (int day = 1; day <= kDays; ++day) {
        int first = 0;
        int last = 0;
        for (int h = 1; h <= kHoursPerDay; ++h)
            if (s.marked[slotIndex(slotOf(day, h))]) {
                if (first == 0) first = h;
                last = h;
            }
        rv::dayFirstHour(tt, day) = static_cast<u8>(first);
        rv::dayLastHour(tt, day) = static_cast<u8>(last);
        rv::usablePerDay(tt, day) = 0;
        if (first == 0) continue;
        int run = 0;
        for (int h = first; h <= last; ++h) {
            const int i = slotIndex(slotOf(day, h));
            if (open[i] != 0) {
                ++run;
                continue;
            }
            ++f.closed;
            if (occupant[i] == 0) ++rv::usablePerDay(tt, day);
            if (run % 2 == 1) ++f.oddRuns;
            run = 0;
        }
        if (run % 2 == 1) ++f.oddRuns;
    }
    return f;
}

bool closedEmpty(const TeacherTimetable& tt, int day, int hour) {
    const int i = slotIndex(slotOf(day, hour));
    return tt.planes[kOpenPlane][i] == 0 && tt.planes[kOccupantPlane][i] == 0;
}

// Drops the closed empty hours at both ends of each day's window; a window that is all
// closed becomes a day without working hours. Answers the number of such days.
int trimWindows(TeacherTimetable& tt) {
    int daysOff = 0;
    for (int day = 1; day <= kDays; ++day) {
        const int first = rv::dayFirstHour(tt, day);
        const int last = rv::dayLastHour(tt, day);
        if (first == 0 || last < first) {
            rv::dayFirstHour(tt, day) = 0;
            rv::dayLastHour(tt, day) = 0;
            ++daysOff;
            continue;
        }
        int leading = 0;
        while (first + leading <= last && closedEmpty(tt, day, first + leading)) ++leading;
        int trailing = 0;
        while (last - trailing >= first && closedEmpty(tt, day, last - trailing)) ++trailing;
        const int length = last - first + 1;
        if (length <= leading + trailing) {
            rv::dayFirstHour(tt, day) = 0;
            rv::dayLastHour(tt, day) = 0;
            ++daysOff;
            continue;
        }
        const int newFirst = first + leading;
        const int newLast = last - trailing;
        rv::dayFirstHour(tt, day) = static_cast<u8>(newFirst);
        rv::dayLastHour(tt, day) = static_cast<u8>(newLast);
        int closedInside = 0;
        for (int h = newFirst; h <= newLast; ++h)
            if (closedEmpty(tt, day, h)) ++closedInside;
        rv::usablePerDay(tt, day) = static_cast<u8>(newLast - newFirst + 1 - closedInside);
    }
    return daysOff;
}

void setDailyTargets(TeacherTimetable& tt, const BlockCounts& blocks, int workingDays, int maxHours,
                     u8 settingsEvenSpread) {
    const int total = tt.totalHours;
    rv::evenSpreadInForce(tt) = 1;
    int low = total / workingDays;
    if (low % 2 == 1) --low;
    if (low < 2) low = 2;
    const int cap = workingDays * low;
    int over = total > cap ? total - cap : 0;
    for (int day = 1; day <= kDays; ++day)
        if (rv::usablePerDay(tt, day) < low) over += low - rv::usablePerDay(tt, day);
    int high = low;
    rv::twoBlockFit(tt) = 2;
    if (2 * blocks.twos >= cap) {
        high = low + 2;
    } else {
        rv::twoBlockFit(tt) = 1;
        high = workingDays < over ? low + 2 : low + 1;
    }
    if (blocks.longs >= 1) {
        low = 2;
        high = maxHours;
        over = total > 10 ? total - 8 : 5;
    }
    rv::overflowAllowance(tt) = saturate(over);
    if (blocks.ones == 0 && total < 9) {
        low = 4;
        high = 4;
    }
    if (blocks.longs > 2 || total < 6) rv::evenSpreadInForce(tt) = 0;
    rv::evenSpreadInForce(tt) = std::min(rv::evenSpreadInForce(tt), settingsEvenSpread);
    rv::dailyLow(tt) = saturate(low);
    rv::dailyHigh(tt) = saturate(high);
}

} // namespace

int nearestEven(int numerator, int denominator) {
    if (denominator == 0) return 0;
    const bool negative = (numerator < 0) != (denominator < 0);
    const int n = numerator < 0 ? -numerator : numerator;
    const int d = denominator < 0 ? -denominator : denominator;
    int q = n / d;
    const int twiceRest = 2 * (n % d);
    if (twiceRest > d || (twiceRest == d && q % 2 == 1)) ++q;
    return negative ? -q : q;
}

PrepareOutcome PrepareTeacher(Database& db, Id teacherId) {
    PrepareOutcome out;
    TeacherTimetable* found = db.teacherTimetables.find(teacherId);
    if (!found) return out;
    TeacherTimetable& tt = *found;

    // A freedom granted globally or to the teacher holds; a restriction only when both ask.
    const RuleBytes global = db.settings.ruleBytes();
    for (int k = 0; k < 8; ++k) {
        const bool freedom = k <= kMaxGapBetween || k == kMaxHoursPerDay;
        tt.effectiveRules[k] = freedom ? std::max(global[k], tt.teacherRules[k])
                                       : std::min(global[k], tt.teacherRules[k]);
    }
    rv::dayQuota(tt) = 5;
    out.result = Preparation::NoHours;
    if (tt.totalHours == 0) return out;

    rv::bothShifts(tt) = tt.morningHours != 0 && tt.afternoonHours != 0 ? 1 : 0;
    const LessonSurvey s = survey(db, teacherId);
    rv::mixedBuildings(tt) = s.annexClass && s.mainClass ? 1 : 0;
    const WindowFigures f = analyseWindows(tt, s);
    const int perDay = nearestEven(f.marked, 5);
    rv::dayQuota(tt) = static_cast<u8>(nearestEven(f.closed + f.marked % 5, perDay));
    rv::slack(tt) = static_cast<u8>(f.marked - f.closed - tt.totalHours);

    const int unplaced = int(tt.totalHours) - int(tt.placedHours);
    out.cannotFit = unplaced > f.open || f.open - s.blocks.evenHours < f.oddRuns;
    if (s.classOverFourBlocks) tt.effectiveRules[kSameClassOtherDay] = 0;
    rv::spare5(tt) = 0;

    const int daysOff = trimWindows(tt);
    const int workingDays = kDays - daysOff;
    out.result = Preparation::NoWorkingDay;
    if (workingDays == 0) return out;

    int maxHours = tt.effectiveRules[kMaxHoursPerDay];
    while (maxHours * workingDays < tt.totalHours)
        maxHours += maxHours * workingDays < 2 * s.blocks.twos ? 2 : 1;
    tt.effectiveRules[kMaxHoursPerDay] = saturate(maxHours);

    setDailyTargets(tt, s.blocks, workingDays, maxHours, db.settings.evenSpread);
    if (daysOff > 1) {
        rv::evenSpreadInForce(tt) = 0;
        tt.effectiveRules[kDayBetweenParts] = 0;
    }
    if (rv::mixedBuildings(tt) == 1)
        tt.effectiveRules[kMaxGapsPerWeek] =
            static_cast<u8>(tt.effectiveRules[kMaxGapsPerWeek] + 2);
    out.result = Preparation::Prepared;
    return out;
}

std::vector<Id> teacherRunOrder(const Database& db, const std::vector<Id>& ids) {
    struct Keyed {
        Id id;
        std::string key;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(ids.size());
    for (Id id : ids) {
        const TeacherTimetable* tt = db.teacherTimetables.find(id);
        const bool both = tt && tt->morningHours != 0 && tt->afternoonHours != 0;
        const int slack = tt ? rv::slack(*tt) : 0;
        std::string key(1, both ? '1' : '0');
        key.append(std::to_string(99 - slack));
        keyed.push_back({id, std::move(key)});
    }
    // Neighbours are exchanged only when strictly out of order, so this is a stable sort.
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key > b.key; });
    std::vector<Id> out;
    out.reserve(keyed.size());
    for (const Keyed& k : keyed) out.push_back(k.id);
    return out;
}

std::unique_ptr<Database> preparedCopy(const Database& db) {
    auto copy = std::make_unique<Database>(db);
    for (const Teacher& t : copy->teachers) {
        updateTeacherWeeklyTotals(*copy, t.id);
        PrepareTeacher(*copy, t.id);
    }
    return copy;
}

} // namespace zs
