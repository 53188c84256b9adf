#include "hand_change.h"

#include "explain.h"
#include "rules/placement.h"

namespace zs::sched {

namespace {

template <class Grid> OwnerCell cellIn(const Grid* g, int slot) {
    if (!g) return {};
    const auto i = static_cast<std::size_t>(slot - 1);
    return {true, g->planes[kOpenPlane][i], g->planes[kOccupantPlane][i]};
}

} // namespace

OwnerCell ownerCell(const Database& db, CellOf grid, Id ownerId, int slot) {
    if (!validSlot(slot)) return {};
    switch (grid) {
    case CellOf::Teacher:
        return cellIn(db.teacherTimetables.find(ownerId), slot);
    case CellOf::Class:
        return cellIn(db.classTimetables.find(ownerId), slot);
    case CellOf::Room:
        return cellIn(db.roomTimetables.find(ownerId), slot);
    }
    return {};
}

HandResult placeOrRemove(Database& db, CellOf grid, Id ownerId, Id classId, Id lessonId, int slot) {
    const OwnerCell cell = ownerCell(db, grid, ownerId, slot);
    if (!cell.found) return {};
    if (cell.open == 0) return {HandOutcome::Closed, {}};
    // A class grid holds lessons; the teacher and room grids hold the class placed there.
    if (cell.occupant != 0) {
        Remove(db, slot, grid == CellOf::Class ? ownerId : cell.occupant);
        return {HandOutcome::Removed, {}};
    }
    if (classId == 0 || lessonId == 0) return {HandOutcome::NoLesson, {}};
    if (Place(db, slot, classId, lessonId)) return {HandOutcome::Placed, {}};
    return {HandOutcome::Refused, explanationText(db, handRefusal(db, classId, lessonId, slot))};
}

} // namespace zs::sched
