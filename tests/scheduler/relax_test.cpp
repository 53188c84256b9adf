// The relaxation of the settings when a run leaves hours unplaced, and the settings back
// as stored once the run is over.
#include "core/entities.h"
#include "rules/school.h"
#include "run_support.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::MemoryRun;
using test::School;

// A school whose only lesson never fits: the teacher has no open hour.
School hopeless() {
    School s;
    s.lesson(1, 2);
    s.room(1).klass(1).hours(1, 1, 6).teacher(1).classLesson(1, 1, {1}, {1});
    s.rt(1).planes[kOpenPlane].fill(0);
    Settings& set = s.db.settings;
    set.maxGapsPerWeek = 0;
    set.maxGapBetween = 0;
    set.autoOptions = {1, 0, 0, 0, 0, 0, 0, 0, 0};
    set.searchLevel = 1;
    test::openScreenTotals(s.db);
    return s;
}

std::pair<int, int> gaps(const Settings& s) {
    return {s.maxGapsPerWeek, s.maxGapBetween};
}

TEST(Relax, OnlyTheGapBoxWidensTheGapsStepByStep) {
    School s = hopeless();
    MemoryRun m(s.db);
    m.run.state.totalHours = 2;
    using P = std::pair<int, int>;
    std::vector<P> seen;
    while (sched::relaxStep(m.run)) seen.push_back(gaps(s.db.settings));
    EXPECT_EQ(seen, (std::vector<P>{{1, 1}, {2, 1}, {2, 2}, {3, 2}}));
}

TEST(Relax, NothingWhenEverythingIsPlacedOrAdjustingIsOff) {
    School s = hopeless();
    MemoryRun m(s.db);
    EXPECT_FALSE(sched::relaxStep(m.run)); // 0 of 0 hours left
    m.run.state.totalHours = 2;
    s.db.settings.autoAdjust = 0;
    EXPECT_FALSE(sched::relaxStep(m.run));
}

TEST(Relax, StepsInTheirOrder) {
    School s = hopeless();
    Settings& set = s.db.settings;
    set.autoOptions.fill(1);
    set.groupOtherDay = 1;
    set.otherHourOtherDay = 1;
    set.dayBetweenParts = 1;
    set.sameClassOtherDay = 1;
    MemoryRun m(s.db);
    m.run.state.totalHours = 2;
    auto step = [&] {
        EXPECT_TRUE(sched::relaxStep(m.run));
        return std::vector<int>{m.run.state.groupLevel, set.otherHourOtherDay,
                                set.dayBetweenParts,    set.maxGapsPerWeek,
                                set.maxGapBetween,      set.sameClassOtherDay};
    };
    using V = std::vector<int>;
    EXPECT_EQ(step(), (V{1, 1, 1, 0, 0, 1}));
    EXPECT_EQ(step(), (V{1, 0, 1, 0, 0, 1}));
    EXPECT_EQ(step(), (V{1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(step(), (V{1, 0, 0, 1, 1, 1}));
    EXPECT_EQ(step(), (V{1, 0, 0, 2, 1, 1}));
    EXPECT_EQ(step(), (V{2, 0, 0, 2, 1, 1}));
    EXPECT_EQ(step(), (V{2, 0, 0, 2, 1, 0}));
    EXPECT_EQ(step(), (V{2, 0, 0, 2, 2, 0}));
    EXPECT_EQ(step(), (V{2, 0, 0, 3, 2, 0}));
    EXPECT_FALSE(sched::relaxStep(m.run));
}

TEST(Relax, ARunPairsItsStepsAndEndsWithTheStoredSettings) {
    School s = hopeless();
    MemoryRun m(s.db);
    using P = std::pair<int, int>;
    std::vector<P> perPass;
    m.observer.onLesson = [&](Id, Id) {
        if (perPass.empty() || perPass.back() != gaps(s.db.settings))
            perPass.push_back(gaps(s.db.settings));
    };
    sched::runAutomatic(m.run);
    // A pass before any step, then one after steps 1 and 2, one after steps 3 and 4.
    EXPECT_EQ(perPass, (std::vector<P>{{0, 0}, {1, 1}, {2, 2}}));
    EXPECT_EQ(gaps(s.db.settings), (P{0, 0}));
}

} // namespace
} // namespace zs
