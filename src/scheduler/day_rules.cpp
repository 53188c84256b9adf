#include "day_rules.h"

#include "rules/daily_hours.h"
#include "rules/day_bits.h"
#include "rules/prepare_teacher.h"
#include "rules/slots.h"

#include <algorithm>
#include <bit>

namespace zs::sched {

namespace rv = run_values;

namespace {

const Plane& classOccupants(const AutoRun& run, const PlacementAttempt& a) {
    return firstClassGrid(run, a).planes[kOccupantPlane];
}

Id at(const Plane& occupants, int day, int hour) {
    return occupants[slotIndex(slotOf(day, hour))];
}

// The hours of the class's day window that hold the attempt's lesson.
struct LessonOnDay {
    int count = 0;
    int first = 0;
    int last = 0;
};

LessonOnDay lessonOnDay(const AutoRun& run, const PlacementAttempt& a, int day) {
    LessonOnDay l;
    const DayWindow w = dayWindow(firstClassGrid(run, a), day);
    if (w.empty()) return l;
    const unsigned hours =
        dayBitsOf(classOccupants(run, a), day, a.firstClassLesson()) & hourBits(w.first, w.last);
    if (hours == 0) return l;
    l.count = countBits(hours);
    l.first = std::countr_zero(hours) + 1;
    l.last = std::bit_width(hours);
    return l;
}

bool phaseApplies(const AutoRun& run, const PlacementAttempt& a, int ruleByte) {
    if (run.state.settingsPhase == 0) return true;
    return firstTeacherGrid(run, a).effectiveRules[ruleByte] != 0 &&
           (a.patternBlocks == 0 || a.patternBlocks == 2);
}

} // namespace

bool sameLessonPerDay(const AutoRun& run, const PlacementAttempt& a) {
    const Settings& s = run.db.settings;
    const LessonOnDay on = lessonOnDay(run, a, a.day);
    const bool adjacent = on.count > 0 && (on.last == a.hour - 1 || on.first == a.hour + a.length);
    if (on.count == 1 && a.length == 1 && s.mergeOnePlusOne == 1 && adjacent) return true;
    if (s.moreThanTwoPerDay == 1 && a.weeklyHours > 6 && a.length + on.count < 4) return true;
    if (on.count == 0) return a.length > 1 || a.weeklyHours < 10;
    if (a.weeklyHours <= 7) return false;
    const int perBlock = nearestEven(a.weeklyHours, a.lesson->blockCount);
    if (perBlock + rv::dayQuota(firstTeacherGrid(run, a)) < on.count + a.length) return false;
    if (adjacent) return true;
    const int between =
        on.last < a.hour ? a.hour - on.last - 1 : on.first - (a.hour + a.length - 1) - 1;
    return a.weeklyHours > 10 && a.length == 2 && on.count == 2 && between > 1;
}

bool dailyMaximumOk(const AutoRun&, const PlacementAttempt& a, const TeacherTimetable& tt) {
    const int maxHours = tt.effectiveRules[kMaxHoursPerDay];
    int limit = maxHours;
    if (a.length >= maxHours) {
        limit = a.length;
    } else if (rv::evenSpreadInForce(tt) != 0) {
        const int base = rv::dailyLow(tt);
        int counted = 0;
        int excess = 0;
        for (int d = 1; d <= kDays; ++d) {
            const int placed = tt.placedOnDay[d - 1];
            if (placed >= base || placed >= 2 || rv::dayFirstHour(tt, d) == 0) ++counted;
            if (placed > base) excess += placed - base;
        }
        const int full = counted == kDays ? 1 : 0;
        if (excess + a.length - 1 >= rv::overflowAllowance(tt) && full == 0)
            limit = base;
        else
            limit = std::min(maxHours, rv::dailyHigh(tt) + rv::twoBlockFit(tt) * full);
    }
    return tt.placedOnDay[a.day - 1] + a.length <= limit;
}

bool buildingChangeOk(const AutoRun& run, const PlacementAttempt& a) {
    if (!run.state.annexInUse) return true;
    const TeacherTimetable& tt = firstTeacherGrid(run, a);
    const auto& annex = run.db.annexFlags;
    auto occupant = [&](int h) { return tt.planes[kOccupantPlane][slotIndex(slotOf(a.day, h))]; };
    auto other = [&](int h) { return occupant(h) != 0 && annex[occupant(h)] != a.annex; };
    auto own = [&](int h) { return occupant(h) != 0 && annex[occupant(h)] == a.annex; };
    const int after = a.hour + a.length;
    if (a.hour >= 2 && other(a.hour - 1)) return false;
    if (after < kHoursPerDay && other(after)) return false;
    bool otherBefore = false;
    for (int h = a.hour - 1; h >= 1; --h) {
        if (other(h))
            otherBefore = true;
        else if (own(h) && otherBefore && a.hour >= 3)
            return false;
    }
    bool otherAfter = false;
    for (int h = after; h <= kHoursPerDay; ++h) {
        if (other(h))
            otherAfter = true;
        else if (own(h) && otherAfter && a.hour < 14 - a.length)
            return false;
    }
    return !(otherBefore && otherAfter);
}

bool dayBetweenPartsOk(const AutoRun& run, const PlacementAttempt& a) {
    if (!phaseApplies(run, a, kDayBetweenParts)) return true;
    for (int d : {a.day - 1, a.day + 1})
        if (validDay(d) && lessonOnDay(run, a, d).count > 0) return false;
    return true;
}

bool otherHourOtherDayOk(const AutoRun& run, const PlacementAttempt& a) {
    if (!phaseApplies(run, a, kOtherHourOtherDay)) return true;
    const Plane& occupants = classOccupants(run, a);
    for (int d = 1; d <= kDays; ++d)
        for (int h = a.hour; h < a.hour + a.length; ++h)
            if (at(occupants, d, h) == a.firstClassLesson()) return false;
    return true;
}

bool sameClassOtherLessonOk(const AutoRun& run, const PlacementAttempt& a) {
    const TeacherTimetable& tt = firstTeacherGrid(run, a);
    if (run.state.settingsPhase == 1 && tt.effectiveRules[kSameClassOtherDay] == 0) return true;
    const DayWindow w = dayWindow(firstClassGrid(run, a), a.day);
    const Plane& occupants = classOccupants(run, a);
    int count = 0;
    for (int h = w.first; !w.empty() && h <= w.last; ++h) {
        const int i = slotIndex(slotOf(a.day, h));
        if (tt.planes[kOccupantPlane][i] == a.firstClass() && occupants[i] != 0 &&
            occupants[i] != a.firstClassLesson())
            ++count;
    }
    return count == 0 || count + a.length <= 2;
}

bool lessonGroupOk(const AutoRun& run, const PlacementAttempt& a) {
    if (a.lessonGroup == 0 || firstTeacherGrid(run, a).effectiveRules[kGroupOtherDay] == 0)
        return true;
    const DayWindow w = dayWindow(firstClassGrid(run, a), a.day);
    const Plane& occupants = classOccupants(run, a);
    int count = 0;
    for (int h = w.first; !w.empty() && h <= w.last; ++h) {
        const Lesson* l = run.db.lessons.find(at(occupants, a.day, h));
        if (l && l->groupId == a.lessonGroup) ++count;
    }
    return !(a.length < 3 && count + a.length > run.state.groupLevel + 2);
}

CellExplanation chainObstacle(const AutoRun& run, const PlacementAttempt& a) {
    using R = CellReason;
    const auto& teachers = run.db.teacherTimetables.rows;
    for (int t = 0; t < a.teachers; ++t)
        if (!dailyMaximumOk(run, a, teachers[a.teacherRow[t]]))
            return {R::DailyMaximum, teachers[a.teacherRow[t]].teacherId};
    if (!buildingChangeOk(run, a)) return {R::BuildingChange};
    for (int t = 0; t < a.teachers; ++t)
        if (!gapsOk(run, a, teachers[a.teacherRow[t]]))
            return {R::Gaps, teachers[a.teacherRow[t]].teacherId};
    if (!dayBetweenPartsOk(run, a)) return {R::DayBetweenParts};
    if (!otherHourOtherDayOk(run, a)) return {R::OtherHourOtherDay};
    if (!sameClassOtherLessonOk(run, a)) return {R::SameClassOtherLesson};
    if (!lessonGroupOk(run, a)) return {R::LessonGroup};
    return {};
}

bool ruleChain(const AutoRun& run, const PlacementAttempt& a) {
    return chainObstacle(run, a).fits();
}

CellExplanation ruleObstacle(const AutoRun& run, const PlacementAttempt& a) {
    if (!sameLessonPerDay(run, a)) return {CellReason::SameLessonDay};
    return chainObstacle(run, a);
}

} // namespace zs::sched
