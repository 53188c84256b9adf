// Each rule of the search on a school of its own: a cell it lets through and a cell it
// refuses, in the strict phase and in the settings phase, asked of the rule chain itself.
#include "rules/prepare_teacher.h"
#include "rules/school.h"
#include "rules/slots.h"
#include "run_support.h"
#include "scheduler/attempt.h"
#include "scheduler/day_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

namespace zs {
namespace {

using sched::CellReason;
using test::School;

struct Probe {
    Id classId, lessonId;
    int length, day, hour;
};

// The reason the rules give for the block at the probe's cell, the teachers prepared as a
// run prepares them.
CellReason verdict(School& s, const Probe& p, int phase) {
    test::openScreenTotals(s.db);
    for (const Teacher& t : s.db.teachers) PrepareTeacher(s.db, t.id);
    test::MemoryRun m(s.db);
    m.run.state.settingsPhase = phase;
    m.run.state.annexInUse = true;
    sched::PlacementAttempt a;
    EXPECT_TRUE(sched::fillAttempt(s.db, a, p.classId, p.lessonId));
    a.length = p.length;
    a.day = p.day;
    a.hour = p.hour;
    a.cell = slotOf(p.day, p.hour);
    return sched::ruleObstacle(m.run, a).reason;
}

// Lesson 1 of class 1, two hours a week in blocks of two, taught by teacher 1; days of
// hours 1..8. Nothing else unless the case adds it.
School plain() {
    School s;
    s.lesson(1, 2).klass(1).hours(1, 1, 8).teacher(1).classLesson(1, 1, {1});
    Settings& set = s.db.settings;
    set.evenSpread = 0;
    return s;
}

struct RuleCase {
    const char* name;
    std::function<void(School&)> build;
    Probe passes;
    Probe refused;
    int phase;
    CellReason reason;
};
void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name;
}

class RuleChain : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RuleChain, PassesOneCellRefusesTheOther) {
    const RuleCase& c = GetParam();
    School yes = plain();
    c.build(yes);
    EXPECT_EQ(verdict(yes, c.passes, c.phase), CellReason::Fits);
    School no = plain();
    c.build(no);
    EXPECT_EQ(verdict(no, c.refused, c.phase), c.reason);
}

// Teacher 1's lesson 2 (four hours), in class 2 or in class 1 itself, placed by hand on
// the day and hours given.
std::function<void(School&)> withOther(Id classId, int day, std::vector<int> hours,
                                       Id groupId = 0) {
    return [=](School& s) {
        s.lesson(2, 4, groupId);
        if (classId != 1) s.klass(classId).hours(classId, 1, 8);
        s.classLesson(classId, 2, {1});
        for (int h : hours) Place(s.db, slotOf(day, h), classId, 2);
    };
}

// Lesson 1 itself, four hours, one block already on Monday 1-2.
void fourHoursOneOnMonday(School& s) {
    s.db.lessons.find(1)->weeklyHours = 4;
    s.db.lessons.find(1)->pattern = {2, 2, 0, 0, 0};
    s.db.classLessons.find(1, 1)->pattern = {2, 2, 0, 0, 0};
    s.db.classLessons.find(1, 1)->blockCount = 2;
    Place(s.db, slotOf(1, 1), 1, 1);
    Place(s.db, slotOf(1, 2), 1, 1);
}

void ruleBytes(School& s, u8 dayBetween, u8 otherHour) {
    s.db.settings.dayBetweenParts = dayBetween;
    s.db.settings.otherHourOtherDay = otherHour;
    s.tt(1).teacherRules[kDayBetweenParts] = dayBetween;
    s.tt(1).teacherRules[kOtherHourOtherDay] = otherHour;
}

INSTANTIATE_TEST_SUITE_P(
    Search, RuleChain,
    ::testing::Values(RuleCase{"same_lesson_on_one_day",
                               fourHoursOneOnMonday,
                               {1, 1, 2, 3, 1},
                               {1, 1, 2, 1, 4},
                               1,
                               CellReason::SameLessonDay},
                      RuleCase{"daily_maximum",
                               [](School& s) {
                                   s.db.settings.maxHoursPerDay = 3;
                                   s.tt(1).teacherRules[kMaxHoursPerDay] = 3;
                                   withOther(2, 1, {1, 2})(s);
                               },
                               {1, 1, 2, 2, 1},
                               {1, 1, 2, 1, 3},
                               1,
                               CellReason::DailyMaximum},
                      RuleCase{"gaps_strict_none_allowed",
                               withOther(2, 1, {1, 2}),
                               {1, 1, 2, 1, 3},
                               {1, 1, 2, 1, 4},
                               0,
                               CellReason::Gaps},
                      RuleCase{"gaps_settings_two_between",
                               [](School& s) {
                                   s.db.settings.maxGapsPerWeek = 2;
                                   s.db.settings.maxGapBetween = 2;
                                   withOther(2, 1, {1, 2})(s);
                               },
                               {1, 1, 2, 1, 5},
                               {1, 1, 2, 1, 6},
                               1,
                               CellReason::Gaps},
                      RuleCase{"day_between_parts_strict",
                               fourHoursOneOnMonday,
                               {1, 1, 2, 3, 3},
                               {1, 1, 2, 2, 3},
                               0,
                               CellReason::DayBetweenParts},
                      RuleCase{"day_between_parts_settings",
                               [](School& s) {
                                   fourHoursOneOnMonday(s);
                                   ruleBytes(s, 1, 0);
                               },
                               {1, 1, 2, 3, 3},
                               {1, 1, 2, 2, 3},
                               1,
                               CellReason::DayBetweenParts},
                      RuleCase{"other_hour_other_day_strict",
                               fourHoursOneOnMonday,
                               {1, 1, 2, 3, 3},
                               {1, 1, 2, 3, 1},
                               0,
                               CellReason::OtherHourOtherDay},
                      RuleCase{"other_hour_other_day_settings",
                               [](School& s) {
                                   fourHoursOneOnMonday(s);
                                   ruleBytes(s, 0, 1);
                               },
                               {1, 1, 2, 3, 3},
                               {1, 1, 2, 3, 1},
                               1,
                               CellReason::OtherHourOtherDay},
                      RuleCase{"same_class_other_lesson",
                               withOther(1, 1, {1, 2}),
                               {1, 1, 2, 2, 1},
                               {1, 1, 2, 1, 3},
                               1,
                               CellReason::SameClassOtherLesson},
                      RuleCase{"lesson_group",
                               [](School& s) {
                                   s.db.settings.groupOtherDay = 1;
                                   s.tt(1).teacherRules[kGroupOtherDay] = 1;
                                   s.db.settings.sameClassOtherDay = 0;
                                   s.db.lessons.find(1)->groupId = 7;
                                   withOther(1, 1, {1, 2}, 7)(s);
                               },
                               {1, 1, 2, 2, 1},
                               {1, 1, 2, 1, 3},
                               1,
                               CellReason::LessonGroup},
                      RuleCase{"building_change",
                               [](School& s) {
                                   s.lesson(3, 2).klass(2).hours(2, 1, 8).classLesson(2, 3, {1});
                                   s.db.annexFlags[2] = 1;
                                   s.db.settings.allowGaps = 1;
                                   Place(s.db, slotOf(1, 1), 2, 3);
                               },
                               {1, 1, 2, 1, 4},
                               {1, 1, 2, 1, 2},
                               1,
                               CellReason::BuildingChange}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zs
