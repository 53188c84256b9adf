// Closing and locking cells (F8 on the timetable screens).
#pragma once

#include "core/database.h"

namespace zs {

enum class CellOf { Teacher, Class, Room };

// On an empty cell, closes or re-opens that one cell. On a placed cell, locks or unlocks
// the whole block at once in the grids of every teacher and room of its class lesson and
// of every member class. False, changing nothing, for a slot outside 1..80 or an owner
// without a timetable record.
bool ToggleLock(Database& db, CellOf cell, Id ownerId, int slot);

} // namespace zs
