#include "rule_breaks.h"

#include "core/cp1254.h"
#include "day_bits.h"
#include "prepare_teacher.h"
#include "slots.h"

#include <algorithm>
#include <bit>

namespace zs {

namespace {

Id at(const Plane& p, int day, int hour) {
    return p[slotIndex(slotOf(day, hour))];
}

void note(BreakList out, const RuleBreak& b) {
    if (out) out->push_back(b);
}

// The runs of hours of one lesson on one day of the class grid, in day and hour order;
// fixed storage, since the moves of a run count these for every cell they try.
struct Block {
    Id lesson;
    u8 day;
    u8 first;
    u8 last;
};
struct ClassBlocks {
    int count = 0;
    std::array<Block, kSlots> at; // the first count in use
    std::array<u8, 256> daysOf{}; // bit d-1: the lesson has a block on day d
};

ClassBlocks blocksOf(const ClassTimetable& ct, int firstDay = 1, int lastDay = kDays) {
    ClassBlocks b;
    for (int d = firstDay; d <= lastDay; ++d) {
        const u8* hours = &ct.planes[kOccupantPlane][std::size_t(slotIndex(slotOf(d, 1)))];
        for (int h = 0; h < kHoursPerDay; ++h) {
            const Id l = hours[h];
            if (l == 0) continue;
            const int first = h;
            while (h + 1 < kHoursPerDay && hours[h + 1] == l) ++h;
            b.at[b.count++] = {l, u8(d), u8(first + 1), u8(h + 1)};
            b.daysOf[l] |= u8(1 << (d - 1));
        }
    }
    return b;
}

// The runs of one lesson on an occupant plane, read as bits, and the days it has.
struct LessonBlocks {
    int count = 0;
    std::array<Block, kSlots> at;
    u8 days = 0;
};

LessonBlocks lessonBlocksOn(const Plane& occupants, Id l) {
    LessonBlocks b;
    for (int d = 1; d <= kDays; ++d)
        for (unsigned hours = dayBitsOf(occupants, d, l); hours != 0;) {
            const int first = std::countr_zero(hours);
            const int length = std::countr_one(hours >> first);
            hours &= ~(((1u << length) - 1) << first);
            b.at[std::size_t(b.count++)] = {l, u8(d), u8(first + 1), u8(first + length)};
            b.days |= u8(1 << (d - 1));
        }
    return b;
}

// The rule byte in force for the class's lesson: its first teacher's, once per common
// group (its first member class answers for it); null when the lesson is not judged here.
const TeacherTimetable* judgingTeacher(const Database& db, const ClassTimetable& ct, Id lessonId,
                                       const ClassLesson** record) {
    const ClassLesson* cl = db.classLessons.find(ct.classId, lessonId);
    if (!cl || cl->teacherCount == 0) return nullptr;
    if (const CommonGroup* g = db.commonGroups.find(cl->commonGroupId))
        if (g->memberCount > 0 && g->memberClass[0] != ct.classId) return nullptr;
    *record = cl;
    return db.teacherTimetables.find(cl->teachers[0]);
}

Id firstTeacher(const Database& db, Id classId, Id lessonId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    return cl && cl->teacherCount > 0 ? cl->teachers[0] : Id{0};
}

bool twoPartLesson(const ClassLesson& cl) {
    return cl.blockCount == 0 || cl.blockCount == 2;
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

namespace {

// Calls judge(i, lesson, days, teacher) once per two-part lesson of the class whose days pass
// `wanted` and that has a judging teacher; i is the lesson's first block.
template <class Wanted, class Judge>
void forEachTwoPartLesson(const Database& db, const ClassTimetable& ct, const ClassBlocks& blocks,
                          Wanted wanted, Judge judge) {
    std::array<bool, 256> judged{};
    for (int i = 0; i < blocks.count; ++i) {
        const Id l = blocks.at[i].lesson;
        if (judged[l]) continue;
        judged[l] = true;
        const u8 days = blocks.daysOf[l];
        if (!wanted(days)) continue;
        const ClassLesson* cl = nullptr;
        const TeacherTimetable* tt = judgingTeacher(db, ct, l, &cl);
        if (tt && twoPartLesson(*cl)) judge(i, l, days, *tt);
    }
}

// The same for the lessons whose judging teacher holds `rule`.
template <class Wanted, class Judge>
void forEachJudgedLesson(const Database& db, const ClassTimetable& ct, const ClassBlocks& blocks,
                         int rule, Wanted wanted, Judge judge) {
    forEachTwoPartLesson(db, ct, blocks, wanted,
                         [&](int i, Id l, u8 days, const TeacherTimetable& tt) {
                             if (tt.effectiveRules[rule] != 0) judge(i, l, days, tt);
                         });
}

bool twoDaysInARow(u8 days) {
    return (days & (days >> 1)) != 0;
}
bool severalDays(u8 days) {
    return (days & (days - 1)) != 0;
}

// Each day of the lesson that follows a day of it, at its first block; i is the lesson's
// first block.
template <class Blocks>
int betweenPartsOf(const ClassTimetable& ct, const Blocks& blocks, int i, Id l, u8 days,
                   const TeacherTimetable& tt, BreakList out) {
    int count = 0;
    for (int d = 2; d <= kDays; ++d) {
        if ((days >> (d - 1) & days >> (d - 2) & 1) == 0) continue;
        int j = i;
        while (blocks.at[j].lesson != l || blocks.at[j].day != d) ++j;
        ++count;
        note(out, {Rule::DayBetweenParts, tt.teacherId, ct.classId, l, d, blocks.at[j].first,
                   blocks.at[j].last});
    }
    return count;
}

// The pairs of the lesson's blocks on different days sharing an hour.
template <class Blocks>
int otherHourOf(const ClassTimetable& ct, const Blocks& blocks, int i, Id l, u8 days,
                const TeacherTimetable& tt, BreakList out) {
    // The lesson's own blocks, in order; none lies beyond its last day.
    const int lastDay = std::bit_width(unsigned(days));
    std::array<const Block*, kSlots> own;
    int n = 0;
    for (int j = i; j < blocks.count && blocks.at[j].day <= lastDay; ++j)
        if (blocks.at[j].lesson == l) own[n++] = &blocks.at[j];
    int count = 0;
    for (int j = 0; j < n; ++j)
        for (int k = j + 1; k < n; ++k) {
            const Block& a = *own[j];
            const Block& b = *own[k];
            if (a.day == b.day || a.last < b.first || b.last < a.first) continue;
            ++count;
            note(out,
                 {Rule::OtherHourOtherDay, tt.teacherId, ct.classId, l, b.day, b.first, b.last});
        }
    return count;
}

int dayBetweenParts(const Database& db, const ClassTimetable& ct, const ClassBlocks& blocks,
                    BreakList out) {
    int count = 0;
    forEachJudgedLesson(db, ct, blocks, kDayBetweenParts, twoDaysInARow,
                        [&](int i, Id l, u8 days, const TeacherTimetable& tt) {
                            count += betweenPartsOf(ct, blocks, i, l, days, tt, out);
                        });
    return count;
}

int otherHourOtherDay(const Database& db, const ClassTimetable& ct, const ClassBlocks& blocks,
                      BreakList out) {
    int count = 0;
    forEachJudgedLesson(db, ct, blocks, kOtherHourOtherDay, severalDays,
                        [&](int i, Id l, u8 days, const TeacherTimetable& tt) {
                            count += otherHourOf(ct, blocks, i, l, days, tt, out);
                        });
    return count;
}

int lessonGroup(const Database& db, const ClassTimetable& ct, const ClassBlocks& blocks,
                BreakList out) {
    struct GroupDay {
        Id group;
        int hours;
        int first;
        int last;
        Id lesson;
    };
    int count = 0;
    for (int i = 0; i < blocks.count;) {
        const int day = blocks.at[i].day;
        std::array<GroupDay, kHoursPerDay> groups; // the first n in use
        int n = 0;
        const int dayStart = i;
        for (; i < blocks.count && blocks.at[i].day == day; ++i) {
            const Block& b = blocks.at[i];
            const Lesson* lesson = db.lessons.find(b.lesson);
            if (!lesson || lesson->groupId == 0) continue;
            int g = 0;
            while (g < n && groups[g].group != lesson->groupId) ++g;
            if (g == n) groups[n++] = {lesson->groupId, 0, b.first, b.last, b.lesson};
            groups[g].hours += b.last - b.first + 1;
            groups[g].last = b.last;
        }
        // The rule holds for the day when the first teacher of one of its lessons holds it.
        auto inForce = [&] {
            for (int k = dayStart; k < i; ++k) {
                const ClassLesson* cl = nullptr;
                const TeacherTimetable* tt = judgingTeacher(db, ct, blocks.at[k].lesson, &cl);
                if (tt && tt->effectiveRules[kGroupOtherDay] != 0) return true;
            }
            return false;
        };
        for (int g = 0; g < n; ++g) {
            if (groups[g].hours <= 2 || !inForce()) continue;
            ++count;
            note(out, {Rule::LessonGroup, firstTeacher(db, ct.classId, groups[g].lesson),
                       ct.classId, groups[g].lesson, day, groups[g].first, groups[g].last});
        }
    }
    return count;
}

int sameLessonDay(const Database& db, const ClassTimetable& ct, const ClassBlocks& blocks,
                  BreakList out) {
    int count = 0;
    for (int i = 1; i < blocks.count; ++i) {
        const Block& b = blocks.at[i];
        // The second run of the lesson that day: one break however many follow.
        int before = 0;
        for (int k = i - 1; k >= 0 && blocks.at[k].day == b.day; --k)
            if (blocks.at[k].lesson == b.lesson) ++before;
        if (before != 1) continue;
        ++count;
        note(out, {Rule::SameLessonDay, firstTeacher(db, ct.classId, b.lesson), ct.classId,
                   b.lesson, b.day, b.first, b.last});
    }
    return count;
}

} // namespace

int dayBetweenPartsBreaks(const Database& db, const ClassTimetable& ct, BreakList out) {
    return dayBetweenParts(db, ct, blocksOf(ct), out);
}
int otherHourOtherDayBreaks(const Database& db, const ClassTimetable& ct, BreakList out) {
    return otherHourOtherDay(db, ct, blocksOf(ct), out);
}
int lessonGroupBreaks(const Database& db, const ClassTimetable& ct, BreakList out) {
    return lessonGroup(db, ct, blocksOf(ct), out);
}
int sameLessonDayBreaks(const Database& db, const ClassTimetable& ct, BreakList out) {
    return sameLessonDay(db, ct, blocksOf(ct), out);
}

RulesHeld rulesHeld(const Database& db) {
    RulesHeld held;
    held.on.fill(true);
    auto anyTeacher = [&](int byte) {
        return std::any_of(
            db.teacherTimetables.begin(), db.teacherTimetables.end(),
            [&](const TeacherTimetable& tt) { return tt.effectiveRules[byte] != 0; });
    };
    held.on[int(Rule::Buildings)] =
        std::any_of(db.annexFlags.begin(), db.annexFlags.end(), [](u8 f) { return f != 0; });
    held.on[int(Rule::DayBetweenParts)] = anyTeacher(kDayBetweenParts);
    held.on[int(Rule::OtherHourOtherDay)] = anyTeacher(kOtherHourOtherDay);
    held.on[int(Rule::LessonGroup)] = anyTeacher(kGroupOtherDay);
    return held;
}

ClassDay classDay(const Database& db, const ClassTimetable& ct, int day, const RulesHeld& held) {
    ClassDay c;
    const ClassBlocks blocks = blocksOf(ct, day, day);
    if (held[Rule::LessonGroup]) c.lessonGroup = lessonGroup(db, ct, blocks, nullptr);
    c.sameLessonDay = sameLessonDay(db, ct, blocks, nullptr);
    return c;
}

namespace {

// Both rules in one walk over the lessons of `blocks`: the moves of a run count them for
// every cell they try. A lesson on one day concerns neither.
AcrossDays acrossDaysOf(const Database& db, const ClassTimetable& ct, const ClassBlocks& blocks,
                        const RulesHeld& held) {
    AcrossDays out;
    const bool between = held[Rule::DayBetweenParts];
    const bool otherHour = held[Rule::OtherHourOtherDay];
    forEachTwoPartLesson(
        db, ct, blocks, severalDays, [&](int i, Id l, u8 days, const TeacherTimetable& tt) {
            if (between && tt.effectiveRules[kDayBetweenParts] != 0 && twoDaysInARow(days))
                out.dayBetweenParts += betweenPartsOf(ct, blocks, i, l, days, tt, nullptr);
            if (otherHour && tt.effectiveRules[kOtherHourOtherDay] != 0)
                out.otherHourOtherDay += otherHourOf(ct, blocks, i, l, days, tt, nullptr);
        });
    return out;
}

bool acrossDaysHeld(const RulesHeld& held) {
    return held[Rule::DayBetweenParts] || held[Rule::OtherHourOtherDay];
}

} // namespace

void countAcrossDays(const Database& db, const ClassTimetable& ct, const RulesHeld& held,
                     ClassWeek& week) {
    week.dayBetweenParts = week.otherHourOtherDay = 0;
    if (!acrossDaysHeld(held)) return;
    const AcrossDays a = acrossDaysOf(db, ct, blocksOf(ct), held);
    week.dayBetweenParts = a.dayBetweenParts;
    week.otherHourOtherDay = a.otherHourOtherDay;
}

AcrossDays lessonAcrossDays(const Database& db, const ClassTimetable& ct, const Plane& occupants,
                            Id lessonId, const RulesHeld& held) {
    AcrossDays out;
    if (!acrossDaysHeld(held) || lessonId == 0) return out;
    const LessonBlocks blocks = lessonBlocksOn(occupants, lessonId);
    if (!severalDays(blocks.days)) return out;
    const ClassLesson* cl = nullptr;
    const TeacherTimetable* tt = judgingTeacher(db, ct, lessonId, &cl);
    if (!tt || !twoPartLesson(*cl)) return out;
    if (held[Rule::DayBetweenParts] && tt->effectiveRules[kDayBetweenParts] != 0 &&
        twoDaysInARow(blocks.days))
        out.dayBetweenParts = betweenPartsOf(ct, blocks, 0, lessonId, blocks.days, *tt, nullptr);
    if (held[Rule::OtherHourOtherDay] && tt->effectiveRules[kOtherHourOtherDay] != 0)
        out.otherHourOtherDay = otherHourOf(ct, blocks, 0, lessonId, blocks.days, *tt, nullptr);
    return out;
}

ClassWeek classWeek(const Database& db, const ClassTimetable& ct, const RulesHeld& held) {
    ClassWeek week;
    for (int d = 1; d <= kDays; ++d) week.day[d - 1] = classDay(db, ct, d, held);
    countAcrossDays(db, ct, held, week);
    return week;
}

RuleCounts weekBreaks(const Database& db, const ClassTimetable& ct, const ClassWeek& week) {
    RuleCounts c;
    if (!db.classes.contains(ct.classId)) return c;
    c[Rule::DayBetweenParts] = week.dayBetweenParts;
    c[Rule::OtherHourOtherDay] = week.otherHourOtherDay;
    for (const ClassDay& d : week.day) {
        c[Rule::LessonGroup] += d.lessonGroup;
        c[Rule::SameLessonDay] += d.sameLessonDay;
    }
    return c;
}

TeacherWeek teacherWeek(const Database& db, const TeacherTimetable& tt, const RulesHeld& held) {
    TeacherWeek week;
    for (int d = 1; d <= kDays; ++d) week[d - 1] = teacherDay(db, tt, d, held);
    return week;
}

int RuleCounts::total() const {
    int t = 0;
    for (int v : n) t += v;
    return t;
}

RuleCounts& RuleCounts::operator+=(const RuleCounts& o) {
    for (int r = 0; r < kRuleCount; ++r) n[r] += o.n[r];
    return *this;
}

bool RuleCounts::exceeds(const RuleCounts& o) const {
    for (int r = 0; r < kRuleCount; ++r)
        if (n[r] > o.n[r]) return true;
    return false;
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

RuleCounts classBreaks(const Database& db, const ClassTimetable& ct, BreakList out) {
    RuleCounts c;
    if (!db.classes.contains(ct.classId)) return c;
    const ClassBlocks blocks = blocksOf(ct);
    c[Rule::DayBetweenParts] = dayBetweenParts(db, ct, blocks, out);
    c[Rule::OtherHourOtherDay] = otherHourOtherDay(db, ct, blocks, out);
    c[Rule::LessonGroup] = lessonGroup(db, ct, blocks, out);
    c[Rule::SameLessonDay] = sameLessonDay(db, ct, blocks, out);
    return c;
}

RuleCounts schoolBreaks(const Database& db, BreakList out) {
    RuleCounts c;
    for (const TeacherTimetable& tt : db.teacherTimetables) c += teacherBreaks(db, tt, out);
    for (const ClassTimetable& ct : db.classTimetables) c += classBreaks(db, ct, out);
    return c;
}

std::vector<RuleBreak> listBreaks(const Database& db) {
    std::vector<RuleBreak> breaks;
    schoolBreaks(db, &breaks);
    return breaks;
}

bool ruleInForce(const Database& db, Rule r) {
    auto anyTeacher = [&](int byte, u8 off) {
        return std::any_of(db.teacherTimetables.begin(), db.teacherTimetables.end(),
                           [&](const TeacherTimetable& tt) {
                               return db.teachers.contains(tt.teacherId) &&
                                      tt.effectiveRules[byte] != off;
                           });
    };
    switch (r) {
    case Rule::GapLimit:
        return anyTeacher(kAllowGaps, 1);
    case Rule::DailyMaximum:
        return anyTeacher(kMaxHoursPerDay, 0);
    case Rule::Buildings:
        return std::any_of(db.classes.begin(), db.classes.end(),
                           [&](const SchoolClass& c) { return db.annexFlags[c.id] != 0; });
    case Rule::DayBetweenParts:
        return anyTeacher(kDayBetweenParts, 0);
    case Rule::OtherHourOtherDay:
        return anyTeacher(kOtherHourOtherDay, 0);
    case Rule::SameClassOtherLesson:
        return anyTeacher(kSameClassOtherDay, 0);
    case Rule::LessonGroup:
        return anyTeacher(kGroupOtherDay, 0);
    case Rule::SameLessonDay:
        return true;
    }
    return false;
}

std::string ruleName(Rule r) {
    switch (r) {
    case Rule::GapLimit:
        return cp1254::lit("boş saat sınırını aşan öğretmen");
    case Rule::DailyMaximum:
        return cp1254::lit("günlük en çoğu aşan gün");
    case Rule::Buildings:
        return cp1254::lit("arasız bina değişimi");
    case Rule::DayBetweenParts:
        return cp1254::lit("parçalar arasında boş gün yok");
    case Rule::OtherHourOtherDay:
        return cp1254::lit("başka günde aynı saat");
    case Rule::SameClassOtherLesson:
        return cp1254::lit("aynı sınıfa aynı gün başka ders");
    case Rule::LessonGroup:
        return cp1254::lit("ders grubu sınırını aşan gün");
    case Rule::SameLessonDay:
        return cp1254::lit("aynı gün iki blok");
    }
    return {};
}

} // namespace zs
