// Each rule's count of breaks in a finished timetable: one grid it lets pass and one it
// counts, at the rule values in force on the teacher record.
#include "rules/placement.h"
#include "rules/prepare_teacher.h"
#include "rules/rule_breaks.h"
#include "school.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace zs {
namespace {

using test::School;

// Class 1 taught lessons 1 and 2 (of group 7), class 2 in the annex lesson 3, all by
// teacher 1, every rule off until a case sets its byte (a gap limit of one, when on).
School rulesSchool() {
    School s;
    s.lesson(1, 4, 7).lesson(2, 4, 7).lesson(3, 4).klass(1).hours(1, 1, 8);
    s.klass(2).hours(2, 1, 8).teacher(1);
    s.classLesson(1, 1, {1}).classLesson(1, 2, {1}).classLesson(2, 3, {1});
    s.db.annexFlags[2] = 1;
    s.tt(1).effectiveRules = {1, 0, 0, 0, 0, 0, 0, 0};
    return s;
}

struct Case {
    const char* name;
    Rule rule;
    std::pair<int, u8> ruleByte;                      // the rule value that switches it on
    std::vector<std::tuple<int, int, Id, Id>> passes; // day, hour, class, lesson
    std::vector<std::tuple<int, int, Id, Id>> refused;
};

int breaksOf(const Case& c, const std::vector<std::tuple<int, int, Id, Id>>& hours,
             std::vector<RuleBreak>* listed) {
    School s = rulesSchool();
    s.tt(1).effectiveRules[c.ruleByte.first] = c.ruleByte.second;
    s.tt(1).effectiveRules[kMaxGapsPerWeek] = 1;
    s.tt(1).effectiveRules[kMaxGapBetween] = 2;
    for (auto [day, hour, klass, lesson] : hours)
        EXPECT_TRUE(Place(s.db, slotOf(day, hour), klass, lesson)) << c.name;
    const RuleCounts counts = schoolBreaks(s.db, listed);
    // The other rules never count what this case is about.
    EXPECT_EQ(counts.total(), counts[c.rule]) << c.name;
    return counts[c.rule];
}

TEST(RuleBreaks, EachRulePassesOneGridAndCountsTheOther) {
    const std::vector<Case> cases{
        {"one gap within the limit, then two",
         Rule::GapLimit,
         {kAllowGaps, 0},
         {{1, 1, 1, 1}, {1, 3, 1, 2}},
         {{1, 1, 1, 1}, {1, 4, 1, 2}}},
        {"a block of four alone, then two blocks of two",
         Rule::DailyMaximum,
         {kMaxHoursPerDay, 3},
         {{1, 1, 2, 3}, {1, 2, 2, 3}, {1, 3, 2, 3}, {1, 4, 2, 3}},
         {{1, 1, 1, 1}, {1, 2, 1, 1}, {1, 3, 1, 2}, {1, 4, 1, 2}}},
        {"the annex after a free hour, then straight after",
         Rule::Buildings,
         {kAllowGaps, 1},
         {{1, 1, 1, 1}, {1, 3, 2, 3}},
         {{1, 1, 1, 1}, {1, 2, 2, 3}}},
        {"two single hours of the class, then a double and a single",
         Rule::SameClassOtherLesson,
         {kSameClassOtherDay, 1},
         {{1, 1, 1, 1}, {1, 3, 1, 2}},
         {{1, 1, 1, 1}, {1, 2, 1, 1}, {1, 4, 1, 2}}},
        {"parts on Monday and Wednesday, then Monday and Tuesday",
         Rule::DayBetweenParts,
         {kDayBetweenParts, 1},
         {{1, 1, 1, 1}, {1, 2, 1, 1}, {3, 1, 1, 1}, {3, 2, 1, 1}},
         {{1, 1, 1, 1}, {1, 2, 1, 1}, {2, 1, 1, 1}, {2, 2, 1, 1}}},
        {"parts at other hours, then sharing an hour",
         Rule::OtherHourOtherDay,
         {kOtherHourOtherDay, 1},
         {{1, 1, 1, 1}, {1, 2, 1, 1}, {3, 3, 1, 1}, {3, 4, 1, 1}},
         {{1, 1, 1, 1}, {1, 2, 1, 1}, {3, 2, 1, 1}, {3, 3, 1, 1}}},
        {"two hours of the group a day, then three",
         Rule::LessonGroup,
         {kGroupOtherDay, 1},
         {{1, 1, 1, 1}, {1, 2, 1, 1}, {2, 1, 1, 2}},
         {{1, 1, 1, 1}, {1, 2, 1, 1}, {1, 3, 1, 2}}},
        {"one run a day, then two runs",
         Rule::SameLessonDay,
         {kAllowGaps, 1},
         {{1, 1, 2, 3}, {1, 2, 2, 3}},
         {{1, 1, 2, 3}, {1, 3, 2, 3}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(breaksOf(c, c.passes, nullptr), 0) << c.name;
        std::vector<RuleBreak> listed;
        EXPECT_EQ(breaksOf(c, c.refused, &listed), 1) << c.name;
        ASSERT_EQ(listed.size(), 1u) << c.name;
        EXPECT_EQ(listed[0].rule, c.rule) << c.name;
        EXPECT_TRUE(listed[0].teacherId == 1 || listed[0].classId != 0) << c.name;
    }
}

TEST(RuleBreaks, ARuleSwitchedOffCountsNothing) {
    School s = rulesSchool();
    for (int h : {1, 3}) Place(s.db, slotOf(1, h), 1, 1);
    Place(s.db, slotOf(2, 1), 1, 1);
    Place(s.db, slotOf(1, 2), 1, 2);
    const RuleCounts counts = schoolBreaks(s.db);
    EXPECT_EQ(counts[Rule::SameLessonDay], 1);
    EXPECT_EQ(counts.total(), 1);
    EXPECT_FALSE(ruleInForce(s.db, Rule::DayBetweenParts));
    EXPECT_FALSE(ruleInForce(s.db, Rule::GapLimit));
    EXPECT_TRUE(ruleInForce(s.db, Rule::Buildings));
}

} // namespace
} // namespace zs
