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

// A school whose lesson 1 never fits, though no check before a run foresees it: both
// teachers come on Monday only, whose three open hours hold one block of two, and
// teacher 2, closed at hour 3, has less room and takes it first.
School hopeless() {
    School s;
    s.lesson(1, 2).lesson(2, 2);
    s.klass(1).hours(1, 1, 6).teacher(1).teacher(2).classLesson(1, 1, {1}).classLesson(1, 2, {2});
    for (int h = 4; h <= 6; ++h) s.ct(1).planes[kOpenPlane][slotOf(1, h) - 1] = 0;
    for (Id t : {1, 2})
        for (int slot = 1; slot <= kSlots; ++slot)
            if (dayOf(slot) != 1 || (t == 2 && hourOf(slot) == 3))
                s.tt(t).planes[kOpenPlane][slot - 1] = 0;
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

// What completion may bend to place an hour: the rules the steps loosen, in the order the
// steps reach them, each once; never the daily maximum, the buildings or a lesson twice a
// day, which no step loosens.
TEST(Relax, TheLadderOfRulesTheStepsLoosen) {
    const RuleSet group = ruleBit(Rule::LessonGroup), other = ruleBit(Rule::OtherHourOtherDay),
                  between = ruleBit(Rule::DayBetweenParts), gap = ruleBit(Rule::GapLimit),
                  same = ruleBit(Rule::SameClassOtherLesson);
    struct Case {
        const char* what;
        std::array<u8, 9> boxes;
        bool dayRules;
        u8 autoAdjust;
        u8 maxGaps;
        std::vector<RuleSet> ladder;
    };
    const std::vector<Case> cases = {
        {"every box, day rules on",
         {1, 1, 1, 1, 1, 1, 1, 1, 1},
         true,
         1,
         0,
         {group, group | other, group | other | between, group | other | between | gap,
          group | other | between | gap | same}},
        {"every box, day rules off", {1, 1, 1, 1, 1, 1, 1, 1, 1}, false, 1, 0, {gap, gap | same}},
        {"gap limit already three", {1, 1, 1, 1, 1, 1, 1, 1, 1}, false, 1, 3, {same}},
        {"only the gap box", {1, 0, 0, 0, 0, 0, 0, 0, 0}, true, 1, 0, {gap}},
        {"adjusting off", {1, 1, 1, 1, 1, 1, 1, 1, 1}, true, 0, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings set;
        set.autoOptions = c.boxes;
        set.autoAdjust = c.autoAdjust;
        set.maxGapsPerWeek = c.maxGaps;
        set.maxGapBetween = c.maxGaps;
        set.sameClassOtherDay = 1;
        set.groupOtherDay = set.otherHourOtherDay = set.dayBetweenParts = c.dayRules ? 1 : 0;
        EXPECT_EQ(sched::relaxationLadder(set), c.ladder);
    }
}

TEST(Relax, ARunPairsItsStepsAndEndsWithTheStoredSettings) {
    School s = hopeless();
    MemoryRun m(s.db);
    // The faithful search alone: the run would search again for the hours it cannot place.
    m.run.faithfulOnly = true;
    using P = std::pair<int, int>;
    std::vector<P> perPass;
    m.observer.onLesson = [&](Id, Id) {
        if (perPass.empty() || perPass.back() != gaps(s.db.settings))
            perPass.push_back(gaps(s.db.settings));
    };
    sched::runAutomatic(m.run);
    EXPECT_TRUE(m.run.state.impossible.empty());
    // A pass before any step, then one after steps 1 and 2, one after steps 3 and 4.
    EXPECT_EQ(perPass, (std::vector<P>{{0, 0}, {1, 1}, {2, 2}}));
    EXPECT_EQ(gaps(s.db.settings), (P{0, 0}));
}

} // namespace
} // namespace zs
