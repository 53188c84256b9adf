// Completion keeps the rules: an hour whose only room lies beyond a daily maximum is placed
// once a block of its teacher that day moves to another day, and an hour that cannot be
// placed without breaking a rule no relaxation step loosens stays unplaced.
#include "rules/grid_check.h"
#include "rules/prepare_teacher.h"
#include "rules/rule_breaks.h"
#include "rules/school.h"
#include "rules/slots.h"
#include "run_support.h"
#include "scheduler/improve.h"
#include "scheduler/improve_stage.h"
#include "scheduler/quality.h"
#include "scheduler/swap_completion.h"
#include "scheduler/unplaced_report.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::at;
using test::MemoryRun;
using test::School;

// Teacher 1 (at most two hours a day) teaches lessons 2 and 3 of class 2, open on Monday
// at hours 1 and 2 (and, with `tuesday`, on Tuesday too). Class 1 is open on Monday at
// hour 3 only, so its lesson 1 (teacher 1) fits by the hard rules there alone, a third hour
// for teacher 1 that day, with nothing in its way to push aside. With `placed`, lessons 2
// and 3 stand at Monday 1 and 2.
School mondayOnly(bool tuesday, bool placed) {
    School s;
    s.lesson(1, 1).lesson(2, 1).lesson(3, 1).klass(1).klass(2).teacher(1);
    s.ct(1).firstHour = {3, 0, 0, 0, 0};
    s.ct(1).lastHour = {3, 0, 0, 0, 0};
    s.ct(2).firstHour = {1, u8(tuesday ? 1 : 0), 0, 0, 0};
    s.ct(2).lastHour = {2, u8(tuesday ? 2 : 0), 0, 0, 0};
    s.classLesson(1, 1, {1}).classLesson(2, 2, {1}).classLesson(2, 3, {1});
    if (placed) {
        EXPECT_TRUE(Place(s.db, slotOf(1, 1), 2, 2));
        EXPECT_TRUE(Place(s.db, slotOf(1, 2), 2, 3));
    }
    for (RuleBytes* rules : {&s.tt(1).effectiveRules, &s.tt(1).teacherRules}) {
        (*rules)[kMaxHoursPerDay] = 2;
        (*rules)[kAllowGaps] = 1;
    }
    s.db.settings.maxHoursPerDay = 2;
    s.db.settings.allowGaps = 1;
    return s;
}

TEST(SwapCompletion, MovesATeachersBlockToAnotherDayToPlaceAnHourUnderTheMaximum) {
    School s = mondayOnly(true, true);
    MemoryRun m(s.db);
    sched::Stage stage(m.run, 1L << 20);
    sched::Scores scores(s.db, stage.held);
    stage.kept = &scores;
    const Bytes before = test::gridBytes(s.db);
    // Pushing aside finds nothing in the way, and the free cell breaks the maximum.
    EXPECT_FALSE(sched::placeSomewhere(stage, 1, 1, 1, 2, 0));
    m.run.journal->clear();
    EXPECT_EQ(test::gridBytes(s.db), before);
    ASSERT_TRUE(sched::placeBySwap(stage, scores, 1, 1, 1));
    EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 3), 1);
    EXPECT_EQ(dailyMaximumBreaks(s.tt(1)), 0);
    EXPECT_EQ(placedCount(s.db, 2, 2) + placedCount(s.db, 2, 3), 2);
    EXPECT_TRUE(checkGridConsistency(s.db).empty());
    // The figures kept are those of a fresh count.
    const sched::Scores fresh(s.db, stage.held);
    EXPECT_EQ(fresh.total(), scores.total());
    EXPECT_FALSE(fresh.school.exceeds(scores.school) || scores.school.exceeds(fresh.school));
}

// Class 2 now has no Tuesday either: the hour fits only beyond the maximum, which no
// relaxation step loosens, so the whole run leaves it unplaced and breaks nothing. Teacher
// 1 also teaches class 3 from Tuesday to Friday, so that the maximum in force stays two.
TEST(SwapCompletion, AnHourPlaceableOnlyBeyondTheMaximumStaysUnplaced) {
    School s = mondayOnly(false, false);
    s.lesson(4, 4).klass(3).classLesson(3, 4, {1});
    s.ct(3).firstHour = {0, 1, 1, 1, 1};
    s.ct(3).lastHour = {0, 2, 2, 2, 2};
    test::openScreenTotals(s.db);
    MemoryRun m(s.db);
    sched::runAutomatic(m.run);
    EXPECT_EQ(sched::unplacedClassHours(s.db), 1);
    EXPECT_EQ(s.tt(1).effectiveRules[kMaxHoursPerDay], 2);
    EXPECT_EQ(schoolBreaks(s.db).total(), 0);
    EXPECT_TRUE(checkGridConsistency(s.db).empty());
}

} // namespace
} // namespace zs
