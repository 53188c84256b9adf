// The run beyond the faithful search: "&Durdur" ends every stage, the check before the
// run and its arithmetic, displacement by level, the completion stage, every member
// class's day and the sample schools.
#include "core/cp1254.h"
#include "rules/grid_check.h"
#include "rules/lock.h"
#include "rules/prepare_teacher.h"
#include "rules/rule_breaks.h"
#include "rules/school.h"
#include "rules/slots.h"
#include "run_support.h"
#include "scheduler/explain.h"
#include "scheduler/feasibility.h"
#include "scheduler/improve_stage.h"
#include "scheduler/journal_ops.h"
#include "scheduler/kempe.h"
#include "scheduler/quality.h"
#include "scheduler/repair.h"
#include "scheduler/unplaced_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace zs {
namespace {

using test::at;
using test::MemoryRun;
using test::School;

void quiet(School& s, u8 level) {
    s.db.settings.searchLevel = level;
    s.db.settings.autoAdjust = 0;
}

// The three day rules: a free day between the parts, other hours on other days, lesson
// groups on other days.
void dayRules(Settings& settings, bool on) {
    settings.dayBetweenParts = settings.otherHourOtherDay = settings.groupOtherDay = on;
}

TEST(Stop, EndsEveryStageWhenTheStuckTeacherComesFirst) {
    School s;
    // Teacher 1's lesson needs room 1, open only at hours 1-2 of Monday to Wednesday, which
    // lesson 3 holds by hand: its teacher comes at no other hour. No check before the run
    // foresees it; teacher 1 comes first by its smaller slack.
    s.lesson(1, 6).lesson(2, 2).lesson(3, 6).klass(1).hours(1, 1, 8).room(1);
    s.teacher(1).teacher(2).teacher(3);
    s.classLesson(1, 1, {1}, {1}).classLesson(1, 2, {2}).classLesson(1, 3, {3});
    s.rt(1).planes[kOpenPlane].fill(0);
    s.tt(3).planes[kOpenPlane].fill(0);
    for (int d = 1; d <= 3; ++d)
        for (int h = 1; h <= 2; ++h) {
            s.rt(1).planes[kOpenPlane][slotOf(d, h) - 1] = 1;
            s.tt(3).planes[kOpenPlane][slotOf(d, h) - 1] = 1;
            ASSERT_TRUE(Place(s.db, slotOf(d, h), 1, 3));
        }
    quiet(s, 9);
    test::openScreenTotals(s.db);
    MemoryRun m(s.db);
    int pumps = 0;
    m.observer.onPump = [&] {
        if (++pumps == 3) sched::requestStop(m.run);
    };
    sched::runAutomatic(m.run);
    EXPECT_TRUE(m.run.state.impossible.empty());
    ASSERT_FALSE(m.observer.lessons.empty());
    for (const auto& [c, l] : m.observer.lessons) EXPECT_EQ(l, 1);
    EXPECT_EQ(placedCount(s.db, 1, 2), 0); // nothing after the stop, no completion either
    EXPECT_EQ(m.run.state.phase, sched::RunPhase::Faithful);
    EXPECT_LT(pumps, 10);
    EXPECT_EQ(m.observer.closing, cp1254::lit("Yerleşmeyen 8 ders saati kaldı."));
}

// Class 1 open only on Monday 1-4; lesson 1 of teacher 1 stands by hand at Monday 1-2,
// and lesson 2 of teacher 2, closed at Monday 3-4, can only have Monday 1-2.
School displacementSchool(bool pairs, u8 level) {
    School s;
    s.lesson(1, 2).lesson(2, 2).klass(1).hours(1, 1, 6).teacher(1).teacher(2);
    s.classLesson(1, 1, {1}).classLesson(1, 2, {2});
    for (int slot = 1; slot <= kSlots; ++slot)
        if (!(dayOf(slot) == 1 && hourOf(slot) <= 4)) s.ct(1).planes[kOpenPlane][slot - 1] = 0;
    s.tt(2).planes[kOpenPlane][slotOf(1, 3) - 1] = 0;
    s.tt(2).planes[kOpenPlane][slotOf(1, 4) - 1] = 0;
    Place(s.db, slotOf(1, 1), 1, 1);
    Place(s.db, slotOf(1, 2), 1, 1);
    s.db.settings.blocksOnPairs = pairs ? 1 : 0;
    s.db.settings.allowGaps = 1;
    quiet(s, level);
    test::openScreenTotals(s.db);
    return s;
}

TEST(Displacement, NothingAtLevelOneAMoveFromLevelTwoWithOrWithoutPairs) {
    for (bool pairs : {false, true})
        for (u8 level : {1, 2}) {
            School s = displacementSchool(pairs, level);
            MemoryRun m(s.db);
            m.run.faithfulOnly = true;
            sched::runAutomatic(m.run);
            SCOPED_TRACE(std::string(pairs ? "pairs" : "no pairs") + " level " +
                         std::to_string(level));
            EXPECT_EQ(m.run.state.pairsOnly, pairs);
            if (level == 1) {
                EXPECT_EQ(placedCount(s.db, 1, 2), 0);
                EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 1), 1);
            } else {
                EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 1), 2);
                EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 3), 1); // moved, not lost
            }
        }
}

// Teacher 1's lesson 1 stands at Monday 1-2; lesson 2 is tried at Monday 1 by the day
// re-arrangement: the day is taken out, lesson 2 goes in, lesson 1 goes elsewhere.
TEST(DayRearrangement, MovesTheDayAroundTheBlockButNeverALockedOne) {
    for (bool locked : {false, true}) {
        School s;
        s.lesson(1, 2).lesson(2, 2).klass(1).hours(1, 1, 4).teacher(1);
        s.classLesson(1, 1, {1}).classLesson(1, 2, {1});
        Place(s.db, slotOf(1, 1), 1, 1);
        Place(s.db, slotOf(1, 2), 1, 1);
        if (locked) ToggleLock(s.db, CellOf::Class, 1, slotOf(1, 1));
        s.db.settings.allowGaps = 1;
        test::openScreenTotals(s.db);
        PrepareTeacher(s.db, 1);
        const Bytes before = test::gridBytes(s.db);
        MemoryRun m(s.db);
        sched::RunState& st = m.run.state;
        st.currentLevel = 2;
        st.settingsPhase = 1;
        st.sweepNo = 2;
        st.attemptDepth = 1;
        st.workLeft = sched::attemptWorkBudget(2);
        sched::PlacementAttempt a;
        ASSERT_TRUE(sched::fillAttempt(s.db, a, 1, 2));
        a.length = 2;
        a.day = 1;
        a.hour = 1;
        a.cell = slotOf(1, 1);
        sched::rearrangeDay(m.run, a);
        SCOPED_TRACE(locked ? "locked" : "unlocked");
        EXPECT_EQ(a.success, !locked);
        if (locked) {
            EXPECT_EQ(test::gridBytes(s.db), before);
        } else {
            EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 1), 2);
            EXPECT_EQ(placedCount(s.db, 1, 1), 2);
        }
    }
}

// Many holes in a full timetable call for splits again and again; one is made.
TEST(TwoHourSplit, AtMostOncePerRunAndTheSettingStays) {
    auto db = test::fullWithHoles(2);
    db->settings.splitBlock = 1;
    MemoryRun m(*db);
    m.run.faithfulOnly = true;
    sched::runAutomatic(m.run);
    EXPECT_GT(m.run.state.moves.twoHourSplits, 1);
    EXPECT_EQ(m.run.state.splitCount, 1);
    EXPECT_EQ(db->settings.splitBlock, 1);
    EXPECT_TRUE(checkGridConsistency(*db).empty());
}

// The hours a pushed block's walk tries hold every cell where the block fits, on a
// school the faithful search has filled, for every class lesson and block length.
TEST(HardFitHours, HoldEveryCellWhereABlockFits) {
    auto db = test::sampleDb(8, 3);
    MemoryRun m(*db);
    m.run.faithfulOnly = true;
    sched::runAutomatic(m.run);
    sched::Stage stage(m.run, 1L << 30);
    int fits = 0;
    for (const ClassLesson& cl : db->classLessons)
        for (int length = 1; length <= 3; ++length) {
            sched::PlacementAttempt a;
            if (!sched::fillFor(stage, a, cl.classId, cl.lessonId, length)) continue;
            for (int day = 1; day <= kDays; ++day) {
                const unsigned hours = sched::hardFitHours(m.run, a, day);
                for (int hour = 1; hour <= kHoursPerDay; ++hour) {
                    if (!sched::hardFits(m.run, a, slotOf(day, hour))) continue;
                    ++fits;
                    EXPECT_TRUE(hours >> (hour - 1) & 1)
                        << int(cl.classId) << "/" << int(cl.lessonId) << " " << day << "." << hour;
                }
            }
        }
    EXPECT_GT(fits, 50);
}

// Class 1 has A (teacher 1) at Monday 1-2 and B (teacher 2) at 3-4; teacher 1 also has
// C in class 2 at 3-4. Swapping A to 3-4 takes B to 1-2 and, through teacher 1, C too.
TEST(KempeChain, SwapsEveryBlockOfTheChainOrNothing) {
    for (bool locked : {false, true}) {
        School s;
        s.lesson(1, 2).lesson(2, 2).lesson(3, 2).klass(1).hours(1, 1, 6);
        s.klass(2).hours(2, 1, 6).teacher(1).teacher(2);
        s.classLesson(1, 1, {1}).classLesson(1, 2, {2}).classLesson(2, 3, {1});
        for (int h : {1, 2}) Place(s.db, slotOf(1, h), 1, 1);
        for (int h : {3, 4}) Place(s.db, slotOf(1, h), 1, 2);
        for (int h : {3, 4}) Place(s.db, slotOf(1, h), 2, 3);
        if (locked) ToggleLock(s.db, CellOf::Class, 2, slotOf(1, 3));
        const Bytes before = test::gridBytes(s.db);
        MemoryRun m(s.db);
        SCOPED_TRACE(locked ? "locked" : "unlocked");
        EXPECT_EQ(
            sched::kempeSwap(m.run, s.db.classTimetables.positionOf(1), slotOf(1, 1), slotOf(1, 3)),
            !locked);
        if (locked) {
            EXPECT_EQ(test::gridBytes(s.db), before);
            continue;
        }
        EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 3), 1);
        EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 1), 2);
        EXPECT_EQ(at(s.ct(2), kOccupantPlane, 1, 1), 3);
        EXPECT_EQ(s.tt(1).placedHours, 4);
        EXPECT_TRUE(checkGridConsistency(s.db).empty());
    }
}

// Class 1 has A (teacher 1) at Monday 1-2, B (teacher 2) at 3 and C (teacher 3) at 4;
// teacher 2 also has D in class 2 at 1-2. Swapping hours 1-2 with 3-4 takes B and C to
// 1 and 2, A to 3-4 and, through teacher 2, D to 3-4.
TEST(WindowSwap, MovesBlocksOfAnyLengthWithEveryClassConcernedOrNothing) {
    for (bool locked : {false, true}) {
        School s;
        s.lesson(1, 2).lesson(2, 1).lesson(3, 1).lesson(4, 2).klass(1).hours(1, 1, 6);
        s.klass(2).hours(2, 1, 6).teacher(1).teacher(2).teacher(3);
        s.classLesson(1, 1, {1}).classLesson(1, 2, {2}).classLesson(1, 3, {3});
        s.classLesson(2, 4, {2});
        for (int h : {1, 2}) Place(s.db, slotOf(1, h), 1, 1);
        Place(s.db, slotOf(1, 3), 1, 2);
        Place(s.db, slotOf(1, 4), 1, 3);
        for (int h : {1, 2}) Place(s.db, slotOf(1, h), 2, 4);
        if (locked) ToggleLock(s.db, CellOf::Class, 2, slotOf(1, 1));
        const Bytes before = test::gridBytes(s.db);
        MemoryRun m(s.db);
        SCOPED_TRACE(locked ? "locked" : "unlocked");
        EXPECT_EQ(sched::windowSwap(m.run, s.db.classTimetables.positionOf(1), slotOf(1, 1),
                                    slotOf(1, 3), 2),
                  !locked);
        if (locked) {
            EXPECT_EQ(test::gridBytes(s.db), before);
            continue;
        }
        for (auto [h, lesson] : {std::pair{1, 2}, {2, 3}, {3, 1}, {4, 1}})
            EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, h), lesson);
        EXPECT_EQ(at(s.ct(2), kOccupantPlane, 1, 1), 0);
        EXPECT_EQ(at(s.ct(2), kOccupantPlane, 1, 3), 4);
        EXPECT_EQ(s.tt(2).placedHours, 3);
        EXPECT_TRUE(checkGridConsistency(s.db).empty());
    }
}

TEST(Completion, PlacesWhatTheFaithfulSearchLeftAndKeepsEveryHour) {
    School s = displacementSchool(true, 1);
    MemoryRun m(s.db);
    sched::runAutomatic(m.run);
    EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 1), 2);
    EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 3), 1);
    EXPECT_EQ(m.run.state.phase, sched::RunPhase::Completion);
    EXPECT_EQ(m.observer.closing, cp1254::lit("Yerleşmeyen ders kalmadı."));
    EXPECT_NE(m.observer.closingText.find(cp1254::lit("aynı gün iki blok 0.")), std::string::npos);
    EXPECT_TRUE(checkGridConsistency(s.db).empty());
}

// Six hours in blocks of 4 and 2 for a class of three hours a day: the 4 fits nowhere,
// the 2 is still placed.
TEST(Completion, PlacesTheBlocksThatFitBesideOneThatFitsNowhere) {
    School s;
    s.lesson(1, 6).klass(1).hours(1, 1, 3).teacher(1).classLesson(1, 1, {1});
    s.db.classLessons.find(1, 1)->pattern = {4, 2, 0, 0, 0};
    s.db.classLessons.find(1, 1)->blockCount = 2;
    test::openScreenTotals(s.db);
    MemoryRun m(s.db);
    sched::runAutomatic(m.run);
    EXPECT_EQ(placedCount(s.db, 1, 1), 2);
    EXPECT_EQ(m.observer.closing, cp1254::lit("Yerleşmeyen 4 ders saati kaldı."));
}

// Lesson 4 of teacher 3 can only go at Monday 1, where lesson 1 of teacher 1 stands; its
// only other cell, Tuesday 2, gives teacher 1 a second hour that day (the maximum is 1).
// Only a pass that lets a pushed block bend that very rule places the hour.
TEST(Completion, ALastPassPushesABlockWhereItBendsARule) {
    struct Case {
        RuleSet mayBend;
        bool placed;
    };
    for (const Case c : {Case{0, false}, Case{ruleBit(Rule::GapLimit), false},
                         Case{ruleBit(Rule::DailyMaximum), true}}) {
        School s;
        s.lesson(1, 1).lesson(2, 1).lesson(3, 1).lesson(4, 1).klass(1).klass(2).hours(2, 1, 4);
        s.teacher(1).teacher(3);
        s.ct(1).firstHour = {1, 1, 0, 0, 0};
        s.ct(1).lastHour = {2, 2, 0, 0, 0};
        s.classLesson(1, 1, {1}).classLesson(1, 2, {1}).classLesson(2, 3, {1});
        s.classLesson(1, 4, {3});
        s.tt(3).planes[kOpenPlane].fill(0);
        s.tt(3).planes[kOpenPlane][slotIndex(slotOf(1, 1))] = 1;
        ASSERT_TRUE(Place(s.db, slotOf(1, 1), 1, 1));
        ASSERT_TRUE(Place(s.db, slotOf(2, 1), 1, 2));
        ASSERT_TRUE(Place(s.db, slotOf(1, 2), 2, 3));
        ASSERT_TRUE(ToggleLock(s.db, CellOf::Class, 2, slotOf(1, 2)));
        for (Id t : {1, 3}) s.tt(t).effectiveRules[kMaxHoursPerDay] = 1;
        MemoryRun m(s.db);
        sched::Stage stage(m.run, 1L << 20);
        stage.pushedMayBend = c.mayBend;
        SCOPED_TRACE(c.mayBend);
        const Bytes before = test::gridBytes(s.db);
        EXPECT_EQ(sched::placeSomewhere(stage, 1, 4, 1, 2, c.mayBend), c.placed);
        if (!c.placed) {
            m.run.journal->clear();
            EXPECT_EQ(test::gridBytes(s.db), before);
            continue;
        }
        EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 1), 4);
        EXPECT_EQ(at(s.ct(1), kOccupantPlane, 2, 2), 1);
        EXPECT_EQ(dailyMaximumBreaks(s.tt(1)), 1);
        EXPECT_TRUE(checkGridConsistency(s.db).empty());
    }
}

TEST(Completion, NeverMovesAGuidanceHourPlacedByHand) {
    School s;
    s.lesson(1, 1).klass(1).hours(1, 1, 8).teacher(1).classLesson(1, 1, {1});
    s.db.settings.guidanceLessonId = 1;
    ASSERT_TRUE(Place(s.db, slotOf(2, 3), 1, 1));
    MemoryRun m(s.db);
    EXPECT_FALSE(sched::removeBlock(m.run, 0, slotOf(2, 3)));
    s.db.settings.guidanceLessonId = 2;
    EXPECT_TRUE(sched::removeBlock(m.run, 0, slotOf(2, 3)));
}

// A generated school, at the default settings and with the day rules on: whatever the
// second stage gains, it breaks no rule more often than the faithful search left it.
TEST(Improvement, BreaksNoRuleMoreOftenThanTheFaithfulSearch) {
    for (const bool withDayRules : {false, true}) {
        for (std::uint64_t seed : {1}) {
            RuleCounts counts[2];
            for (const bool faithful : {true, false}) {
                auto db = test::sampleDb(8, seed);
                dayRules(db->settings, withDayRules);
                MemoryRun m(*db);
                m.run.faithfulOnly = faithful;
                sched::runAutomatic(m.run);
                ASSERT_EQ(sched::unplacedClassHours(*db), 0);
                counts[faithful ? 0 : 1] = sched::measureQuality(*db).breaks;
            }
            for (int r = 0; r < kRuleCount; ++r)
                EXPECT_LE(counts[1].n[r], counts[0].n[r])
                    << ruleName(static_cast<Rule>(r)) << " seed " << seed << " day rules "
                    << withDayRules;
        }
    }
}

// More rounds of annealing run only while teachers are over the gap limit and the day
// rules hold, each longer than the one before; they spend no more than the work given, leave no
// more teachers over and break nothing more often.
TEST(Improvement, GapRoundsOnlyWhileTeachersAreOverAndTheDayRulesHold) {
    enum class Setup { NobodyOver, DayRuleBroken, OnlyGapLimit };
    for (const Setup setup : {Setup::NobodyOver, Setup::DayRuleBroken, Setup::OnlyGapLimit}) {
        auto db = test::sampleDb(8, 3);
        MemoryRun m(*db);
        m.run.faithfulOnly = true;
        sched::runAutomatic(m.run);
        for (TeacherTimetable& tt : db->teacherTimetables.rows) {
            tt.effectiveRules[kAllowGaps] = setup == Setup::NobodyOver ? 1 : 0;
            tt.effectiveRules[kMaxGapsPerWeek] = 0;
            for (int rule : {kDayBetweenParts, kOtherHourOtherDay, kGroupOtherDay})
                tt.effectiveRules[rule] = setup == Setup::DayRuleBroken ? 1 : 0;
        }
        dayRules(db->settings, setup == Setup::DayRuleBroken);
        const Bytes before = test::gridBytes(*db);
        constexpr long kGiven = 240000;
        sched::Stage stage(m.run, 0);
        sched::Scores scores(*db, stage.held);
        const int over = scores.teachersOverGapLimit();
        ASSERT_EQ(over > 0, setup != Setup::NobodyOver);
        ASSERT_EQ(scores.dayRulesBroken(), setup == Setup::DayRuleBroken);
        const RuleCounts counts = schoolBreaks(*db);
        // Rounds of one, two and three sixths: a fourth would find nothing left.
        const int rounds = sched::annealWhileOverGapLimit(stage, scores, kGiven, kGiven / 6);
        if (setup != Setup::OnlyGapLimit) {
            EXPECT_EQ(rounds, 0);
            EXPECT_EQ(stage.workLeft, 0);
            EXPECT_EQ(test::gridBytes(*db), before);
            continue;
        }
        EXPECT_GE(rounds, 1);
        EXPECT_LE(rounds, 3);
        EXPECT_GE(stage.workLeft, 0);
        EXPECT_LE(scores.teachersOverGapLimit(), over);
        const sched::Scores fresh(*db, stage.held);
        EXPECT_EQ(fresh.total(), scores.total());
        EXPECT_FALSE(schoolBreaks(*db).exceeds(counts));
        EXPECT_TRUE(checkGridConsistency(*db).empty());
    }
}

// The second stage counts a move again only on the days it touched: after any sequence
// of kept and undone moves, its figures are those of a count of every grid from scratch,
// and both are what the rule functions count.
TEST(Improvement, FiguresKeptDayByDayEqualAFreshCount) {
    for (const bool withDayRules : {false, true}) {
        auto db = test::sampleDb(8, 3);
        dayRules(db->settings, withDayRules);
        MemoryRun m(*db);
        m.run.faithfulOnly = true;
        sched::runAutomatic(m.run);
        sched::Stage stage(m.run, 1L << 30);
        sched::Scores scores(*db, stage.held);
        std::uint32_t random = 12345;
        auto next = [&] { return random = random * 1103515245u + 12345u, random >> 8; };
        int kept = 0;
        for (int move = 0; move < 20000; ++move) {
            const int row = int(next() % db->classTimetables.rows.size());
            const ClassTimetable& ct = db->classTimetables.rows[row];
            const int slot = 1 + int(next() % kSlots), to = 1 + int(next() % kSlots);
            const Id lesson = ct.planes[kOccupantPlane][slotIndex(slot)];
            if (lesson == 0 || ct.planes[kBlockStartPlane][slotIndex(slot)] != slot) continue;
            m.run.journal->clear();
            sched::PlacementAttempt a;
            if (!sched::fillFor(stage, a, ct.classId, lesson,
                                ct.planes[kBlockLengthPlane][slotIndex(slot)]))
                continue;
            bool moved = false;
            // Swaps, moves, and blocks only taken out, so that a lesson also leaves a class.
            const unsigned kind = next() % 4;
            if (kind == 0) {
                moved = sched::kempeSwap(m.run, row, slot, to);
            } else if (kind == 1) {
                moved = sched::removeBlock(m.run, row, slot);
            } else if (sched::removeBlock(m.run, row, slot)) {
                moved = sched::hardFits(m.run, a, to) && sched::commitBlock(m.run, a);
                if (!moved) sched::rollBack(m.run, 0);
            }
            if (!moved) continue;
            // A pushed block's grids measured from the kept figures and the journal, as the
            // second stage measures them, equal a fresh count of those grids.
            sched::Affected fromKept, counted;
            fromKept.add(a);
            counted.add(a);
            const sched::GridScore viaKept = fromKept.measure(m.run, stage.held, &scores);
            const sched::GridScore fresh = counted.measure(m.run, stage.held, nullptr);
            ASSERT_EQ(viaKept.penalty, fresh.penalty) << move;
            ASSERT_EQ(viaKept.breaks.n, fresh.breaks.n) << move;
            // Rule rises are kept too, so every count moves both ways.
            scores.delta(m.run, 0);
            if (next() % 3 != 0) {
                scores.accept();
                ++kept;
            } else {
                sched::rollBack(m.run, 0);
            }
        }
        EXPECT_GT(kept, 100);
        const sched::Scores fresh(*db, stage.held);
        EXPECT_EQ(scores.teacher, fresh.teacher);
        EXPECT_EQ(scores.klass, fresh.klass);
        EXPECT_EQ(scores.school.n, fresh.school.n);
        for (std::size_t t = 0; t < fresh.teacherRules.size(); ++t) {
            const TeacherTimetable& tt = db->teacherTimetables.rows[t];
            EXPECT_EQ(scores.teacherRules[t].n, fresh.teacherRules[t].n) << int(tt.teacherId);
            EXPECT_EQ(fresh.teacherRules[t].n, teacherBreaks(*db, tt).n) << int(tt.teacherId);
        }
        for (std::size_t c = 0; c < fresh.classRules.size(); ++c) {
            const ClassTimetable& ct = db->classTimetables.rows[c];
            EXPECT_EQ(scores.classRules[c].n, fresh.classRules[c].n) << int(ct.classId);
            EXPECT_EQ(fresh.classRules[c].n, classBreaks(*db, ct).n) << int(ct.classId);
        }
        EXPECT_TRUE(checkGridConsistency(*db).empty());
    }
}

TEST(MemberClasses, ACommonBlockStaysWithinEveryMembersDay) {
    School s;
    s.lesson(1, 2).klass(1).hours(1, 1, 8).klass(2).hours(2, 1, 6).teacher(1);
    s.classLesson(1, 1).classLesson(2, 1).group(1, {{1, 1}, {2, 1}}, {1});
    for (int d = 1; d <= kDays; ++d)
        for (int h = 1; h <= 6; ++h) s.ct(1).planes[kOpenPlane][slotOf(d, h) - 1] = 0;
    quiet(s, 3);
    test::openScreenTotals(s.db);
    EXPECT_FALSE(CanPlace(s.db, slotOf(1, 7), 1, 1));
    const sched::LessonExplanation e = sched::explainLesson(s.db, 1, 1);
    EXPECT_EQ(e.cells[slotOf(1, 7) - 1].reason, sched::CellReason::OutsideClassHours);
    MemoryRun m(s.db);
    sched::runAutomatic(m.run);
    EXPECT_EQ(placedCount(s.db, 1, 1), 0);
    EXPECT_EQ(placedCount(s.db, 2, 1), 0);
    EXPECT_EQ(m.observer.closing, cp1254::lit("Yerleşmeyen 2 ders saati kaldı."));
}

// Thirty hours in two-hour blocks in three classes whose Friday hour 7 is fixed, the
// teacher's Friday hours 1-2 closed: Friday holds 4 of them, the week 28.
TEST(Feasibility, NamesTheTeacherWithItsArithmeticAndTheBlockThatFitsNowhere) {
    School s;
    Pattern fives{2, 2, 2, 2, 2};
    addLesson(s.db, 1, 0, 10, fives, "L1", "LESSON 1", 1);
    s.lesson(2, 4).teacher(1).teacher(2);
    for (Id c : {1, 2, 3}) {
        s.klass(c).hours(c, 1, 8).classLesson(c, 1, {1});
        s.ct(c).planes[kOpenPlane][slotOf(5, 7) - 1] = 0;
    }
    s.tt(1).planes[kOpenPlane][slotOf(5, 1) - 1] = 0;
    s.tt(1).planes[kOpenPlane][slotOf(5, 2) - 1] = 0;
    s.db.lessons.find(2)->pattern = {4, 0, 0, 0, 0};
    s.klass(4).hours(4, 1, 3).classLesson(4, 2, {2});
    s.db.classLessons.find(4, 2)->pattern = {4, 0, 0, 0, 0};
    s.db.classLessons.find(4, 2)->blockCount = 1;
    for (Id c : {1, 2, 3}) {
        s.db.classLessons.find(c, 1)->pattern = fives;
        s.db.classLessons.find(c, 1)->blockCount = 5;
    }
    test::openScreenTotals(s.db);
    for (Id t : {1, 2}) PrepareTeacher(s.db, t);
    const sched::Feasibility f = sched::checkFeasibility(s.db);
    std::vector<std::string> texts;
    for (const auto& i : f.findings) texts.push_back(i.text);
    // Teacher 2's one block of four fits no day of three hours, as the lesson says too.
    EXPECT_EQ(texts,
              (std::vector<std::string>{
                  cp1254::lit("TEACHER 1: 30 saat, en çok 28 saat yerleşebilir (6+6+6+6+4; "
                              "günde en çok 6 saat, açık ve sabit alanlarla)."),
                  cp1254::lit("TEACHER 2: 4 saat, en çok 0 saat yerleşebilir (0+0+0+0+0; günde "
                              "en çok 6 saat, açık ve sabit alanlarla)."),
                  cp1254::lit("4 A LESSON 2: 4 saatlik blok, en uzun açık alan 3 saat.")}));
    EXPECT_EQ(f.teacherCapacity[1], 28);
    EXPECT_TRUE(f.impossibleBlock(4, 2));
    EXPECT_FALSE(f.impossibleBlock(1, 1));
}

// Thirty-eight hours in two-hour blocks in four classes of the main building, eight a day at
// most, and the teacher's guidance hour placed on Friday hour 7 in class 5. Where class 5
// is in the annex, Friday's blocks must end a free hour before it (hours 1-5, so 4 hours),
// and the week holds 37 of the 39; in the main building Friday holds 7, and the week all.
// A guidance hour not yet placed is one more hour to place, which the blocks cannot count
// on: the check then calls nothing impossible either.
TEST(Feasibility, CountsTheBuildingRuleAroundAFixedGuidanceHourOfTheOtherBuilding) {
    struct Case {
        const char* name;
        bool annex;
        bool guidancePlaced;
        int capacity; // -1: the week holds every hour
    };
    for (const Case& c : {Case{"guidance in the annex", true, true, 37},
                          Case{"guidance in the main building", false, true, -1},
                          Case{"guidance in the annex, not yet placed", true, false, -1}}) {
        SCOPED_TRACE(c.name);
        School s;
        addLesson(s.db, 1, 0, 10, {2, 2, 2, 2, 2}, "L1", "LESSON 1", 1);
        addLesson(s.db, 2, 0, 8, {2, 2, 2, 2, 0}, "L2", "LESSON 2", 2);
        s.lesson(3, 1).teacher(1);
        for (Id k : {1, 2, 3}) s.klass(k).hours(k, 1, 8).classLesson(k, 1, {1});
        s.klass(4).hours(4, 1, 8).classLesson(4, 2, {1});
        s.klass(5).hours(5, 1, 8).classLesson(5, 3, {1});
        for (Id k : {1, 2, 3, 4}) {
            ClassLesson& cl = *s.db.classLessons.find(k, k == 4 ? 2 : 1);
            cl.pattern = s.db.lessons.find(cl.lessonId)->pattern;
            cl.blockCount = k == 4 ? 4 : 5;
        }
        s.db.settings.guidanceLessonId = 3;
        s.db.settings.maxHoursPerDay = 8;
        s.db.annexFlags[5] = c.annex ? 1 : 0;
        if (c.guidancePlaced) {
            ASSERT_TRUE(Place(s.db, slotOf(5, 7), 5, 3));
        }
        test::openScreenTotals(s.db);
        PrepareTeacher(s.db, 1);
        const sched::Feasibility f = sched::checkFeasibility(s.db);
        EXPECT_EQ(f.teacherCapacity[1], c.capacity);
        if (c.capacity < 0) {
            EXPECT_TRUE(f.findings.empty());
            continue;
        }
        ASSERT_EQ(f.findings.size(), 1u);
        EXPECT_EQ(f.findings[0].text,
                  cp1254::lit("TEACHER 1: 39 saat, en çok 37 saat yerleşebilir (8+8+8+8+5; günde "
                              "en çok 8 saat, açık ve sabit alanlarla, bina değişimi kuralıyla)."));
    }
}

// A block longer than the daily maximum alone on a day, and single hours joined on one day
// where the settings merge them, are no reason to call a school impossible.
TEST(Feasibility, CountsLongBlocksAloneAndMergedSingleHours) {
    struct Case {
        const char* name;
        u8 merge;
        std::size_t findings;
    };
    for (const Case& c : {Case{"singles kept apart", 0, 1}, Case{"singles merged", 1, 0}}) {
        School s;
        // Teacher 1: a block of four and twelve single hours, three a day at most.
        addLesson(s.db, 1, 0, 4, {4, 0, 0, 0, 0}, "L1", "LESSON 1", 1);
        addLesson(s.db, 2, 0, 4, {1, 1, 1, 1, 0}, "L2", "LESSON 2", 1);
        s.teacher(1).teacher(2);
        s.klass(1).hours(1, 1, 8).classLesson(1, 1, {1});
        for (Id k : {2, 3, 4}) s.klass(k).hours(k, 1, 8).classLesson(k, 2, {1});
        // Class 5 has lessons on three days only: four single hours need two days merged.
        s.klass(5).hours(5, 1, 8).classLesson(5, 2, {2});
        for (int d : {4, 5}) {
            s.ct(5).firstHour[d - 1] = 0;
            s.ct(5).lastHour[d - 1] = 0;
        }
        s.db.settings.maxHoursPerDay = 3;
        s.db.settings.mergeOnePlusOne = c.merge;
        test::openScreenTotals(s.db);
        for (Id t : {1, 2}) PrepareTeacher(s.db, t);
        const sched::Feasibility f = sched::checkFeasibility(s.db);
        std::string texts;
        for (const auto& i : f.findings) texts += i.text + "\n";
        EXPECT_EQ(f.findings.size(), c.findings) << c.name << "\n" << texts;
        EXPECT_EQ(f.teacherCapacity[1], -1) << c.name;
    }
}

// A block needs hours where its classes, teachers and rooms are all open: a room closed
// for the term, a teacher coming at single hours or on one day only, each leaves the lesson
// no room the classes alone would show. The run then names it and never searches again
// for it.
TEST(Feasibility, CountsTheTeachersAndRoomsClosedHoursOfABlock) {
    enum class Closed { Nothing, Room, TeacherOddHours, TeacherButMonday, ClassOddHours };
    struct Case {
        const char* name;
        Closed closed;
        std::vector<const char*> findings;
    };
    // Two-hour blocks in single open hours also leave the teacher no room, and the room
    // no hour.
    const char* noRoom = "TEACHER 1: 4 saat, en çok 0 saat yerleşebilir (0+0+0+0+0; günde en "
                         "çok 6 saat, açık ve sabit alanlarla).";
    const char* noHour = "ROOM 1: 4 saat, en çok 0 saat yerleşebilir (sınıfların ders saatleri ve "
                         "açık alanlarla).";
    const Case cases[] = {
        {"nothing closed", Closed::Nothing, {}},
        {"room closed all week",
         Closed::Room,
         {noHour, "1 A LESSON 1: 2 saatlik blok, en uzun açık alan 0 saat (öğretmen ve derslik "
                  "alanlarıyla)."}},
        {"teacher at odd hours only",
         Closed::TeacherOddHours,
         {noRoom, noHour,
          "1 A LESSON 1: 2 saatlik blok, en uzun açık alan 1 saat (öğretmen ve derslik "
          "alanlarıyla)."}},
        {"teacher on Monday only",
         Closed::TeacherButMonday,
         {"1 A LESSON 1: 2 blok, sınıfların ortak 1 ders günü var (öğretmen ve derslik "
          "alanlarıyla)."}},
        {"class at odd hours only",
         Closed::ClassOddHours,
         {noRoom, noHour, "1 A LESSON 1: 2 saatlik blok, en uzun açık alan 1 saat."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        School s;
        s.lesson(1, 4).klass(1).hours(1, 1, 6).teacher(1).room(1).classLesson(1, 1, {1}, {1});
        for (int slot = 1; slot <= kSlots; ++slot) {
            const bool odd = hourOf(slot) % 2 == 1;
            u8& room = s.rt(1).planes[kOpenPlane][slot - 1];
            u8& teacher = s.tt(1).planes[kOpenPlane][slot - 1];
            u8& klass = s.ct(1).planes[kOpenPlane][slot - 1];
            if (c.closed == Closed::Room) room = 0;
            if (c.closed == Closed::TeacherOddHours && !odd) teacher = 0;
            if (c.closed == Closed::TeacherButMonday && dayOf(slot) != 1) teacher = 0;
            if (c.closed == Closed::ClassOddHours && !odd) klass = 0;
        }
        quiet(s, 3);
        test::openScreenTotals(s.db);
        PrepareTeacher(s.db, 1);
        const sched::Feasibility f = sched::checkFeasibility(s.db);
        std::vector<std::string> texts;
        for (const auto& i : f.findings) texts.push_back(i.text);
        std::vector<std::string> expected;
        for (const char* line : c.findings) expected.push_back(cp1254::lit(line));
        EXPECT_EQ(texts, expected);
        if (c.closed != Closed::Room) continue;
        EXPECT_TRUE(f.impossibleBlock(1, 1));
        MemoryRun m(s.db);
        sched::runAutomatic(m.run);
        EXPECT_EQ(m.observer.closing, cp1254::lit("Yerleşmeyen 4 ders saati kaldı."));
        EXPECT_LE(std::count(m.observer.phases.begin(), m.observer.phases.end(),
                             sched::RunPhase::Faithful),
                  1);
    }
}

// A room holds one hour a cell, and only within the days of the classes that need it: a
// sports hall every class needs at hour 1 holds five hours a week, however long it is open.
// An hour locked in it keeps its cell. A lesson that may use two cells gives up the one
// another lesson can only have.
TEST(Feasibility, CountsTheHoursARoomCanHoldWithinItsClassesDays) {
    enum class Shape {
        ThreeClasses,
        OneClass,
        ALockedHour,
        ClassesAtOtherHours,
        GivesWay,
        ShortRuns
    };
    struct Case {
        const char* name;
        Shape shape;
        const char* finding; // "" when none
    };
    const Case cases[] = {
        {"three classes at hour 1", Shape::ThreeClasses,
         "ROOM 1: 12 saat, en çok 5 saat yerleşebilir (sınıfların ders saatleri ve açık "
         "alanlarla)."},
        {"one class", Shape::OneClass, ""},
        {"an hour locked in the room", Shape::ALockedHour,
         "ROOM 1: 11 saat, en çok 4 saat yerleşebilir (sınıfların ders saatleri ve açık "
         "alanlarla)."},
        {"classes at other hours", Shape::ClassesAtOtherHours, ""},
        {"a lesson gives way", Shape::GivesWay, ""},
        {"runs too short for a block of two", Shape::ShortRuns,
         "ROOM 1: 4 saat, en çok 2 saat yerleşebilir (sınıfların ders saatleri ve açık "
         "alanlarla)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        School s;
        addLesson(s.db, 1, 0, 4, {1, 1, 1, 1, 0}, "L1", "LESSON 1", 1);
        addLesson(s.db, 2, 0, 1, {1, 0, 0, 0, 0}, "L2", "LESSON 2", 1);
        addLesson(s.db, 3, 0, 2, {2, 0, 0, 0, 0}, "L3", "LESSON 3", 1);
        s.room(1);
        const bool two = c.shape == Shape::GivesWay || c.shape == Shape::ShortRuns;
        const int classes = c.shape == Shape::OneClass ? 1 : two ? 2 : 3;
        const Id lesson = c.shape == Shape::GivesWay ? 2 : c.shape == Shape::ShortRuns ? 3 : 1;
        for (Id k = 1; k <= Id(classes); ++k) {
            const u8 hour = c.shape == Shape::ClassesAtOtherHours ? u8(k) : 1;
            s.klass(k).hours(k, hour, hour).teacher(k);
            s.classLesson(k, lesson, {k}, {1});
        }
        if (c.shape == Shape::GivesWay) {
            // Class 1 may take Monday or Tuesday; class 2 Monday only.
            s.ct(1).firstHour = {1, 1, 0, 0, 0};
            s.ct(1).lastHour = {1, 1, 0, 0, 0};
            s.ct(2).firstHour = {1, 0, 0, 0, 0};
            s.ct(2).lastHour = {1, 0, 0, 0, 0};
        }
        if (c.shape == Shape::ShortRuns) {
            // Monday 1-3 and Tuesday 1-2, the room closed at Monday 2: Monday's single
            // hours take no block of two, so Tuesday's two hours are all the room holds.
            for (Id k : {1, 2}) {
                s.ct(k).firstHour = {1, 1, 0, 0, 0};
                s.ct(k).lastHour = {3, 2, 0, 0, 0};
            }
            s.rt(1).planes[kOpenPlane][slotOf(1, 2) - 1] = 0;
        }
        if (c.shape == Shape::ALockedHour) {
            ASSERT_TRUE(Place(s.db, slotOf(1, 1), 1, 1));
            ASSERT_TRUE(ToggleLock(s.db, CellOf::Class, 1, slotOf(1, 1)));
        }
        quiet(s, 3);
        test::openScreenTotals(s.db);
        for (Id k = 1; k <= Id(classes); ++k) PrepareTeacher(s.db, k);
        const sched::Feasibility f = sched::checkFeasibility(s.db);
        std::vector<std::string> texts;
        for (const auto& i : f.findings) texts.push_back(i.text);
        std::vector<std::string> expected;
        if (*c.finding) expected.push_back(cp1254::lit(c.finding));
        EXPECT_EQ(texts, expected);
        if (c.shape != Shape::ThreeClasses) continue;
        EXPECT_EQ(f.roomCapacity[1], 5);
        // The run fills the hall and never searches again for the hours it cannot hold.
        MemoryRun m(s.db);
        sched::runAutomatic(m.run);
        EXPECT_EQ(m.observer.closing, cp1254::lit("Yerleşmeyen 7 ders saati kaldı."));
        EXPECT_EQ(sched::hoursLeftToPlace(m.run), 0);
        EXPECT_LE(std::count(m.observer.phases.begin(), m.observer.phases.end(),
                             sched::RunPhase::Faithful),
                  1);
    }
}

TEST(Feasibility, ATeacherWithMoreHoursThanOpenCells) {
    School s;
    s.lesson(1, 6).klass(1).hours(1, 1, 1).teacher(1).classLesson(1, 1, {1});
    EXPECT_EQ(sched::teachersOverOpenCells(s.db),
              std::vector<std::string>{cp1254::lit("TEACHER 1: 6 saat, açık alan 5.")});
    s.hours(1, 1, 2);
    EXPECT_TRUE(sched::teachersOverOpenCells(s.db).empty());
}

TEST(Samples, SeedsGiveOtherSchoolsWithUniqueNamesAndTeachableLoads) {
    std::set<std::vector<u8>> schools;
    for (std::uint64_t seed : {1, 2, 3}) {
        auto db = test::sampleDb(80, seed);
        std::set<std::string> names;
        for (const SchoolClass& c : db->classes)
            EXPECT_TRUE(names.insert(c.name + " " + c.section).second);
        schools.insert(encodeTable(*db, DataFile::ClassLesson));
    }
    EXPECT_EQ(schools.size(), 3u);
    auto big = test::sampleDb(255, 1);
    EXPECT_TRUE(sched::teachersOverOpenCells(*big).empty());
    for (const TeacherTimetable& tt : big->teacherTimetables) EXPECT_LE(tt.totalHours, 32);
}

} // namespace
} // namespace zs
