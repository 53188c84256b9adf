// Completion by chains, and by laying out a teacher's week again: an hour whose only cell is
// held by a block that can move only where another stands, and so on five deep, is placed
// once every block of the chain has moved up by one; where nothing can move, no hour is lost
// to the search.
#include "rules/grid_check.h"
#include "rules/prepare_teacher.h"
#include "rules/rule_breaks.h"
#include "rules/school.h"
#include "rules/slots.h"
#include "run_support.h"
#include "scheduler/chain_completion.h"
#include "scheduler/improve_stage.h"
#include "scheduler/swap_completion.h"
#include "scheduler/teacher_week.h"
#include "scheduler/unplaced_report.h"

#include <gtest/gtest.h>

#include <utility>

namespace zs {
namespace {

using test::at;
using test::MemoryRun;
using test::School;

// Teacher 1 teaches lesson k of class k, one hour, for classes 1 to 6, all on Monday.
// Class 1 is open at hour 1 only; class k (2 to 6) at hours k-1 and k and stands at k-1.
// With `freeEnd`, class 6 may also take hour 6, the free cell at the chain's end; without,
// nothing can move. With `annexFirst`, class 1 is in the annex.
School ladder(bool freeEnd, bool annexFirst = false) {
    School s;
    if (annexFirst) s.db.annexFlags[1] = 1;
    s.teacher(1);
    for (Id k = 1; k <= 6; ++k) {
        s.lesson(k, 1).klass(k).classLesson(k, k, {1});
        const u8 first = k == 1 ? 1 : u8(k - 1);
        const u8 last = k == 1 ? 1 : (k == 6 && !freeEnd ? 5 : u8(k));
        s.ct(k).firstHour = {first, 0, 0, 0, 0};
        s.ct(k).lastHour = {last, 0, 0, 0, 0};
    }
    for (Id k = 2; k <= 6; ++k) EXPECT_TRUE(Place(s.db, slotOf(1, int(k) - 1), k, k));
    for (RuleBytes* rules : {&s.tt(1).effectiveRules, &s.tt(1).teacherRules}) {
        (*rules)[kMaxHoursPerDay] = 8;
        (*rules)[kAllowGaps] = 1;
    }
    s.db.settings.maxHoursPerDay = 8;
    s.db.settings.allowGaps = 1;
    test::openScreenTotals(s.db);
    return s;
}

// The ladder with a stage to complete it, its figures kept, and its grids as they began.
struct LadderStage {
    School s;
    MemoryRun m{s.db};
    sched::Stage stage{m.run, 1L << 20};
    sched::Scores scores{s.db, stage.held};
    Bytes before = test::gridBytes(s.db);
    explicit LadderStage(School school) : s(std::move(school)) { stage.kept = &scores; }
};

// Every class of the ladder at its own hour, and the kept figures those of a fresh count.
void expectEveryClassMovedUp(LadderStage& l) {
    for (Id k = 1; k <= 6; ++k) EXPECT_EQ(at(l.s.ct(k), kOccupantPlane, 1, int(k)), k) << k;
    const sched::Scores fresh(l.s.db, l.stage.held);
    EXPECT_EQ(fresh.total(), l.scores.total());
}

// With a free cell at the chain's end, every block of it moves up by one and the hour is
// placed; without, the search ends by itself, or when its work is spent on the way, and
// keeps the timetable it started from either way.
TEST(ChainCompletion, PlacesAnHourOnceEveryBlockOfAChainFiveDeepMovesUp) {
    struct Case {
        const char* what;
        bool freeEnd;
        long work;
    };
    for (const Case c :
         {Case{"a free cell at the end", true, 1L << 20}, Case{"nothing can move", false, 1L << 20},
          Case{"nothing can move, little work", false, 500}}) {
        SCOPED_TRACE(c.what);
        LadderStage l(ladder(c.freeEnd));
        auto& [s, m, stage, scores, before] = l;
        // Pushing aside three levels deep and a swap find nothing.
        EXPECT_FALSE(sched::placeSomewhere(stage, 1, 1, 1, 3, kAllRules));
        EXPECT_FALSE(sched::placeBySwap(stage, scores, 1, 1, 1));
        m.run.journal->clear();
        ASSERT_EQ(test::gridBytes(s.db), before);

        stage.workLeft = c.work;
        EXPECT_EQ(sched::completeByChains(stage, scores), c.freeEnd);
        EXPECT_EQ(m.run.journal->count, 0);
        // A search that ends by itself leaves work; a little work is spent on the way.
        EXPECT_EQ(stage.workLeft > 0, c.work > 1000);
        EXPECT_EQ(sched::unplacedClassHours(s.db), c.freeEnd ? 0 : 1);
        EXPECT_EQ(m.run.state.placedTotal, c.freeEnd ? 6 : 5);
        if (!c.freeEnd) {
            EXPECT_EQ(test::gridBytes(s.db), before);
            continue;
        }
        expectEveryClassMovedUp(l);
        EXPECT_EQ(schoolBreaks(s.db).total(), 0);
        EXPECT_TRUE(checkGridConsistency(s.db).empty());
        const sched::Scores fresh(s.db, stage.held);
        EXPECT_FALSE(fresh.school.exceeds(scores.school) || scores.school.exceeds(fresh.school));
    }
}

// Every block of the ladder is the one teacher's: laid out again as a whole, the week takes
// the missing hour where the cell at the end is free, and is proven to have no room where
// it is not; nor where the only layout takes the teacher from the annex straight to the
// main building. The grids are then as they were.
TEST(TeacherWeekLayout, PlacesTheLastHourOfATeacherByLayingOutTheWeekAgain) {
    struct Case {
        const char* what;
        bool freeEnd;
        bool annexFirst; // class 1, the one short of its hour, in the annex
        bool placed;
    };
    for (const Case c :
         {Case{"a free cell at the end", true, false, true},
          Case{"nothing can move", false, false, false},
          Case{"the only layout changes building straight after", true, true, false}}) {
        SCOPED_TRACE(c.what);
        LadderStage l(ladder(c.freeEnd, c.annexFirst));
        auto& [s, m, stage, scores, before] = l;
        EXPECT_EQ(sched::completeByTeacherWeeks(stage, scores), c.placed);
        EXPECT_EQ(m.run.journal->count, 0);
        EXPECT_GT(stage.workLeft, 0);
        EXPECT_EQ(sched::unplacedClassHours(s.db), c.placed ? 0 : 1);
        EXPECT_EQ(m.run.state.placedTotal, c.placed ? 6 : 5);
        EXPECT_TRUE(checkGridConsistency(s.db).empty());
        EXPECT_EQ(schoolBreaks(s.db).total(), 0);
        if (!c.placed) {
            EXPECT_EQ(test::gridBytes(s.db), before);
            continue;
        }
        expectEveryClassMovedUp(l);
    }
}

} // namespace
} // namespace zs
