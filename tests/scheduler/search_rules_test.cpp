// Rules of the walk and the levels: a block never starts at its lesson's forbidden hour,
// blocks on pairs start at odd hours, the levels run as the search level says, a cell
// chosen by hand gets the block or nothing, and "&Geç" ends only the current lesson.
#include "core/entities.h"
#include "rules/placement.h"
#include "rules/prepare_teacher.h"
#include "rules/school.h"
#include "run_support.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::at;
using test::gridBytes;
using test::MemoryRun;
using test::School;

void lessonOf(School& s, Id id, std::initializer_list<u8> blocks) {
    Pattern p{};
    int sum = 0;
    int k = 0;
    for (u8 b : blocks) {
        p[k++] = b;
        sum += b;
    }
    addLesson(s.db, id, 0, static_cast<u8>(sum), p, "L", "LESSON " + std::to_string(id), 1);
}

void quietSettings(School& s, u8 level) {
    s.db.settings.searchLevel = level;
    s.db.settings.autoAdjust = 0;
}

TEST(SearchRules, ABlockNeverStartsAtTheLessonsForbiddenHour) {
    School s;
    lessonOf(s, 1, {2});
    lessonOf(s, 2, {1});
    s.db.lessons.find(1)->notAtHour = 1;
    s.db.lessons.find(2)->notAtHour = 1;
    s.klass(1).hours(1, 0, 0);
    s.ct(1).firstHour[0] = 1;
    s.ct(1).lastHour[0] = 4;
    s.teacher(1).teacher(2).classLesson(1, 1, {1}).classLesson(1, 2, {2});
    quietSettings(s, 1);
    test::openScreenTotals(s.db);
    MemoryRun m(s.db);
    sched::runAutomatic(m.run);
    EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 2), 1);
    EXPECT_EQ(at(s.ct(1), kBlockStartPlane, 1, 2), slotOf(1, 2));
    EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 1), 2); // a single hour may stand there
}

School pairsSchool(u8 lastHour) {
    School s;
    lessonOf(s, 1, {2});
    s.klass(1).hours(1, 1, lastHour).teacher(1).classLesson(1, 1, {1});
    s.ct(1).planes[kOpenPlane][slotOf(1, 1) - 1] = 0;
    quietSettings(s, 1);
    test::openScreenTotals(s.db);
    return s;
}

TEST(SearchRules, BlocksOnPairsStartAtOddHoursOnlyWhenEveryDayEndsOnAPair) {
    School pairs = pairsSchool(6);
    MemoryRun a(pairs.db);
    sched::runAutomatic(a.run);
    EXPECT_EQ(at(pairs.ct(1), kBlockStartPlane, 1, 3), slotOf(1, 3));

    School odd = pairsSchool(7);
    MemoryRun b(odd.db);
    sched::runAutomatic(b.run);
    EXPECT_EQ(at(odd.ct(1), kBlockStartPlane, 1, 2), slotOf(1, 2));
}

// The levels shown for a teacher whose only lesson never fits, with the phase of each.
std::vector<std::pair<int, int>> levelsRun(u8 searchLevel, bool pairs) {
    School s;
    lessonOf(s, 1, {3});
    lessonOf(s, 2, {3});
    s.klass(1).hours(1, 1, pairs ? 6 : 5).teacher(1).teacher(2);
    s.classLesson(1, 1, {1}).classLesson(1, 2, {2});
    // Both teachers come on Monday only, whose five open hours hold one block of three:
    // teacher 2, closed at hour 5, has less room and takes it first. No check before the
    // run foresees that the two blocks do not fit together.
    s.ct(1).planes[kOpenPlane][slotOf(1, 6) - 1] = 0;
    for (Id t : {1, 2})
        for (int slot = 1; slot <= kSlots; ++slot)
            if (dayOf(slot) != 1 || (t == 2 && hourOf(slot) == 5))
                s.tt(t).planes[kOpenPlane][slot - 1] = 0;
    quietSettings(s, searchLevel);
    test::openScreenTotals(s.db);
    MemoryRun m(s.db);
    // The faithful search alone: the run would search again for the hour it cannot place.
    m.run.faithfulOnly = true;
    std::vector<std::pair<int, int>> seen;
    m.observer.onLesson = [&](Id, Id lessonId) {
        if (lessonId == 1) seen.emplace_back(m.run.state.currentLevel, m.run.state.settingsPhase);
    };
    sched::runAutomatic(m.run);
    EXPECT_TRUE(m.run.state.impossible.empty());
    return seen;
}

TEST(SearchRules, LevelSequences) {
    using V = std::vector<std::pair<int, int>>;
    // Each level runs both sweeps over the lesson.
    EXPECT_EQ(levelsRun(1, false), (V{{1, 0}, {1, 0}}));
    EXPECT_EQ(levelsRun(2, false), (V{{1, 0}, {1, 0}, {1, 1}, {1, 1}, {2, 1}, {2, 1}}));
    EXPECT_EQ(levelsRun(2, true), (V{{1, 0}, {1, 0}, {2, 0}, {2, 0}}));
    EXPECT_EQ(levelsRun(3, true),
              (V{{1, 0}, {1, 0}, {2, 0}, {2, 0}, {1, 1}, {1, 1}, {2, 1}, {2, 1}, {3, 1}, {3, 1}}));
}

School cellSchool() {
    School s;
    lessonOf(s, 1, {2, 2});
    s.klass(1).hours(1, 1, 6).teacher(1).classLesson(1, 1, {1});
    s.ct(1).planes[kOpenPlane][slotOf(2, 3) - 1] = 0;
    test::openScreenTotals(s.db);
    PrepareTeacher(s.db, 1);
    return s;
}

TEST(PlaceAtCell, PlacesTheNextBlockExactlyThere) {
    School s = cellSchool();
    MemoryRun m(s.db);
    // An even hour although every day ends at 6: a chosen cell lifts blocks on pairs.
    EXPECT_TRUE(sched::placeAtCell(m.run, 1, 1, 1, slotOf(3, 4)));
    EXPECT_EQ(placedCount(s.db, 1, 1), 2);
    EXPECT_EQ(at(s.ct(1), kOccupantPlane, 3, 4), 1);
    EXPECT_EQ(at(s.ct(1), kBlockStartPlane, 3, 5), slotOf(3, 4));
    EXPECT_FALSE(m.run.state.pairsOnly);
    EXPECT_NE(m.observer.closing.find("2"), std::string::npos);
}

TEST(PlaceAtCell, PlacesNothingWhereTheBlockCannotGo) {
    School s = cellSchool();
    MemoryRun m(s.db);
    const Bytes before = gridBytes(s.db);
    EXPECT_FALSE(sched::placeAtCell(m.run, 1, 1, 1, slotOf(3, 6))); // runs past the day
    EXPECT_FALSE(sched::placeAtCell(m.run, 1, 1, 1, slotOf(2, 2))); // meets a closed hour
    EXPECT_EQ(gridBytes(s.db), before);
}

TEST(Skip, EndsOnlyTheCurrentLesson) {
    School s;
    lessonOf(s, 1, {2});
    lessonOf(s, 2, {1});
    s.klass(1).hours(1, 1, 6).teacher(1).classLesson(1, 1, {1}).classLesson(1, 2, {1});
    quietSettings(s, 1);
    test::openScreenTotals(s.db);
    MemoryRun m(s.db);
    Id current = 0;
    bool skipped = false;
    int firstPlacedWhenSecondShown = -1;
    m.observer.onLesson = [&](Id, Id l) {
        current = l;
        if (l == 2 && firstPlacedWhenSecondShown < 0)
            firstPlacedWhenSecondShown = placedCount(s.db, 1, 1);
    };
    m.observer.onPump = [&] {
        if (current == 1 && !skipped) {
            skipped = true;
            sched::requestSkip(m.run);
        }
    };
    sched::runAutomatic(m.run);
    EXPECT_TRUE(skipped);
    EXPECT_EQ(firstPlacedWhenSecondShown, 0);
    EXPECT_EQ(placedCount(s.db, 1, 2), 1);
    EXPECT_EQ(placedCount(s.db, 1, 1), 2); // taken up again by the second sweep
}

TEST(Stop, EndsTheRunWithSoundGrids) {
    auto db = test::sampleDb(8);
    db->settings.searchLevel = 3;
    MemoryRun m(*db);
    int pumps = 0;
    int stops = 0;
    m.observer.onPump = [&] {
        if (++pumps % 20 == 0) {
            ++stops;
            sched::requestStop(m.run);
        }
    };
    sched::runAutomatic(m.run);
    EXPECT_GT(stops, 0);
    EXPECT_FALSE(m.run.state.running);
    EXPECT_EQ(sched::RunInvariants(*db).check(*db), std::vector<std::string>{});
}

} // namespace
} // namespace zs
