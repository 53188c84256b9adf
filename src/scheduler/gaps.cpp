// Gaps in a teacher's day: the count over the week and the hole a removal would leave.
#include "day_rules.h"

#include "rules/day_bits.h"
#include "rules/prepare_teacher.h"
#include "rules/slots.h"

#include <algorithm>

namespace zs::sched {

namespace rv = run_values;

namespace {

bool occupied(const TeacherTimetable& tt, int day, int hour) {
    return tt.planes[kOccupantPlane][slotIndex(slotOf(day, hour))] != 0;
}
bool openEmpty(const TeacherTimetable& tt, int day, int hour) {
    const int i = slotIndex(slotOf(day, hour));
    return tt.planes[kOccupantPlane][i] == 0 && tt.planes[kOpenPlane][i] != 0;
}

// Empty open hours from `hour` stepping by `step` up to the next lesson; -1 when the day
// ends first.
int emptyUntilLesson(const TeacherTimetable& tt, int day, int hour, int step) {
    int empties = 0;
    for (int h = hour; h >= 1 && h <= kHoursPerDay; h += step) {
        if (occupied(tt, day, h)) return empties;
        if (openEmpty(tt, day, h)) ++empties;
    }
    return -1;
}

} // namespace

int teacherGapCount(const TeacherTimetable& tt, int onlyDay, int cap) {
    int count = 0;
    for (int day = 1; day <= kDays; ++day) {
        if (onlyDay != 0 && day != onlyDay) continue;
        const int first = rv::dayFirstHour(tt, day);
        const int last = rv::dayLastHour(tt, day);
        if (first == 0 || last - first + 1 == tt.placedOnDay[day - 1]) continue;
        const unsigned taken = dayBits(tt.planes[kOccupantPlane], day);
        if (taken == 0) continue;
        const unsigned empty = dayBits(tt.planes[kOpenPlane], day) & ~taken;
        count += countBits(empty & bitsBetween(taken));
        if (count >= cap) return count;
    }
    return count;
}

int allowedGap(const AutoRun& run, const TeacherTimetable& tt, int day) {
    if (run.state.settingsPhase == 0) return 0;
    const int weekly = tt.effectiveRules[kMaxGapsPerWeek];
    if (weekly == 0) return 0;
    const int onlyDay = run.db.settings.gapLimitPerDay == 1 ? day : 0;
    const int current = teacherGapCount(tt, onlyDay, weekly);
    if (current >= weekly) return 0;
    return std::min<int>(tt.effectiveRules[kMaxGapBetween], weekly - current);
}

bool holeTest(const AutoRun& run, const TeacherTimetable& tt, int day, int hour, int length) {
    if (tt.effectiveRules[kAllowGaps] == 1) return false;
    const int first = rv::dayFirstHour(tt, day);
    const int last = rv::dayLastHour(tt, day);
    if (!(first + length < hour && hour < last - length)) return false;
    const int before = emptyUntilLesson(tt, day, hour - 1, -1);
    const int after = emptyUntilLesson(tt, day, hour + length, 1);
    if (before < 0 || after < 0) return false;
    return before + after + length >= allowedGap(run, tt, day);
}

bool gapsOk(const AutoRun& run, const PlacementAttempt& a, const TeacherTimetable& tt) {
    if (tt.effectiveRules[kAllowGaps] == 1 || tt.placedOnDay[a.day - 1] == 0) return true;
    const int first = rv::dayFirstHour(tt, a.day);
    const int last = rv::dayLastHour(tt, a.day);
    const int before = a.hour - 1;
    const int after = a.hour + a.length;
    const bool touchesBefore = before >= 1 && before >= first && occupied(tt, a.day, before);
    const bool touchesAfter = after <= kHoursPerDay && after <= last && occupied(tt, a.day, after);
    if (touchesBefore || touchesAfter) return true;
    const int allowed = allowedGap(run, tt, a.day);
    const int back = emptyUntilLesson(tt, a.day, before, -1);
    if (back >= 0 && back <= allowed) return true;
    const int forward = emptyUntilLesson(tt, a.day, after, 1);
    return forward >= 0 && forward <= allowed;
}

} // namespace zs::sched
