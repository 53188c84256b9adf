// Searching again from the start in another order of the teachers, where the completion
// left hours the check did not prove impossible.
#include "core/cp1254.h"
#include "rules/grid_check.h"
#include "rules/slots.h"
#include "run_support.h"
#include "scheduler/improve_stage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zs {
namespace {

using test::MemoryRun;

// How often the run showed the faithful search starting, after the first time.
int searchesAgain(const test::RecordingObserver& o) {
    return int(std::count(o.phases.begin(), o.phases.end(), sched::RunPhase::Faithful)) - 1;
}

TEST(SearchAgain, PlacesInAnotherOrderWhatTheFirstOrderLeftAndOnlyThen) {
    struct Case {
        bool dayRules;
        bool again; // whether the first order leaves an hour the check did not prove
    };
    // Teachers with a weekday free: with the day rules on, the first order leaves an hour.
    for (const Case c : {Case{true, true}, Case{false, false}}) {
        SCOPED_TRACE(c.dayRules);
        auto db = std::make_unique<Database>();
        sched::buildSampleSchool(*db, {8, 16, true});
        Settings& rules = db->settings;
        rules.dayBetweenParts = rules.otherHourOtherDay = rules.groupOtherDay = c.dayRules;
        test::openScreenTotals(*db);
        MemoryRun m(*db);
        sched::runAutomatic(m.run);
        EXPECT_EQ(m.observer.closing, cp1254::lit("Yerleşmeyen ders kalmadı."));
        EXPECT_EQ(sched::hoursLeftToPlace(m.run), 0);
        EXPECT_EQ(searchesAgain(m.observer) > 0, c.again);
        EXPECT_TRUE(checkGridConsistency(*db).empty());
    }
}

// The sample's free days: the day after the teacher's number modulo five, closed whole,
// only for a teacher of at most 24 hours; every other cell as in the same school without.
TEST(SampleFreeDays, OnlyTheLightTeachersKeepTheirDayFree) {
    Database plain, free;
    sched::buildSampleSchool(plain, {16, 1, false});
    sched::buildSampleSchool(free, {16, 1, true});
    int light = 0;
    for (const TeacherTimetable& was : plain.teacherTimetables) {
        SCOPED_TRACE(int(was.teacherId));
        const TeacherTimetable* now = free.teacherTimetables.find(was.teacherId);
        ASSERT_NE(now, nullptr);
        const bool keeps = was.totalHours > 0 && was.totalHours <= 24;
        light += keeps;
        for (int day = 1; day <= kDays; ++day)
            for (int hour = 1; hour <= kHoursPerDay; ++hour) {
                const int i = slotIndex(slotOf(day, hour));
                const bool freeDay = keeps && day == 1 + was.teacherId % kDays;
                EXPECT_EQ(now->planes[kOpenPlane][i], freeDay ? 0 : was.planes[kOpenPlane][i]);
            }
    }
    EXPECT_GT(light, 0);
}

TEST(SearchAgain, OtherOrdersHoldEveryTeacherOnceAndComeFromTheirSeed) {
    std::vector<Id> order(40);
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = Id(k + 1);
    const std::vector<Id> first = sched::shuffledOrder(order, 1);
    EXPECT_TRUE(std::is_permutation(first.begin(), first.end(), order.begin()));
    EXPECT_NE(first, order);
    EXPECT_EQ(sched::shuffledOrder(order, 1), first);
    EXPECT_NE(sched::shuffledOrder(order, 2), first);
    // A teacher moves by less than the spread: the least room still comes early.
    for (std::size_t k = 0; k < first.size(); ++k)
        EXPECT_LT(std::abs(int(k) - int(first[k] - 1)), int(sched::kOrderSpread * 40) + 1);
}

} // namespace
} // namespace zs
