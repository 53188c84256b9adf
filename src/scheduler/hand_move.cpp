#include "hand_move.h"

#include "explain.h"
#include "hand_change.h"
#include "move_rule_counts.h"
#include "rules/block_run.h"
#include "rules/placement.h"

namespace zs::sched {

namespace {

using R = CellReason;

bool closedReason(R r) {
    return r == R::TeacherClosed || r == R::ClassClosed || r == R::RoomClosed;
}

void take(Database& db, const HandBlock& b) {
    for (int s = b.start; s < b.start + b.length; ++s) Remove(db, s, b.classId);
}

// Places the block's hours from `first`; the first refusal explains itself, with the
// tables then holding the hours placed so far.
CellExplanation put(Database& db, const HandBlock& b, int first) {
    if (!validSlot(first) || hourOf(first) + b.length - 1 > kHoursPerDay)
        return {R::OutsideClassHours, 0, b.classId};
    for (int s = first; s < first + b.length; ++s)
        if (!Place(db, s, b.classId, b.lessonId)) return handRefusal(db, b.classId, b.lessonId, s);
    return {};
}

// The hand's verdict for the block's first hour at `first`, the block taken out already.
CellExplanation handVerdict(const Database& without, const HandBlock& b, int first) {
    if (hourOf(first) + b.length - 1 > kHoursPerDay) return {R::OutsideClassHours, 0, b.classId};
    for (int s = first; s < first + b.length; ++s)
        if (!CanPlace(without, s, b.classId, b.lessonId))
            return handRefusal(without, b.classId, b.lessonId, s);
    return {};
}

} // namespace

std::optional<HandBlock> movableBlockAt(const Database& db, CellOf grid, Id ownerId, int slot) {
    if (!validSlot(slot)) return std::nullopt;
    const OwnerCell c = ownerCell(db, grid, ownerId, slot);
    if (!c.found || c.occupant == 0 || c.open == 0) return std::nullopt;
    const Id classId = grid == CellOf::Class ? ownerId : c.occupant;
    const ClassTimetable* ct = db.classTimetables.find(classId);
    if (!ct) return std::nullopt;
    const Id lessonId = ct->planes[kOccupantPlane][static_cast<std::size_t>(slot - 1)];
    const Run run = runAt(ct->planes[kOccupantPlane], slot);
    if (lessonId == 0 || run.empty()) return std::nullopt;
    for (int s = run.start; s < run.end(); ++s)
        if (ct->planes[kOpenPlane][static_cast<std::size_t>(s - 1)] == 0) return std::nullopt;
    return HandBlock{classId, lessonId, run.start, run.length};
}

namespace {

// Swaps the two blocks in `work`, answering the first refusal.
CellExplanation swap(Database& work, const HandBlock& block, const HandBlock& other) {
    take(work, block);
    take(work, other);
    if (CellExplanation e = put(work, block, other.start); !e.fits()) return e;
    return put(work, other, block.start);
}

// The cells of the other blocks of the owner's grid, where a drop swaps the two: green
// where the swap goes through, red with its refusal where it does not.
void markSwaps(const Database& db, const HandBlock& block, CellOf grid, Id ownerId, DropMap& map) {
    std::optional<HandBlock> last;
    DropVerdict verdict;
    for (int slot = 1; slot <= kSlots; ++slot) {
        const std::optional<HandBlock> other = movableBlockAt(db, grid, ownerId, slot);
        if (!other || *other == block) continue;
        if (!last || !(*last == *other)) {
            Database work = db;
            const CellExplanation e = swap(work, block, *other);
            verdict = {e.fits() ? DropColour::Fits : DropColour::Refused, e, true};
            last = other;
        }
        map[static_cast<std::size_t>(slot - 1)] = verdict;
    }
}

} // namespace

DropMap dropMap(const Database& db, const HandBlock& block, CellOf grid, Id ownerId) {
    Database without = db;
    take(without, block);
    const LessonExplanation run = explainLesson(without, block.classId, block.lessonId);
    MoveRuleCounts counts(without, block.classId, block.lessonId, block.length, block.start);
    DropMap map;
    for (int slot = 1; slot <= kSlots; ++slot) {
        DropVerdict& v = map[static_cast<std::size_t>(slot - 1)];
        v.why = handVerdict(without, block, slot);
        if (!v.why.fits()) {
            v.colour = closedReason(v.why.reason) ? DropColour::Closed : DropColour::Refused;
            continue;
        }
        const CellExplanation& byRun = run.cells[static_cast<std::size_t>(slot - 1)];
        if (!byRun.fits() && byRun.reason != R::NothingLeft)
            v.why = byRun;
        else
            v.why = counts.raised(slot);
        if (!v.why.fits()) v.colour = DropColour::AutoRuleOnly;
    }
    markSwaps(db, block, grid, ownerId, map);
    return map;
}

DropResult dropBlock(Database& db, CellOf grid, Id ownerId, const HandBlock& block, int target) {
    if (!validSlot(target) || target == block.start) return {};
    const std::optional<HandBlock> moved = movableBlockAt(db, grid, ownerId, block.start);
    if (!moved || !(*moved == block)) return {DropOutcome::Refused, {R::NothingLeft}};
    const OwnerCell there = ownerCell(db, grid, ownerId, target);
    const std::optional<HandBlock> other =
        there.occupant != 0 ? movableBlockAt(db, grid, ownerId, target) : std::nullopt;
    Database work = db;
    if (other && !(*other == block)) {
        if (CellExplanation e = swap(work, block, *other); !e.fits())
            return {DropOutcome::Refused, e};
        db = std::move(work);
        return {DropOutcome::Swapped, {}};
    }
    take(work, block);
    if (CellExplanation e = put(work, block, target); !e.fits()) return {DropOutcome::Refused, e};
    db = std::move(work);
    return {DropOutcome::Moved, {}};
}

} // namespace zs::sched
