#include "swap_completion.h"

#include "fixed_list.h"
#include "journal_ops.h"
#include "kempe.h"
#include "rules/slots.h"

#include <algorithm>

namespace zs::sched {

namespace {

struct Block {
    int classRow;
    int start;
    int length;
    bool operator==(const Block&) const = default;
};

// The blocks worth moving first to make room at the attempt's cell: those in its way, by
// the class grid that holds each, and the other blocks of its teachers that day, whose
// hours a daily maximum or a gap limit may count. Each once, at most `out.size()`.
using Candidates = FixedList<Block, 12>;

void note(const Database& db, Candidates& out, Id classId, int slot) {
    const int row = db.classTimetables.positionOf(classId);
    if (row < 0) return;
    const auto& p = db.classTimetables.rows[row].planes;
    const int i = slotIndex(slot);
    if (p[kOccupantPlane][i] == 0) return;
    const Block b{row, p[kBlockStartPlane][i], p[kBlockLengthPlane][i]};
    if (std::find(out.begin(), out.end(), b) == out.end()) out.push_back(b);
}

Candidates candidates(const Database& db, const PlacementAttempt& a) {
    Candidates out;
    for (int k = 0; k < a.length; ++k) {
        const int slot = a.cell + k, i = slotIndex(slot);
        for (int c = 0; c < a.classes; ++c) note(db, out, a.classIds[c], slot);
        for (int r = 0; r < a.rooms; ++r)
            if (const Id c = db.roomTimetables.rows[a.roomRow[r]].planes[kOccupantPlane][i])
                note(db, out, c, slot);
    }
    for (int t = 0; t < a.teachers; ++t)
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const int slot = slotOf(a.day, h);
            if (const Id c = db.teacherTimetables.rows[a.teacherRow[t]]
                                 .planes[kOccupantPlane][slotIndex(slot)])
                note(db, out, c, slot);
        }
    return out;
}

// The block moved to `to`: swapped along a Kempe chain or with a window there, or moved
// alone into free hours. Journalled; false changes nothing.
bool moveAway(Stage& s, const Block& b, int to) {
    AutoRun& run = s.run;
    if (kempeSwap(run, b.classRow, b.start, to) ||
        windowSwap(run, b.classRow, b.start, to, b.length))
        return true;
    const ClassTimetable& ct = run.db.classTimetables.rows[b.classRow];
    PlacementAttempt moved;
    if (!fillFor(s, moved, ct.classId, ct.planes[kOccupantPlane][slotIndex(b.start)], b.length))
        return false;
    const int mark = run.journal->count;
    if (!removeBlock(run, b.classRow, b.start)) return false;
    if (hardFits(run, moved, to) && commitBlock(run, moved)) return true;
    rollBack(run, mark);
    return false;
}

} // namespace

bool placeBySwap(Stage& s, Scores& scores, Id classId, Id lessonId, int length) {
    AutoRun& run = s.run;
    const Database& db = run.db;
    PlacementAttempt a;
    if (length <= 0 || !fillFor(s, a, classId, lessonId, length)) return false;
    for (int cell = 1; cell <= kSlots && !s.spent(); ++cell) {
        const int day = dayOf(cell), hour = hourOf(cell);
        const DayWindow w = attemptWindow(db, a, day);
        if (!w.contains(hour) || hour + length - 1 > w.last) continue;
        a.day = day;
        a.hour = hour;
        a.cell = cell;
        if (blockState(db, a) == BlockState::Closed) continue;
        for (const Block& b : candidates(db, a))
            for (int to = 1; to <= kSlots && !s.spent(); ++to) {
                if (to == b.start) continue;
                s.work();
                run.journal->clear();
                if (!moveAway(s, b, to)) continue;
                const bool placed =
                    (hardFits(run, a, cell) && commitBlock(run, a)) || ejectAndPlace(s, a, cell, 2);
                if (placed && scores.delta(run, 0) != kNeverWorth) {
                    scores.accept();
                    run.journal->clear();
                    return true;
                }
                rollBack(run, 0);
            }
    }
    run.journal->clear();
    return false;
}

} // namespace zs::sched
