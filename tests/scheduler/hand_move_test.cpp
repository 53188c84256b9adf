// Moving and swapping blocks by hand, the colours of a carried block, and undo and redo
// of every kind of hand change.
#include "core/integrity.h"
#include "rules/grid_check.h"
#include "rules/lock.h"
#include "rules/school.h"
#include "run_support.h"
#include "scheduler/explain.h"
#include "scheduler/hand_history.h"
#include "scheduler/hand_move.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>

namespace zs {
namespace {

using sched::DropColour;
using sched::DropOutcome;
using sched::HandBlock;
using test::School;
using R = sched::CellReason;

// Class 1: lesson 1 at hours 1-2, lesson 3 at hour 3, lesson 2 at hours 4-5 of Monday
// (teacher 1, lesson 1 in room 1; lesson 3 by teacher 2). Lesson 4 is common to classes
// 1 and 2 (teacher 3, room 2) on Tuesday's first hour; teacher 1 also teaches class 2 on
// Wednesday's first hour. Both classes have hours 1 to 8.
struct HandSchool : School {
    HandSchool() {
        lesson(1, 4).lesson(2, 2).lesson(3, 1).lesson(4, 2).lesson(5, 2);
        klass(1).klass(2).hours(1, 1, 8).hours(2, 1, 8);
        teacher(1).teacher(2).teacher(3).room(1).room(2);
        classLesson(1, 1, {1}, {1}).classLesson(1, 2, {1}).classLesson(1, 3, {2});
        classLesson(2, 5, {1});
        classLesson(1, 4).classLesson(2, 4).group(1, {{1, 4}, {2, 4}}, {3}, {2});
        const int placed[][3] = {{1, 1, 1}, {2, 1, 1},  {3, 1, 3}, {4, 1, 2},
                                 {5, 1, 2}, {17, 1, 4}, {33, 2, 5}};
        for (const auto& [slot, c, l] : placed) EXPECT_TRUE(Place(db, slot, Id(c), Id(l)));
        test::openScreenTotals(db);
    }
    HandBlock block(CellOf grid, Id owner, int slot) {
        return sched::movableBlockAt(db, grid, owner, slot).value_or(HandBlock{});
    }
};

// What the automatic run's checks say for the lesson's next block, the block taken out.
sched::LessonExplanation explainWithout(const Database& db, const HandBlock& b) {
    Database without = db;
    for (int k = 0; k < b.length; ++k) EXPECT_TRUE(Remove(without, b.start + k, b.classId));
    return sched::explainLesson(without, b.classId, b.lessonId);
}

void expectSound(const Database& db) {
    EXPECT_EQ(test::lines(checkReferences(db)), "");
    EXPECT_EQ(test::lines(checkGridConsistency(db)), "");
}

TEST(HandMove, MovesSwapsOrRefusesWhole) {
    struct Case {
        const char* what;
        CellOf grid;
        Id owner;
        int from, to;
        DropOutcome outcome;
        R reason;
        // (grid, owner, slot, occupant) that must hold afterwards.
        std::vector<std::tuple<CellOf, Id, int, Id>> after;
    };
    const Case cases[] = {
        {"move to a free place",
         CellOf::Class,
         1,
         1,
         20,
         DropOutcome::Moved,
         R::Fits,
         {{CellOf::Class, 1, 20, 1},
          {CellOf::Class, 1, 21, 1},
          {CellOf::Class, 1, 1, 0},
          {CellOf::Teacher, 1, 21, 1},
          {CellOf::Teacher, 1, 2, 0},
          {CellOf::Room, 1, 20, 1},
          {CellOf::Room, 1, 1, 0}}},
        {"move from the teacher's grid",
         CellOf::Teacher,
         1,
         2,
         7,
         DropOutcome::Moved,
         R::Fits,
         {{CellOf::Class, 1, 7, 1}, {CellOf::Class, 1, 8, 1}, {CellOf::Room, 1, 8, 1}}},
        {"swap with the other block",
         CellOf::Class,
         1,
         1,
         4,
         DropOutcome::Swapped,
         R::Fits,
         {{CellOf::Class, 1, 1, 2},
          {CellOf::Class, 1, 2, 2},
          {CellOf::Class, 1, 4, 1},
          {CellOf::Class, 1, 5, 1},
          {CellOf::Room, 1, 5, 1},
          {CellOf::Room, 1, 1, 0}}},
        {"swap where the longer block does not fit",
         CellOf::Class,
         1,
         1,
         3,
         DropOutcome::Refused,
         R::TeacherBusy,
         {}},
        {"past the class's last hour",
         CellOf::Class,
         1,
         4,
         8,
         DropOutcome::Refused,
         R::OutsideClassHours,
         {}},
        {"teacher busy in another class",
         CellOf::Class,
         1,
         1,
         33,
         DropOutcome::Refused,
         R::TeacherBusy,
         {}},
        {"a common lesson moves with every member",
         CellOf::Class,
         2,
         17,
         20,
         DropOutcome::Moved,
         R::Fits,
         {{CellOf::Class, 1, 20, 4},
          {CellOf::Class, 2, 20, 4},
          {CellOf::Class, 1, 17, 0},
          {CellOf::Class, 2, 17, 0},
          {CellOf::Teacher, 3, 17, 0},
          {CellOf::Teacher, 3, 20, 2},
          {CellOf::Room, 2, 20, 2}}},
        {"onto its own place", CellOf::Class, 1, 4, 4, DropOutcome::Unchanged, R::Fits, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HandSchool s;
        const Bytes before = test::gridBytes(s.db);
        const HandBlock b = s.block(c.grid, c.owner, c.from);
        ASSERT_NE(b.length, 0);
        const sched::DropResult r = sched::dropBlock(s.db, c.grid, c.owner, b, c.to);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.why.reason, c.reason);
        expectSound(s.db);
        if (c.outcome == DropOutcome::Refused || c.outcome == DropOutcome::Unchanged) {
            EXPECT_EQ(test::gridBytes(s.db), before);
        }
        for (auto [grid, owner, slot, occupant] : c.after) {
            const std::size_t i = std::size_t(slot - 1);
            const Id held = grid == CellOf::Class     ? s.ct(owner).planes[kOccupantPlane][i]
                            : grid == CellOf::Teacher ? s.tt(owner).planes[kOccupantPlane][i]
                                                      : s.rt(owner).planes[kOccupantPlane][i];
            EXPECT_EQ(held, occupant) << "slot " << slot;
        }
    }
}

TEST(HandMove, LockedBlocksAndClosedCellsStay) {
    HandSchool s;
    ASSERT_TRUE(ToggleLock(s.db, CellOf::Class, 1, 4));  // locks lesson 2
    ASSERT_TRUE(ToggleLock(s.db, CellOf::Class, 1, 49)); // closes Thursday's first hour
    EXPECT_FALSE(sched::movableBlockAt(s.db, CellOf::Class, 1, 5));
    EXPECT_FALSE(sched::movableBlockAt(s.db, CellOf::Class, 1, 49));
    const Bytes before = test::gridBytes(s.db);
    const HandBlock b = s.block(CellOf::Class, 1, 1);
    for (int target : {4, 49}) {
        const sched::DropResult r = sched::dropBlock(s.db, CellOf::Class, 1, b, target);
        EXPECT_EQ(r.outcome, DropOutcome::Refused);
        EXPECT_TRUE(r.why.reason == R::ClassClosed || r.why.reason == R::TeacherClosed)
            << int(r.why.reason);
    }
    EXPECT_EQ(test::gridBytes(s.db), before);
}

TEST(HandMove, ColoursEveryCellAsTheDropWouldGo) {
    HandSchool s;
    ASSERT_TRUE(ToggleLock(s.db, CellOf::Class, 1, 49));
    const Bytes before = test::gridBytes(s.db);
    const HandBlock b = s.block(CellOf::Class, 1, 1);
    const sched::DropMap map = sched::dropMap(s.db, b, CellOf::Class, 1);
    EXPECT_EQ(test::gridBytes(s.db), before);
    const auto at = [&](int slot) { return map[std::size_t(slot - 1)]; };
    EXPECT_EQ(at(49).colour, DropColour::Closed);
    EXPECT_EQ(at(33).colour, DropColour::Refused);
    EXPECT_EQ(at(33).why.reason, R::TeacherBusy);
    EXPECT_EQ(at(8).colour, DropColour::Refused); // the second hour falls past hour 8
    EXPECT_EQ(at(4).colour, DropColour::Fits);    // lesson 2's hours: the two swap
    EXPECT_TRUE(at(4).swaps);
    // Lesson 3 at hour 3 would swap, but the two hours do not fit in its one.
    EXPECT_TRUE(at(3).swaps);
    EXPECT_EQ(at(3).colour, DropColour::Refused);
    EXPECT_EQ(at(3).why.reason, R::TeacherBusy);
    // Where the hand allows it, green only where the automatic run's check allows it too,
    // and the check's own refusal where it does not.
    const sched::LessonExplanation run = explainWithout(s.db, b);
    int allowed = 0;
    for (int slot = 1; slot <= kSlots; ++slot) {
        const sched::DropVerdict& v = at(slot);
        EXPECT_EQ(v.why.fits(), v.colour == DropColour::Fits) << slot;
        if (v.swaps) continue;
        if (v.colour != DropColour::Fits && v.colour != DropColour::AutoRuleOnly) continue;
        ++allowed;
        const sched::CellExplanation& byRun = run.cells[std::size_t(slot - 1)];
        if (!byRun.fits()) {
            EXPECT_EQ(v.why.reason, byRun.reason) << slot;
        }
    }
    EXPECT_GT(allowed, 0);
    EXPECT_NE(at(1).colour, DropColour::Refused); // its own place
    // Every colour is what the drop does there.
    for (int slot = 2; slot <= kSlots; ++slot) {
        Database copy = s.db;
        const DropOutcome o = sched::dropBlock(copy, CellOf::Class, 1, b, slot).outcome;
        const bool goes = o == DropOutcome::Moved || o == DropOutcome::Swapped;
        EXPECT_EQ(goes, at(slot).colour == DropColour::Fits ||
                            at(slot).colour == DropColour::AutoRuleOnly)
            << slot;
        EXPECT_EQ(o == DropOutcome::Swapped, at(slot).swaps && goes) << slot;
    }
}

// Teacher 1: class 2's lesson 2 at Monday 1, class 1's lesson 1 at Monday 2-3, class 2's
// lesson 3 at Monday 4. Class 1's lesson 4 by teachers 1 and 2 at Tuesday 1-2; teacher 2
// also has class 1's lesson 5 at Wednesday 3 and class 3's lesson 6, in the annex, at
// Thursday 3. No gaps allowed.
struct RuleSchool : School {
    RuleSchool() {
        lesson(1, 2).lesson(2, 1).lesson(3, 1).lesson(4, 2).lesson(5, 1).lesson(6, 1);
        klass(1).klass(2).klass(3).hours(1, 1, 8).hours(2, 1, 8).hours(3, 1, 8);
        teacher(1).teacher(2);
        classLesson(1, 1, {1}).classLesson(2, 2, {1}).classLesson(2, 3, {1});
        classLesson(1, 4, {1, 2}).classLesson(1, 5, {2}).classLesson(3, 6, {2});
        db.annexFlags[3] = 1;
        db.settings.maxGapsPerWeek = 0;
        const int placed[][3] = {{1, 2, 2},  {2, 1, 1},  {3, 1, 1},  {4, 2, 3},
                                 {17, 1, 4}, {18, 1, 4}, {35, 1, 5}, {51, 3, 6}};
        for (const auto& [slot, c, l] : placed) EXPECT_TRUE(Place(db, slot, Id(c), Id(l)));
        test::openScreenTotals(db);
    }
};

TEST(HandMove, YellowWhereTheMoveBreaksARuleMoreOften) {
    struct Case {
        const char* what;
        Id classId;
        int from, to;
        R reason;
        Id teacherId; // the teacher named, for a teacher's rule
    };
    const Case cases[] = {
        {"a gap left behind", 1, 2, slotOf(4, 1), R::Gaps, 1},
        {"the day keeps no gap", 2, 1, slotOf(1, 5), R::Fits, 0},
        {"the second teacher has the class twice", 1, 17, slotOf(3, 1), R::SameClassOtherLesson, 2},
        {"the second teacher changes building", 1, 17, slotOf(4, 1), R::BuildingChange, 2},
        {"a day free for both teachers", 1, 17, slotOf(5, 1), R::Fits, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RuleSchool s;
        const auto b = sched::movableBlockAt(s.db, CellOf::Class, c.classId, c.from);
        ASSERT_TRUE(b);
        ASSERT_TRUE(explainWithout(s.db, *b).cells[std::size_t(c.to - 1)].fits());
        const Bytes before = test::gridBytes(s.db);
        const sched::DropVerdict v =
            sched::dropMap(s.db, *b, CellOf::Class, c.classId)[std::size_t(c.to - 1)];
        EXPECT_EQ(test::gridBytes(s.db), before);
        EXPECT_EQ(v.colour, c.reason == R::Fits ? DropColour::Fits : DropColour::AutoRuleOnly);
        EXPECT_EQ(v.why.reason, c.reason);
        EXPECT_EQ(v.why.teacherId, c.teacherId);
        // By hand the rule may be bent all the same.
        EXPECT_EQ(sched::dropBlock(s.db, CellOf::Class, c.classId, *b, c.to).outcome,
                  DropOutcome::Moved);
    }
}

// The files of a folder as bytes, to compare exactly.
Bytes timetableFiles(const test::TempDir& dir) {
    Bytes all;
    for (const char* name : {"TPS.PRG", "CPS.PRG", "RPS.PRG"}) {
        const Bytes b = dir.read(name);
        all.insert(all.end(), b.begin(), b.end());
    }
    return all;
}

TEST(HandHistory, UndoGivesTheFilesBackAndRedoTheChange) {
    struct Case {
        const char* what;
        std::function<void(Database&)> setUp;
        std::function<void(Database&)> change;
    };
    auto drop = [](int from, int to) {
        return [from, to](Database& db) {
            const auto b = sched::movableBlockAt(db, CellOf::Class, 1, from);
            ASSERT_TRUE(b);
            ASSERT_NE(sched::dropBlock(db, CellOf::Class, 1, *b, to).outcome, DropOutcome::Refused);
        };
    };
    auto toggle = [](int slot) {
        return [slot](Database& db) { ASSERT_TRUE(ToggleLock(db, CellOf::Class, 1, slot)); };
    };
    auto nothing = [](Database&) {};
    const Case cases[] = {
        {"place", nothing, [](Database& db) { ASSERT_TRUE(Place(db, 6, 1, 1)); }},
        {"remove", nothing, [](Database& db) { ASSERT_TRUE(Remove(db, 4, 1)); }},
        {"move", nothing, drop(1, 20)},
        {"swap", nothing, drop(1, 4)},
        {"lock", nothing, toggle(4)},
        {"unlock", toggle(4), toggle(4)},
        {"close", nothing, toggle(60)},
        {"open", toggle(60), toggle(60)},
    };
    for (const Case& c : cases)
        for (bool written : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (written ? ", written" : ", in memory"));
            HandSchool s;
            c.setUp(s.db);
            test::TempDir dir;
            const DataDir data(dir.path());
            ASSERT_TRUE(saveTables(
                s.db, data,
                {DataFile::TeacherTimetable, DataFile::ClassTimetable, DataFile::RoomTimetable}));
            const Bytes filesBefore = timetableFiles(dir);
            const Bytes gridsBefore = test::gridBytes(s.db);
            sched::HandHistory history;
            sched::TimetableTables before = sched::timetablesOf(s.db);
            c.change(s.db);
            const Bytes gridsAfter = test::gridBytes(s.db);
            ASSERT_NE(gridsAfter, gridsBefore);
            if (written) {
                ASSERT_TRUE(saveTables(s.db, data,
                                       {DataFile::TeacherTimetable, DataFile::ClassTimetable,
                                        DataFile::RoomTimetable}));
            }
            const Bytes filesAfter = timetableFiles(dir);
            history.record(dir.path(), std::move(before), s.db, written);

            auto undone = history.undo(s.db, data);
            ASSERT_TRUE(undone);
            EXPECT_EQ(undone.value(), sched::HistoryState::Done);
            EXPECT_EQ(test::gridBytes(s.db), gridsBefore);
            EXPECT_EQ(timetableFiles(dir), filesBefore);
            EXPECT_FALSE(history.canUndo());

            auto redone = history.redo(s.db, data);
            ASSERT_TRUE(redone);
            EXPECT_EQ(redone.value(), sched::HistoryState::Done);
            EXPECT_EQ(test::gridBytes(s.db), gridsAfter);
            EXPECT_EQ(timetableFiles(dir), filesAfter);
        }
}

TEST(HandHistory, UndoesAnAutomaticRunAsOneStep) {
    auto db = test::sampleDb(8);
    const Bytes before = test::gridBytes(*db);
    sched::HandHistory history;
    sched::TimetableTables tables = sched::timetablesOf(*db);
    {
        test::MemoryRun m(*db);
        sched::runAutomatic(m.run);
    }
    ASSERT_NE(test::gridBytes(*db), before);
    test::TempDir dir;
    history.record(dir.path(), std::move(tables), *db, false);
    ASSERT_TRUE(history.undo(*db, DataDir(dir.path())));
    EXPECT_EQ(test::gridBytes(*db), before);
}

TEST(HandHistory, ClearsWhenTheTablesOrTheFolderChangedElsewhere) {
    HandSchool s;
    test::TempDir dir, other;
    sched::HandHistory history;
    for (int slot : {6, 7}) {
        sched::TimetableTables before = sched::timetablesOf(s.db);
        ASSERT_TRUE(Place(s.db, slot, 1, 1));
        history.record(dir.path(), std::move(before), s.db, false);
    }
    EXPECT_EQ(history.undoCount(), 2u);
    auto elsewhere = history.undo(s.db, DataDir(other.path()));
    ASSERT_TRUE(elsewhere);
    EXPECT_EQ(elsewhere.value(), sched::HistoryState::Cleared);
    EXPECT_FALSE(history.canUndo());

    sched::TimetableTables before = sched::timetablesOf(s.db);
    ASSERT_TRUE(Remove(s.db, 7, 1));
    history.record(dir.path(), std::move(before), s.db, false);
    ASSERT_TRUE(Place(s.db, 8, 1, 1)); // another screen's change
    const Bytes now = test::gridBytes(s.db);
    auto changed = history.undo(s.db, DataDir(dir.path()));
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed.value(), sched::HistoryState::Cleared);
    EXPECT_EQ(test::gridBytes(s.db), now);
}

} // namespace
} // namespace zs
