// The rules counted on a class's grid: a free day between the parts, other hours on other
// days, the lesson group limit and the same lesson twice on one day.
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

// The judging teacher of a lesson in two parts; null for any other lesson.
const TeacherTimetable* twoPartJudge(const Database& db, const ClassTimetable& ct, Id lessonId) {
    const ClassLesson* cl = nullptr;
    const TeacherTimetable* tt = judgingTeacher(db, ct, lessonId, &cl);
    return tt && twoPartLesson(*cl) ? tt : nullptr;
}

} // namespace

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
        if (const TeacherTimetable* tt = twoPartJudge(db, ct, l)) judge(i, l, days, *tt);
    }
}

// The sum of count(i, lesson, days, teacher) over the same lessons whose judging teacher
// holds `rule`.
template <class Wanted, class Count>
int sumOverJudgedLessons(const Database& db, const ClassTimetable& ct, const ClassBlocks& blocks,
                         int rule, Wanted wanted, Count count) {
    int sum = 0;
    forEachTwoPartLesson(db, ct, blocks, wanted,
                         [&](int i, Id l, u8 days, const TeacherTimetable& tt) {
                             if (tt.effectiveRules[rule] != 0) sum += count(i, l, days, tt);
                         });
    return sum;
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
    return sumOverJudgedLessons(db, ct, blocks, kDayBetweenParts, twoDaysInARow,
                                [&](int i, Id l, u8 days, const TeacherTimetable& tt) {
                                    return betweenPartsOf(ct, blocks, i, l, days, tt, out);
                                });
}

int otherHourOtherDay(const Database& db, const ClassTimetable& ct, const ClassBlocks& blocks,
                      BreakList out) {
    return sumOverJudgedLessons(db, ct, blocks, kOtherHourOtherDay, severalDays,
                                [&](int i, Id l, u8 days, const TeacherTimetable& tt) {
                                    return otherHourOf(ct, blocks, i, l, days, tt, out);
                                });
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

ClassDay classDay(const Database& db, const ClassTimetable& ct, int day, const RulesHeld& held) {
    ClassDay c;
    const ClassBlocks blocks = blocksOf(ct, day, day);
    if (held[Rule::LessonGroup]) c.lessonGroup = lessonGroup(db, ct, blocks, nullptr);
    c.sameLessonDay = sameLessonDay(db, ct, blocks, nullptr);
    return c;
}

namespace {

// Both rules for lesson l (its first block i, its days), judged by tt.
template <class Blocks>
void countAcross(const ClassTimetable& ct, const Blocks& blocks, int i, Id l, u8 days,
                 const TeacherTimetable& tt, const RulesHeld& held, AcrossDays& out) {
    if (held[Rule::DayBetweenParts] && tt.effectiveRules[kDayBetweenParts] != 0 &&
        twoDaysInARow(days))
        out.dayBetweenParts += betweenPartsOf(ct, blocks, i, l, days, tt, nullptr);
    if (held[Rule::OtherHourOtherDay] && tt.effectiveRules[kOtherHourOtherDay] != 0)
        out.otherHourOtherDay += otherHourOf(ct, blocks, i, l, days, tt, nullptr);
}

bool acrossDaysHeld(const RulesHeld& held) {
    return held[Rule::DayBetweenParts] || held[Rule::OtherHourOtherDay];
}

} // namespace

void countAcrossDays(const Database& db, const ClassTimetable& ct, const RulesHeld& held,
                     ClassWeek& week) {
    week.dayBetweenParts = week.otherHourOtherDay = 0;
    if (!acrossDaysHeld(held)) return;
    // Both rules in one walk over the lessons: the moves of a run count them for every cell
    // they try. A lesson on one day concerns neither.
    const ClassBlocks blocks = blocksOf(ct);
    AcrossDays a;
    forEachTwoPartLesson(db, ct, blocks, severalDays,
                         [&](int i, Id l, u8 days, const TeacherTimetable& tt) {
                             countAcross(ct, blocks, i, l, days, tt, held, a);
                         });
    week.dayBetweenParts = a.dayBetweenParts;
    week.otherHourOtherDay = a.otherHourOtherDay;
}

AcrossDays lessonAcrossDays(const Database& db, const ClassTimetable& ct, const Plane& occupants,
                            Id lessonId, const RulesHeld& held) {
    AcrossDays out;
    if (!acrossDaysHeld(held) || lessonId == 0) return out;
    const LessonBlocks blocks = lessonBlocksOn(occupants, lessonId);
    if (!severalDays(blocks.days)) return out;
    if (const TeacherTimetable* tt = twoPartJudge(db, ct, lessonId))
        countAcross(ct, blocks, 0, lessonId, blocks.days, *tt, held, out);
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

} // namespace zs
