// The values a run reads for each teacher: rules in force, day windows, daily targets,
// and the order of the teachers in a run for all teachers.
#include "core/entities.h"
#include "rules/prepare_teacher.h"
#include "rules/school.h"
#include "rules/totals.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

namespace rv = run_values;
using test::School;

// A lesson whose hours all come as the blocks given.
void lessonOf(School& s, Id id, std::initializer_list<u8> blocks, Id group = 0) {
    Pattern p{};
    int sum = 0;
    int k = 0;
    for (u8 b : blocks) {
        p[k++] = b;
        sum += b;
    }
    addLesson(s.db, id, group, static_cast<u8>(sum), p, "L", "LESSON " + std::to_string(id), 1);
}

// One teacher, one class of days 1..8, and lessons of the given blocks.
School oneTeacher(std::initializer_list<std::initializer_list<u8>> lessons) {
    School s;
    Id id = 0;
    for (auto blocks : lessons) lessonOf(s, ++id, blocks);
    s.klass(1).hours(1, 1, 8).teacher(1);
    for (Id l = 1; l <= id; ++l) s.classLesson(1, l, {1});
    updateAllTeacherWeeklyTotals(s.db);
    return s;
}

TEST(PrepareTeacher, FreedomsFromEitherSideRestrictionsOnlyFromBoth) {
    School s = oneTeacher({{2, 2}});
    s.db.settings.allowGaps = 0;
    s.tt(1).teacherRules[kAllowGaps] = 1;
    s.db.settings.sameClassOtherDay = 1;
    s.tt(1).teacherRules[kSameClassOtherDay] = 0;
    EXPECT_EQ(PrepareTeacher(s.db, 1).result, Preparation::Prepared);
    EXPECT_EQ(s.tt(1).effectiveRules[kAllowGaps], 1);
    EXPECT_EQ(s.tt(1).effectiveRules[kSameClassOtherDay], 0);
}

TEST(PrepareTeacher, DailyMaximumRisesUntilTheWeekHoldsTheHours) {
    School s = oneTeacher({{1, 1, 1, 1, 1},
                           {1, 1, 1, 1, 1},
                           {1, 1, 1, 1, 1},
                           {1, 1, 1, 1, 1},
                           {1, 1, 1, 1, 1},
                           {1, 1, 1, 1, 1},
                           {1, 1, 1, 1, 1},
                           {1, 1, 1, 1, 1}});
    ASSERT_EQ(s.tt(1).totalHours, 40);
    PrepareTeacher(s.db, 1);
    EXPECT_EQ(s.tt(1).effectiveRules[kMaxHoursPerDay], 8);
}

TEST(PrepareTeacher, DailyLowIsTheEvenShareOfTheWeek) {
    School a = oneTeacher({{2, 2, 1}, {2, 2, 1}, {2, 2, 2}, {2, 2, 1}, {1}});
    ASSERT_EQ(a.tt(1).totalHours, 22);
    PrepareTeacher(a.db, 1);
    EXPECT_EQ(rv::dailyLow(a.tt(1)), 4);

    School b = oneTeacher({{2, 2, 1}, {2, 2, 1}, {2, 2, 1}});
    ASSERT_EQ(b.tt(1).totalHours, 15);
    PrepareTeacher(b.db, 1);
    EXPECT_EQ(rv::dailyLow(b.tt(1)), 2);
}

TEST(PrepareTeacher, ClosedHoursAtTheStartOfADayTrimTheWindow) {
    School s = oneTeacher({{2, 2}});
    s.tt(1).planes[kOpenPlane][slotOf(1, 1) - 1] = 0;
    s.tt(1).planes[kOpenPlane][slotOf(1, 2) - 1] = 0;
    PrepareTeacher(s.db, 1);
    EXPECT_EQ(rv::dayFirstHour(s.tt(1), 1), 3);
    EXPECT_EQ(rv::dayLastHour(s.tt(1), 1), 8);
    EXPECT_EQ(rv::usablePerDay(s.tt(1), 1), 6);
    EXPECT_EQ(rv::dayFirstHour(s.tt(1), 2), 1);
}

TEST(PrepareTeacher, OneWorkingDayDropsEvenSpreadAndTheDayBetweenParts) {
    School s = oneTeacher({{2, 2, 2}, {2, 2, 1}});
    s.db.settings.evenSpread = 1;
    s.tt(1).teacherRules[kDayBetweenParts] = 1;
    s.db.settings.dayBetweenParts = 1;
    for (int day = 2; day <= 5; ++day)
        for (int h = 1; h <= 8; ++h) s.tt(1).planes[kOpenPlane][slotOf(day, h) - 1] = 0;
    EXPECT_EQ(PrepareTeacher(s.db, 1).result, Preparation::Prepared);
    EXPECT_EQ(rv::dayFirstHour(s.tt(1), 2), 0);
    EXPECT_EQ(rv::evenSpreadInForce(s.tt(1)), 0);
    EXPECT_EQ(s.tt(1).effectiveRules[kDayBetweenParts], 0);
}

TEST(PrepareTeacher, NoWorkingDayIsLeftForTheRun) {
    School s = oneTeacher({{2, 2}});
    s.tt(1).planes[kOpenPlane].fill(0);
    EXPECT_EQ(PrepareTeacher(s.db, 1).result, Preparation::NoWorkingDay);
    EXPECT_TRUE(PrepareTeacher(s.db, 1).cannotFit);
}

TEST(PrepareTeacher, AFewMarkedSlotsGiveNoDayQuota) {
    School s = oneTeacher({{1}});
    s.hours(1, 0, 0);
    s.ct(1).firstHour[0] = 1;
    s.ct(1).lastHour[0] = 2;
    PrepareTeacher(s.db, 1);
    EXPECT_EQ(rv::dayQuota(s.tt(1)), 0);
}

TEST(PrepareTeacher, TeachingInBothBuildingsAllowsTwoMoreGaps) {
    School s = oneTeacher({{2, 2}});
    lessonOf(s, 9, {2});
    s.klass(2).hours(2, 1, 8).classLesson(2, 9, {1});
    s.db.annexFlags[2] = 1;
    s.db.settings.maxGapsPerWeek = 2;
    updateAllTeacherWeeklyTotals(s.db);
    PrepareTeacher(s.db, 1);
    EXPECT_EQ(rv::mixedBuildings(s.tt(1)), 1);
    EXPECT_EQ(s.tt(1).effectiveRules[kMaxGapsPerWeek], 4);
}

TEST(PrepareTeacher, MoreThanFourBlocksInAClassDropTheOtherDayRule) {
    School s = oneTeacher({{2, 2, 2}, {2, 2, 1}});
    s.db.settings.sameClassOtherDay = 1;
    PrepareTeacher(s.db, 1);
    EXPECT_EQ(s.tt(1).effectiveRules[kSameClassOtherDay], 0);
}

TEST(TeacherRunOrder, BothShiftsFirstThenTheSmallerSlack) {
    School s;
    for (Id t = 1; t <= 4; ++t) s.teacher(t);
    rv::slack(s.tt(1)) = 40;
    rv::slack(s.tt(2)) = 30;
    rv::slack(s.tt(3)) = 80;
    s.tt(3).morningHours = 2;
    s.tt(3).afternoonHours = 2;
    rv::slack(s.tt(4)) = 30;
    const std::vector<Id> order = teacherRunOrder(s.db, {1, 2, 3, 4});
    EXPECT_EQ(order, (std::vector<Id>{3, 2, 4, 1}));
}

TEST(NearestEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(nearestEven(5, 2), 2);
    EXPECT_EQ(nearestEven(7, 2), 4);
    EXPECT_EQ(nearestEven(8, 5), 2);
    EXPECT_EQ(nearestEven(2, 5), 0);
    EXPECT_EQ(nearestEven(3, 0), 0);
}

} // namespace
} // namespace zs
