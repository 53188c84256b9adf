// The search's own commit and removal against the journal: every attempt that is rolled
// back, and every attempt that fails, leaves the grids byte for byte as they were.
#include "core/integrity.h"
#include "rules/grid_check.h"
#include "rules/patterns.h"
#include "rules/placement.h"
#include "rules/prepare_teacher.h"
#include "run_support.h"
#include "scheduler/journal_ops.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::gridBytes;
using test::MemoryRun;

TEST(Journal, EveryAttemptRollsBackExactly) {
    auto db = test::fullWithHoles();
    MemoryRun m(*db);
    sched::AutoRun& run = m.run;
    for (const Teacher& t : db->teachers) PrepareTeacher(*db, t.id);
    run.state.currentLevel = 4;
    run.state.settingsPhase = 1;
    run.state.sweepNo = 2;
    int placed = 0;
    int failed = 0;
    int tried = 0;
    for (const TeacherLesson& tl : std::vector<TeacherLesson>(db->teacherLessons)) {
        const int length = nextBlock(*db, tl.classId, tl.lessonId);
        if (length == 0) continue;
        // Aimed at the cells of other blocks of the class, so that they must make room.
        const ClassTimetable& ct = *db->classTimetables.find(tl.classId);
        int target = 0;
        for (int s = 1 + (tried++ % 7) * 11; s <= kSlots && target == 0; ++s)
            if (ct.planes[kOccupantPlane][s - 1] != 0 && ct.planes[kBlockStartPlane][s - 1] == s)
                target = s;
        const Bytes before = gridBytes(*db);
        run.state.attemptDepth = 0;
        const bool ok = sched::runAttempt(run, target, length, tl.classId, tl.lessonId);
        if (ok) {
            ++placed;
            EXPECT_NE(gridBytes(*db), before);
            sched::rollBack(run, 0);
        } else {
            ++failed;
        }
        ASSERT_EQ(gridBytes(*db), before) << "class " << int(tl.classId) << " lesson "
                                          << int(tl.lessonId) << (ok ? " rolled back" : " failed");
    }
    EXPECT_GT(placed, 0);
    EXPECT_GT(failed, 0);
    EXPECT_GT(run.state.moves.displacements, 0);
    EXPECT_TRUE(checkGridConsistency(*db).empty());
}

TEST(Journal, AFullJournalRefusesAndChangesNothing) {
    auto db = test::fullWithHoles();
    MemoryRun m(*db);
    sched::AutoRun& run = m.run;
    const ClassTimetable& ct = db->classTimetables.rows[0];
    int slot = 0;
    for (int s = 1; s <= kSlots && slot == 0; ++s)
        if (ct.planes[kOccupantPlane][s - 1] != 0 && ct.planes[kOpenPlane][s - 1] != 0 &&
            ct.planes[kBlockLengthPlane][s - 1] == 2 && ct.planes[kBlockStartPlane][s - 1] == s)
            slot = s;
    ASSERT_NE(slot, 0);
    const Bytes before = gridBytes(*db);
    run.journal->count = sched::UndoJournal::kCapacity - 3;
    EXPECT_FALSE(sched::removeBlock(run, 0, slot));
    EXPECT_EQ(run.journal->count, sched::UndoJournal::kCapacity - 3);
    EXPECT_EQ(gridBytes(*db), before);

    run.journal->count = 0;
    EXPECT_TRUE(sched::removeBlock(run, 0, slot));
    EXPECT_NE(gridBytes(*db), before);
    EXPECT_TRUE(checkGridConsistency(*db).empty());
    EXPECT_TRUE(checkReferences(*db).empty());
    sched::rollBack(run, 0);
    EXPECT_EQ(gridBytes(*db), before);
}

TEST(Journal, ALockedBlockIsNeverTakenOut) {
    auto db = test::fullWithHoles();
    MemoryRun m(*db);
    const ClassTimetable& ct = db->classTimetables.rows[1];
    int slot = 0;
    for (int s = 1; s <= kSlots && slot == 0; ++s)
        if (ct.planes[kOccupantPlane][s - 1] != 0 && ct.planes[kOpenPlane][s - 1] != 0) slot = s;
    ASSERT_NE(slot, 0);
    db->classTimetables.rows[1].planes[kOpenPlane][slot - 1] = 0;
    const Bytes before = gridBytes(*db);
    EXPECT_FALSE(sched::removeBlock(m.run, 1, slot));
    EXPECT_EQ(gridBytes(*db), before);
}

} // namespace
} // namespace zs
