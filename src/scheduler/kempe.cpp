#include "kempe.h"

#include "fixed_list.h"
#include "journal_ops.h"
#include "rules/day_bits.h"
#include "rules/slots.h"

namespace zs::sched {

bool dayAllows(const AutoRun& run, PlacementAttempt& a, int cell) {
    const Database& db = run.db;
    // The first class's own hours rule out most cells at once; its day window, when valid,
    // is these hours, and holds the common lesson's window.
    const ClassTimetable& own = db.classTimetables.rows[a.classRow[0]];
    const int day = dayOf(cell), hour = hourOf(cell);
    if (hour < own.firstHour[day - 1] || hour + a.length - 1 > own.lastHour[day - 1]) return false;
    const DayWindow w = attemptWindow(db, a, day);
    if (!w.contains(hour) || hour + a.length - 1 > w.last) return false;
    if (a.lesson->notAtHour != 0 && a.length >= 2 && hour == a.lesson->notAtHour) return false;
    a.day = day;
    a.hour = hour;
    a.cell = cell;
    if (pairsRefuse(run, a)) return false;
    const auto& occupants = own.planes[kOccupantPlane];
    if (hour > 1 && occupants[slotIndex(cell - 1)] == a.firstClassLesson()) return false;
    const int after = hour + a.length;
    return !(after <= kHoursPerDay &&
             occupants[slotIndex(cell + a.length)] == a.firstClassLesson());
}

bool hardFits(const AutoRun& run, PlacementAttempt& a, int cell) {
    // The first class's own cell rules out most cells before anything else is looked at.
    const ClassTimetable& own = run.db.classTimetables.rows[a.classRow[0]];
    if (own.planes[kOccupantPlane][slotIndex(cell)] != 0) return false;
    return dayAllows(run, a, cell) && blockFits(run.db, a);
}

unsigned hardFitHours(const AutoRun& run, const PlacementAttempt& a, int day) {
    const ClassTimetable& own = run.db.classTimetables.rows[a.classRow[0]];
    return hourBits(own.firstHour[day - 1], own.lastHour[day - 1]) &
           ~dayBits(own.planes[kOccupantPlane], day);
}

namespace {

constexpr std::size_t kMaxChain = 12;

struct Link {
    Id classId;
    Id lessonId;
    int row;  // the first class's grid row: one link per block, however many members
    int from; // start cell now
    int to;   // start cell after the swap
};

// The block a class grid holds at `slot`, as a link, if it starts there with `length`.
bool linkAt(const AutoRun& run, Id classId, int slot, int length, int from, int to, Link& out) {
    const ClassTimetable* ct = run.db.classTimetables.find(classId);
    if (!ct) return false;
    const int i = slotIndex(slot);
    const Id lessonId = ct->planes[kOccupantPlane][i];
    if (lessonId == 0 || ct->planes[kBlockStartPlane][i] != from ||
        ct->planes[kBlockLengthPlane][i] != length || ct->planes[kOpenPlane][i] == 0)
        return false;
    const PlacementAttempt* a = attemptOf(run, classId, lessonId);
    if (!a) return false;
    out = {a->firstClass(), a->firstClassLesson(), a->classRow[0], from, to};
    return true;
}

// One link past the longest chain: adding it is what refuses the chain.
using Chain = FixedList<Link, kMaxChain + 1>;

// Adds the block in the way at `slot` (held in the grid as `occupant` of class `classId`)
// unless the chain has it; false when it cannot move as a whole.

bool follow(const AutoRun& run, Chain& chain, Id classId, int slot, int length, int from, int to) {
    Link l{};
    if (!linkAt(run, classId, slot, length, from, to, l)) return false;
    for (const Link& c : chain)
        if (c.row == l.row && c.from == l.from) return true;
    return chain.push_back(l) && chain.size() <= kMaxChain;
}

} // namespace

bool kempeSwap(AutoRun& run, int classRow, int from, int to) {
    const Database& db = run.db;
    if (classRow < 0 || !validSlot(from) || !validSlot(to) || from == to) return false;
    const ClassTimetable& ct = db.classTimetables.rows[classRow];
    const int length = ct.planes[kBlockLengthPlane][slotIndex(from)];
    if (length < 1 || hourOf(to) + length - 1 > kHoursPerDay) return false;
    Chain chain;
    if (!follow(run, chain, ct.classId, from, length, from, to)) return false;
    for (std::size_t n = 0; n < chain.size(); ++n) {
        const Link link = chain[n];
        PlacementAttempt a;
        if (!fillAttemptOf(run, a, link.classId, link.lessonId)) return false;
        for (int k = 0; k < length; ++k) {
            const int i = slotIndex(link.to + k);
            for (int t = 0; t < a.teachers; ++t) {
                const auto& p = db.teacherTimetables.rows[a.teacherRow[t]].planes;
                if (const Id c = p[kOccupantPlane][i]) {
                    if (!follow(run, chain, c, link.to + k, length, link.to, link.from))
                        return false;
                } else if (p[kOpenPlane][i] == 0) {
                    return false;
                }
            }
            for (int c = 0; c < a.classes; ++c) {
                const auto& p = db.classTimetables.rows[a.classRow[c]].planes;
                if (p[kOccupantPlane][i] != 0) {
                    if (!follow(run, chain, a.classIds[c], link.to + k, length, link.to, link.from))
                        return false;
                } else if (p[kOpenPlane][i] == 0) {
                    return false;
                }
            }
            for (int r = 0; r < a.rooms; ++r) {
                const auto& p = db.roomTimetables.rows[a.roomRow[r]].planes;
                if (const Id c = p[kOccupantPlane][i]) {
                    if (!follow(run, chain, c, link.to + k, length, link.to, link.from))
                        return false;
                } else if (p[kOpenPlane][i] == 0) {
                    return false;
                }
            }
        }
    }
    const int mark = run.journal->count;
    for (const Link& l : chain)
        if (!removeBlock(run, l.row, l.from)) {
            rollBack(run, mark);
            return false;
        }
    for (const Link& l : chain) {
        PlacementAttempt a;
        if (!fillAttemptOf(run, a, l.classId, l.lessonId)) {
            rollBack(run, mark);
            return false;
        }
        a.length = length;
        if (!hardFits(run, a, l.to) || !commitBlock(run, a)) {
            rollBack(run, mark);
            return false;
        }
    }
    return true;
}

} // namespace zs::sched
