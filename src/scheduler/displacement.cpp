// Displacement (an ejection chain): the blocks in the way are taken out, the block is
// placed, and the blocks taken out are placed again by nested attempts.
#include "day_rules.h"
#include "journal_ops.h"
#include "repair.h"
#include "rules/block_run.h"
#include "rules/slots.h"

namespace zs::sched {

namespace {

// While blocks go on pairs, two displaced blocks count as one unit of the budget.
int displacedUnits(const RunState& st, int blocks) {
    return st.pairsOnly ? (blocks + 1) / 2 : blocks;
}

struct Found {
    bool ok = false;
    int classRow = -1;
    Id classId = 0;
    Id lessonId = 0;
    zs::Run block;
};

// The block a class grid holds at `slot`, with its class and lesson.
Found blockInClass(const AutoRun& run, int classRow, int slot) {
    Found f;
    if (classRow < 0) return f;
    const ClassTimetable& ct = run.db.classTimetables.rows[classRow];
    f.lessonId = ct.planes[kOccupantPlane][slotIndex(slot)];
    if (f.lessonId == 0) return f;
    f.classRow = classRow;
    f.classId = ct.classId;
    f.block = runAt(ct.planes[kOccupantPlane], slot);
    f.ok = true;
    return f;
}

const TeacherTimetable* firstTeacherOf(const AutoRun& run, Id classId, Id lessonId) {
    const ClassLesson* cl = run.db.classLessons.find(classId, lessonId);
    if (!cl || cl->teacherCount == 0) return nullptr;
    return run.db.teacherTimetables.find(cl->teachers[0]);
}

// Records the block in the way and takes it out while the budget allows. False ends the
// displacement: the caller rolls back.
bool takeOut(AutoRun& run, PlacementAttempt& a, const Found& f,
             const TeacherTimetable* holeTeacher) {
    if (!f.ok || a.displacedCount >= kMaxDisplaced) return false;
    const int n = a.displacedCount++;
    a.displacedStart[n] = static_cast<u8>(f.block.start);
    a.displacedLength[n] = static_cast<u8>(f.block.length);
    a.displacedClass[n] = f.classId;
    a.displacedLesson[n] = f.lessonId;
    const RunState& st = run.state;
    if (st.displacedTotal + displacedUnits(st, a.displacedCount) > st.displaceBudget) {
        a.displaceOk = false;
        return false;
    }
    // Asked only of a block that is taken out: a chain over its budget goes no further.
    const bool simple =
        f.block.length == 1 || (f.block.length <= a.length && f.block.start == a.cell);
    a.displacedNeedsDay[n] =
        !simple && holeTeacher &&
                holeTest(run, *holeTeacher, a.day, hourOf(f.block.start), f.block.length)
            ? 1
            : 0;
    return removeBlock(run, f.classRow, f.block.start);
}

// Takes out every block in the attempt's cells: teachers first, then classes, then rooms.
bool clearTheWay(AutoRun& run, PlacementAttempt& a) {
    Database& db = run.db;
    for (int t = 0; t < a.teachers; ++t) {
        const TeacherTimetable& tt = db.teacherTimetables.rows[a.teacherRow[t]];
        for (int k = 0; k < a.length; ++k) {
            const int slot = a.cell + k;
            const Id c = tt.planes[kOccupantPlane][slotIndex(slot)];
            if (c == 0) continue;
            const Found f = blockInClass(run, db.classTimetables.positionOf(c), slot);
            if (!takeOut(run, a, f, &tt)) return false;
        }
    }
    if (!sameLessonPerDay(run, a)) return false;
    for (int c = 0; c < a.classes; ++c)
        for (int k = 0; k < a.length; ++k) {
            const Found f = blockInClass(run, a.classRow[c], a.cell + k);
            if (!f.ok) continue;
            if (!takeOut(run, a, f, firstTeacherOf(run, f.classId, f.lessonId))) return false;
        }
    for (int r = 0; r < a.rooms; ++r) {
        const RoomTimetable& rt = db.roomTimetables.rows[a.roomRow[r]];
        for (int k = 0; k < a.length; ++k) {
            const int slot = a.cell + k;
            const Id c = rt.planes[kOccupantPlane][slotIndex(slot)];
            if (c == 0) continue;
            const Found f = blockInClass(run, db.classTimetables.positionOf(c), slot);
            if (!takeOut(run, a, f, f.ok ? firstTeacherOf(run, f.classId, f.lessonId) : nullptr))
                return false;
        }
    }
    return true;
}

// Places the displaced blocks again, the last recorded first; stops at the first failure.
bool replaceDisplaced(AutoRun& run, PlacementAttempt& a) {
    RunState& st = run.state;
    for (int n = a.displacedCount - 1; n >= 0; --n) {
        bool placed = false;
        if (a.displacedNeedsDay[n] == 0) {
            placed =
                runAttempt(run, 0, a.displacedLength[n], a.displacedClass[n], a.displacedLesson[n]);
        } else if (!st.dayRearrangeBusy) {
            placed = rearrangeDisplacedDay(run, a, n);
            st.dayRearrangeBusy = false;
        }
        if (!placed) return false;
    }
    return true;
}

} // namespace

void displace(AutoRun& run, PlacementAttempt& a) {
    RunState& st = run.state;
    a.displacedCount = 0;
    // With no unit of the budget left, the first block in the way ends the displacement,
    // and a block with none in its way is not a displacement: nothing could come of it.
    if (st.displacedTotal + displacedUnits(st, 1) > st.displaceBudget) return;
    a.displaceOk = true;
    const int mark = run.journal->count;
    if (!clearTheWay(run, a)) {
        rollBack(run, mark);
        return;
    }
    const int saved = st.displacedTotal;
    st.displacedTotal += displacedUnits(st, a.displacedCount);
    bool placed = false;
    if (a.displacedCount > 0 && a.displacedCount <= kMaxDisplaced &&
        st.displacedTotal <= st.displaceBudget && ruleChain(run, a) && commitBlock(run, a)) {
        setBlockOpen(run, a, 0);
        placed = replaceDisplaced(run, a);
        setBlockOpen(run, a, 1);
    }
    if (placed)
        a.success = true;
    else
        rollBack(run, mark);
    st.displacedTotal = saved;
}

} // namespace zs::sched
