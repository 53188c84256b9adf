// The rules counted on a teacher's grid: the gap limit, the daily maximum, building changes
// and the same teacher's other lesson in a class on one day.
#include "break_list.h"
#include "day_bits.h"
#include "prepare_teacher.h"
#include "rule_breaks.h"
#include "slots.h"

#include <algorithm>
#include <bit>

namespace zs {

using rule_detail::note;

namespace {

Id at(const Plane& p, int day, int hour) {
    return p[slotIndex(slotOf(day, hour))];
}

} // namespace

int plainGaps(const TeacherTimetable& tt) {
    int gaps = 0;
    for (int d = 1; d <= kDays; ++d) {
        int pending = 0;
        bool seen = false;
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const int i = slotIndex(slotOf(d, h));
            if (tt.planes[kOccupantPlane][i] != 0) {
                if (seen) gaps += pending;
                seen = true;
                pending = 0;
            } else if (seen && tt.planes[kOpenPlane][i] != 0) {
                ++pending;
            }
        }
    }
    return gaps;
}

namespace {

// The gaps of one day, and the hours of them beyond `between` in a row.
void gapsOn(const TeacherTimetable& tt, int d, int between, int& gaps, int& longGaps) {
    // The day as bits: each stretch between two lessons in turn.
    const unsigned taken = dayBits(tt.planes[kOccupantPlane], d);
    if (taken == 0) return;
    const unsigned empty = dayBits(tt.planes[kOpenPlane], d) & ~taken;
    int previous = std::countr_zero(taken);
    for (unsigned rest = taken & (taken - 1); rest != 0; rest &= rest - 1) {
        const int next = std::countr_zero(rest);
        const unsigned stretch = ((1u << next) - 1) & ~((2u << previous) - 1);
        const int pending = countBits(empty & stretch);
        gaps += pending;
        if (pending > between) longGaps += pending - between;
        previous = next;
    }
}

// The gap figures of the week from those of its days.
TeacherGaps weekGaps(const Database& db, const TeacherTimetable& tt, const TeacherWeek& week) {
    TeacherGaps g;
    g.limited = tt.effectiveRules[kAllowGaps] != 1;
    if (!g.limited) return g;
    const int allowed = tt.effectiveRules[kMaxGapsPerWeek];
    const bool perDay = db.settings.gapLimitPerDay == 1;
    for (const TeacherDay& day : week) {
        g.gaps += day.gaps;
        g.longGaps += day.longGaps;
        if (perDay) g.gapsOverLimit += std::max(0, day.gaps - allowed);
    }
    if (!perDay) g.gapsOverLimit = std::max(0, g.gaps - allowed);
    return g;
}

} // namespace

TeacherGaps teacherGaps(const Database& db, const TeacherTimetable& tt) {
    if (tt.effectiveRules[kAllowGaps] == 1) return {};
    TeacherWeek week{};
    for (int d = 1; d <= kDays; ++d)
        gapsOn(tt, d, tt.effectiveRules[kMaxGapBetween], week[d - 1].gaps, week[d - 1].longGaps);
    return weekGaps(db, tt, week);
}

namespace {

int gapLimit(const TeacherGaps& g, const TeacherTimetable& tt, BreakList out) {
    if (!g.over()) return 0;
    note(out, {Rule::GapLimit, tt.teacherId});
    return 1;
}

} // namespace

int gapLimitBreaks(const Database& db, const TeacherTimetable& tt, BreakList out) {
    return gapLimit(teacherGaps(db, tt), tt, out);
}

namespace {

int dailyMaximumOn(const TeacherTimetable& tt, int d, BreakList out) {
    const int maxDay = tt.effectiveRules[kMaxHoursPerDay];
    if (maxDay == 0) return 0;
    const unsigned taken = dayBits(tt.planes[kOccupantPlane], d);
    const int placed = countBits(taken);
    if (placed <= maxDay) return 0;
    int longest = 0;
    for (unsigned rest = taken; rest != 0; rest &= rest - 1)
        longest = std::max<int>(longest, tt.planes[kBlockLengthPlane][std::size_t(
                                             slotIndex(slotOf(d, std::countr_zero(rest) + 1)))]);
    if (placed <= longest) return 0;
    note(out, {Rule::DailyMaximum, tt.teacherId, 0, 0, d, std::countr_zero(taken) + 1,
               int(std::bit_width(taken))});
    return 1;
}

int buildingsOn(const Database& db, const TeacherTimetable& tt, int d, BreakList out) {
    int changes = 0, previousHour = 0, first = 0, last = 0;
    bool tight = false;
    u8 previous = 0;
    for (int h = 1; h <= kHoursPerDay; ++h) {
        const Id c = at(tt.planes[kOccupantPlane], d, h);
        if (c == 0) continue;
        const u8 annex = db.annexFlags[c];
        if (previousHour != 0 && annex != previous) {
            ++changes;
            if (first == 0) first = previousHour;
            last = h;
            tight = tight || previousHour == h - 1;
        }
        previous = annex;
        previousHour = h;
    }
    if (changes <= 1 && !tight) return 0;
    note(out, {Rule::Buildings, tt.teacherId, 0, 0, d, first, last});
    return 1;
}

int sameClassOtherLessonOn(const Database& db, const TeacherTimetable& tt, int d, BreakList out) {
    if (tt.effectiveRules[kSameClassOtherDay] == 0) return 0;
    // Per class of the day: its first lesson, whether another follows, the blocks, the
    // longest block and the hours spanned.
    struct Seen {
        Id lesson = 0;
        bool other = false;
        u8 blocks = 0;
        u8 longest = 0;
        u8 first = 0;
        u8 last = 0;
    };
    // Most days hold no class twice: only those are looked at closer.
    std::array<Id, kHoursPerDay> starts{};
    int blocks = 0;
    bool twice = false;
    for (int h = 1; h <= kHoursPerDay && !twice; ++h) {
        const int i = slotIndex(slotOf(d, h));
        const Id c = tt.planes[kOccupantPlane][i];
        if (c == 0 || tt.planes[kBlockStartPlane][i] != slotOf(d, h)) continue;
        for (int k = 0; k < blocks; ++k) twice = twice || starts[k] == c;
        starts[blocks++] = c;
    }
    if (!twice) return 0;
    std::array<Seen, kHoursPerDay> seen{};
    std::array<Id, kHoursPerDay> classOf{};
    int classes = 0, count = 0;
    for (int h = 1; h <= kHoursPerDay; ++h) {
        const int i = slotIndex(slotOf(d, h));
        const Id c = tt.planes[kOccupantPlane][i];
        const ClassTimetable* ct = c ? db.classTimetables.find(c) : nullptr;
        if (!ct) continue;
        int k = 0;
        while (k < classes && classOf[k] != c) ++k;
        if (k == classes) classOf[classes++] = c;
        Seen& x = seen[k];
        const Id l = ct->planes[kOccupantPlane][i];
        if (x.lesson == 0) x.lesson = l;
        x.other = x.other || l != x.lesson;
        if (tt.planes[kBlockStartPlane][i] == slotOf(d, h)) ++x.blocks;
        x.longest = std::max(x.longest, tt.planes[kBlockLengthPlane][i]);
        if (x.first == 0) x.first = u8(h);
        x.last = u8(h);
    }
    for (int k = 0; k < classes; ++k) {
        const Seen& x = seen[k];
        if (!x.other || (x.blocks == 2 && x.longest == 1)) continue;
        ++count;
        note(out, {Rule::SameClassOtherLesson, tt.teacherId, classOf[k], 0, d, x.first, x.last});
    }
    return count;
}

// A teacher rule counted over the week, day by day.
template <class On> int overWeek(On on) {
    int count = 0;
    for (int d = 1; d <= kDays; ++d) count += on(d);
    return count;
}

} // namespace

int dailyMaximumBreaks(const TeacherTimetable& tt, BreakList out) {
    return overWeek([&](int d) { return dailyMaximumOn(tt, d, out); });
}

int buildingBreaks(const Database& db, const TeacherTimetable& tt, BreakList out) {
    return overWeek([&](int d) { return buildingsOn(db, tt, d, out); });
}

int sameClassOtherLessonBreaks(const Database& db, const TeacherTimetable& tt, BreakList out) {
    return overWeek([&](int d) { return sameClassOtherLessonOn(db, tt, d, out); });
}

TeacherDay teacherDay(const Database& db, const TeacherTimetable& tt, int day,
                      const RulesHeld& held) {
    TeacherDay t;
    gapsOn(tt, day, tt.effectiveRules[kMaxGapBetween], t.gaps, t.longGaps);
    t.overMaximum = dailyMaximumOn(tt, day, nullptr);
    if (held[Rule::Buildings]) t.buildings = buildingsOn(db, tt, day, nullptr);
    t.sameClass = sameClassOtherLessonOn(db, tt, day, nullptr);
    return t;
}

RuleCounts weekBreaks(const Database& db, const TeacherTimetable& tt, const TeacherWeek& week,
                      TeacherGaps* gaps) {
    RuleCounts c;
    if (!db.teachers.contains(tt.teacherId)) return c;
    const TeacherGaps g = weekGaps(db, tt, week);
    if (gaps) *gaps = g;
    c[Rule::GapLimit] = g.over() ? 1 : 0;
    for (const TeacherDay& d : week) {
        c[Rule::DailyMaximum] += d.overMaximum;
        c[Rule::Buildings] += d.buildings;
        c[Rule::SameClassOtherLesson] += d.sameClass;
    }
    return c;
}

TeacherWeek teacherWeek(const Database& db, const TeacherTimetable& tt, const RulesHeld& held) {
    TeacherWeek week;
    for (int d = 1; d <= kDays; ++d) week[d - 1] = teacherDay(db, tt, d, held);
    return week;
}

RuleCounts teacherBreaks(const Database& db, const TeacherTimetable& tt, BreakList out,
                         TeacherGaps* gaps) {
    RuleCounts c;
    if (!db.teachers.contains(tt.teacherId)) return c;
    const TeacherGaps g = teacherGaps(db, tt);
    if (gaps) *gaps = g;
    c[Rule::GapLimit] = gapLimit(g, tt, out);
    c[Rule::DailyMaximum] = dailyMaximumBreaks(tt, out);
    c[Rule::Buildings] = buildingBreaks(db, tt, out);
    c[Rule::SameClassOtherLesson] = sameClassOtherLessonBreaks(db, tt, out);
    return c;
}

} // namespace zs
