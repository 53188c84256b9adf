#include "kempe.h"

#include "fixed_list.h"
#include "journal_ops.h"
#include "rules/slots.h"

#include <algorithm>

namespace zs::sched {

namespace {

constexpr std::size_t kMaxClasses = 16;

struct Moved {
    Id classId;
    Id lessonId;
    int length;
    int to;
};

// One class past the most: adding it is what refuses the swap.
using Rows = FixedList<int, kMaxClasses + 1>;
// A block starts at most at every hour of both windows of every class.
using MovedBlocks = FixedList<Moved, (kMaxClasses + 1) * 2 * kHoursPerDay>;

// Whether the class's blocks lie wholly inside or outside the window, none locked.
bool aligned(const ClassTimetable& ct, int first, int length) {
    for (int k = 0; k < length; ++k) {
        const int i = slotIndex(first + k);
        if (ct.planes[kOccupantPlane][i] == 0) continue;
        if (ct.planes[kOpenPlane][i] == 0) return false;
        const int start = ct.planes[kBlockStartPlane][i];
        if (start < first || start + ct.planes[kBlockLengthPlane][i] > first + length) return false;
    }
    return true;
}

// Adds every class whose hours in the two windows a teacher, member class or room of
// the class's blocks there also holds; false when the set grows too large or a class
// added cannot swap its windows whole.
bool close(const AutoRun& run, Rows& rows, int from, int to, int length) {
    const Database& db = run.db;
    auto add = [&](Id classId) {
        const int row = db.classTimetables.positionOf(classId);
        if (row < 0) return false;
        if (std::find(rows.begin(), rows.end(), row) != rows.end()) return true;
        const ClassTimetable& ct = db.classTimetables.rows[row];
        if (!aligned(ct, from, length) || !aligned(ct, to, length)) return false;
        return rows.push_back(row) && rows.size() <= kMaxClasses;
    };
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const ClassTimetable& ct = db.classTimetables.rows[rows[n]];
        for (const int window : {from, to})
            for (int k = 0; k < length; ++k) {
                const Id lessonId = ct.planes[kOccupantPlane][slotIndex(window + k)];
                if (lessonId == 0) continue;
                const PlacementAttempt* found = attemptOf(run, ct.classId, lessonId);
                if (!found) return false;
                const PlacementAttempt& a = *found;
                for (int c = 0; c < a.classes; ++c)
                    if (!add(a.classIds[c])) return false;
                for (const int other : {from, to})
                    for (int m = 0; m < length; ++m) {
                        const int i = slotIndex(other + m);
                        for (int t = 0; t < a.teachers; ++t)
                            if (const Id c = db.teacherTimetables.rows[a.teacherRow[t]]
                                                 .planes[kOccupantPlane][i])
                                if (!add(c)) return false;
                        for (int r = 0; r < a.rooms; ++r)
                            if (const Id c =
                                    db.roomTimetables.rows[a.roomRow[r]].planes[kOccupantPlane][i])
                                if (!add(c)) return false;
                    }
            }
    }
    return true;
}

} // namespace

bool windowSwap(AutoRun& run, int classRow, int from, int to, int length) {
    const Database& db = run.db;
    if (classRow < 0 || length < 1 || !validSlot(from) || !validSlot(to)) return false;
    if (hourOf(from) + length - 1 > kHoursPerDay || hourOf(to) + length - 1 > kHoursPerDay)
        return false;
    if (dayOf(from) == dayOf(to) && std::abs(hourOf(from) - hourOf(to)) < length) return false;
    const ClassTimetable& first = db.classTimetables.rows[classRow];
    if (!aligned(first, from, length) || !aligned(first, to, length)) return false;
    Rows rows;
    rows.push_back(classRow);
    if (!close(run, rows, from, to, length)) return false;
    MovedBlocks moved;
    const int mark = run.journal->count;
    for (int row : rows) {
        const ClassTimetable& ct = db.classTimetables.rows[row];
        for (const auto& [window, other] : {std::pair{from, to}, std::pair{to, from}})
            for (int k = 0; k < length; ++k) {
                const int i = slotIndex(window + k);
                const Id lessonId = ct.planes[kOccupantPlane][i];
                if (lessonId == 0 || ct.planes[kBlockStartPlane][i] != window + k) continue;
                const int blockLength = ct.planes[kBlockLengthPlane][i];
                if (!removeBlock(run, row, window + k)) {
                    rollBack(run, mark);
                    return false;
                }
                if (!moved.push_back({ct.classId, lessonId, blockLength, other + k})) {
                    rollBack(run, mark);
                    return false;
                }
            }
    }
    for (const Moved& m : moved) {
        PlacementAttempt a;
        if (!fillAttemptOf(run, a, m.classId, m.lessonId)) {
            rollBack(run, mark);
            return false;
        }
        a.length = m.length;
        if (!hardFits(run, a, m.to) || !commitBlock(run, a)) {
            rollBack(run, mark);
            return false;
        }
    }
    return !moved.empty();
}

} // namespace zs::sched
