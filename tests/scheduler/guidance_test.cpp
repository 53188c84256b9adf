// The guidance lesson at its fixed cells: placed first in each run, locked there for the
// rest of the run and afterwards, and the end of blocks on pairs for that run.
#include "core/cp1254.h"
#include "core/entities.h"
#include "rules/guidance.h"
#include "rules/placement.h"
#include "rules/school.h"
#include "run_support.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::at;
using test::MemoryRun;
using test::School;

constexpr Id kGuidance = 1;

// A morning class (hours 1..6) and an afternoon class (7..12), each with its homeroom
// teacher giving the guidance hour, and a lesson of 2 + 2 hours from a third teacher.
School guidanceSchool() {
    School s;
    addLesson(s.db, kGuidance, 0, 1, {1, 0, 0, 0, 0}, "REH", "REHBERLIK", 0);
    s.lesson(2, 4);
    s.klass(1).hours(1, 1, 6).klass(2).hours(2, 7, 12);
    s.teacher(1).teacher(2).teacher(3);
    s.classLesson(1, kGuidance, {1}).classLesson(2, kGuidance, {2});
    s.classLesson(1, 2, {3}).classLesson(2, 2, {3});
    Settings& set = s.db.settings;
    set.guidanceLessonId = kGuidance;
    set.guidanceMorningDay = 2;
    set.guidanceMorningHour = 3;
    set.guidanceAfternoonDay = 4;
    set.guidanceAfternoonHour = 8;
    set.searchLevel = 2;
    test::openScreenTotals(s.db);
    return s;
}

int closedCells(const ClassTimetable& ct) {
    int n = 0;
    for (u8 open : ct.planes[kOpenPlane]) n += open == 0;
    return n;
}

TEST(Guidance, PlacedAndLockedAtTheCellOfEachShift) {
    School s = guidanceSchool();
    MemoryRun m(s.db);
    ASSERT_EQ(s.db.settings.blocksOnPairs, 1);
    sched::runAutomatic(m.run);
    EXPECT_EQ(at(s.ct(1), kOccupantPlane, 2, 3), kGuidance);
    EXPECT_EQ(at(s.ct(1), kOpenPlane, 2, 3), 0);
    EXPECT_EQ(at(s.tt(1), kOpenPlane, 2, 3), 0);
    EXPECT_EQ(at(s.ct(2), kOccupantPlane, 4, 8), kGuidance);
    EXPECT_EQ(at(s.ct(2), kOpenPlane, 4, 8), 0);
    EXPECT_EQ(at(s.tt(2), kOpenPlane, 4, 8), 0);
    // Every class ends its days at 6 or 12, yet a guidance hour ends blocks on pairs.
    EXPECT_FALSE(m.run.state.pairsOnly);
    EXPECT_EQ(m.observer.closing, cp1254::lit("Yerleşmeyen ders kalmadı."));
}

TEST(Guidance, AShiftWithoutAnHourIsLeftToTheSearch) {
    School s = guidanceSchool();
    s.db.settings.guidanceAfternoonHour = 0;
    MemoryRun m(s.db);
    sched::runAutomatic(m.run);
    EXPECT_EQ(at(s.ct(1), kOpenPlane, 2, 3), 0);
    EXPECT_EQ(placedCount(s.db, 2, kGuidance), 1);
    EXPECT_EQ(closedCells(s.ct(2)), 0);
}

TEST(Guidance, NoGuidanceLessonLocksNothing) {
    School s = guidanceSchool();
    s.db.settings.guidanceLessonId = 0;
    MemoryRun m(s.db);
    sched::runAutomatic(m.run);
    EXPECT_EQ(closedCells(s.ct(1)) + closedCells(s.ct(2)), 0);
}

TEST(Guidance, AClassHoldingItsGuidanceHourIsLeftAlone) {
    School s = guidanceSchool();
    ASSERT_TRUE(Place(s.db, slotOf(1, 1), 1, kGuidance));
    MemoryRun m(s.db);
    sched::runAutomatic(m.run);
    EXPECT_EQ(placedCount(s.db, 1, kGuidance), 1);
    EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 1), kGuidance);
    EXPECT_EQ(closedCells(s.ct(1)), 0);
}

TEST(Guidance, CellOutsideTheWeekIsNoCell) {
    Settings set;
    set.guidanceMorningDay = 6;
    set.guidanceMorningHour = 3;
    EXPECT_EQ(guidanceCell(set, false), 0);
    set.guidanceMorningDay = 5;
    set.guidanceMorningHour = 17;
    EXPECT_EQ(guidanceCell(set, false), 0);
    set.guidanceMorningHour = 16;
    EXPECT_EQ(guidanceCell(set, false), 80);
}

} // namespace
} // namespace zs
