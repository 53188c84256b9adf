// A double click (or Enter) on a cell of a timetable screen: a placed hour is taken out,
// an empty open cell takes an hour of the selected lesson, a closed cell is left alone.
#pragma once

#include "core/database.h"
#include "rules/lock.h"

#include <string>

namespace zs::sched {

// One cell of the owner's teacher, class or room grid: its open byte and what it holds
// (a lesson in a class grid, a class in the others); not found for an owner without a grid
// or a slot outside 1..80.
struct OwnerCell {
    bool found = false;
    u8 open = 0;
    Id occupant = 0;
};

OwnerCell ownerCell(const Database& db, CellOf grid, Id ownerId, int slot);

enum class HandOutcome { Nothing, Placed, Removed, Closed, NoLesson, Refused };

struct HandResult {
    HandOutcome outcome = HandOutcome::Nothing;
    // Why placing was refused, Windows-1254; empty otherwise.
    std::string reason;
};

// The cell is the owner's, in the teacher, class or room grid; the lesson is the one of
// `classId` selected in the screen's list (0 when none).
HandResult placeOrRemove(Database& db, CellOf grid, Id ownerId, Id classId, Id lessonId, int slot);

} // namespace zs::sched
