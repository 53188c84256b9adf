// The moves that reshape blocks: the split of another lesson's two-hour block, the split
// of the block being placed, and the reshaping of a longer block at the cell.
#include "journal_ops.h"
#include "repair.h"
#include "rules/block_run.h"
#include "rules/slots.h"

#include <initializer_list>

namespace zs::sched {

namespace {

struct Piece {
    int target; // 0 for any cell
    int length;
    Id lessonId;
};

// Places the pieces in turn by nested attempts; all or nothing.
bool placeAll(AutoRun& run, Id classId, std::initializer_list<Piece> pieces) {
    for (const Piece& p : pieces)
        if (p.length < 1 || !runAttempt(run, p.target, p.length, classId, p.lessonId)) return false;
    return true;
}

bool divisible(const AutoRun& run, Id classId, Id lessonId) {
    const ClassLesson* cl = run.db.classLessons.find(classId, lessonId);
    return cl && cl->divisible != 0;
}

// The block the attempt's class holds at its cell, when the teacher's cell holds the same
// class, the block starts at the cell and the class's cell is open.
struct BlockHere {
    bool ok = false;
    Id lessonId = 0;
    int length = 0;
};

BlockHere blockStartingHere(const AutoRun& run, const PlacementAttempt& a) {
    BlockHere b;
    const int i = slotIndex(a.cell);
    if (firstTeacherGrid(run, a).planes[kOccupantPlane][i] != a.firstClass()) return b;
    const auto& p = firstClassGrid(run, a).planes;
    if (p[kOpenPlane][i] == 0 || p[kOccupantPlane][i] == 0) return b;
    const zs::Run r = runAt(p[kOccupantPlane], a.cell);
    if (r.start != a.cell) return b;
    b.ok = true;
    b.lessonId = p[kOccupantPlane][i];
    b.length = r.length;
    return b;
}

} // namespace

void splitTwoHourBlock(AutoRun& run, PlacementAttempt& a) {
    const Id classId = a.firstClass();
    const Id other = firstClassGrid(run, a).planes[kOccupantPlane][slotIndex(a.cell)];
    if (!divisible(run, classId, other)) return;
    const int mark = run.journal->count;
    if (removeBlock(run, a.classRow[0], a.cell) &&
        placeAll(run, classId,
                 {{0, a.length, a.firstClassLesson()}, {0, 1, other}, {0, 1, other}})) {
        a.success = true;
        run.db.settings.splitBlock = 0;
        ++run.state.splitCount;
        return;
    }
    rollBack(run, mark);
}

void splitOwnBlock(AutoRun& run, PlacementAttempt& a) {
    const Id classId = a.firstClass();
    const Id lessonId = a.firstClassLesson();
    if (!divisible(run, classId, lessonId) || a.weeklyHours <= 7 || a.length <= 1) return;
    const int mark = run.journal->count;
    if (placeAll(run, classId, {{0, a.length - 1, lessonId}, {0, 1, lessonId}})) {
        a.success = true;
        return;
    }
    rollBack(run, mark);
    if (a.length < 3) return;
    if (placeAll(run, classId, {{0, a.length - 2, lessonId}, {0, 2, lessonId}})) {
        a.success = true;
        return;
    }
    rollBack(run, mark);
}

void reshapeOtherBlock(AutoRun& run, PlacementAttempt& a) {
    const Id classId = a.firstClass();
    const Id lessonId = a.firstClassLesson();
    const BlockHere b = blockStartingHere(run, a);
    if (!b.ok || b.lessonId == lessonId || b.length <= a.length + 1 ||
        !divisible(run, classId, b.lessonId))
        return;
    const int mark = run.journal->count;
    if (!removeBlock(run, a.classRow[0], a.cell)) return;
    const int removed = run.journal->count;
    const int cell = a.cell;
    const int len = a.length;
    const Id x = b.lessonId;
    const int rest = b.length;
    if (placeAll(run, classId, {{cell, len, lessonId}, {cell + len, rest - len, x}, {0, len, x}}))
        a.success = true;
    if (!a.success) {
        rollBack(run, removed);
        if (placeAll(run, classId, {{cell + 1, rest - 1, x}, {0, len, lessonId}, {0, 1, x}}))
            a.success = true;
    }
    if (!a.success) {
        rollBack(run, removed);
        if (placeAll(run, classId, {{cell, rest - 1, x}, {0, len, lessonId}, {0, 1, x}}))
            a.success = true;
    }
    if (!a.success) rollBack(run, mark);
}

void reshapeOwnBlock(AutoRun& run, PlacementAttempt& a) {
    const Id classId = a.firstClass();
    const Id lessonId = a.firstClassLesson();
    const BlockHere b = blockStartingHere(run, a);
    if (!b.ok || b.lessonId != lessonId || b.length <= a.length + 1 ||
        !divisible(run, classId, lessonId))
        return;
    const int mark = run.journal->count;
    if (!removeBlock(run, a.classRow[0], a.cell)) return;
    const int removed = run.journal->count;
    if (placeAll(run, classId, {{a.cell, b.length - 1, lessonId}, {0, a.length + 1, lessonId}})) {
        a.success = true;
        return;
    }
    rollBack(run, removed);
    if (placeAll(run, classId,
                 {{a.cell + 1, b.length - 1, lessonId}, {0, a.length + 1, lessonId}})) {
        a.success = true;
        return;
    }
    rollBack(run, mark);
}

} // namespace zs::sched
