// Checks the counters and block planes of the grids against the hours actually placed;
// used by the command-line check and by the tests after every change.
#pragma once

#include "core/database.h"

#include <string>
#include <vector>

namespace zs {

// One UTF-8 line per mismatch, in a stable order; empty when all agree:
// - placedHours and placedOnDay of each teacher against a recount of its occupant plane;
// - block length and start of every teacher, class and room cell against the run of the
//   class's lesson through that slot, and 0 and 0 in every empty cell.
// Cells whose class shows no lesson are left to checkReferences.
std::vector<std::string> checkGridConsistency(const Database& db);

// Every fault of the tables: the references, then the grids. An automatic run refuses to
// build on a timetable that has any.
std::vector<std::string> findDataFaults(const Database& db);

} // namespace zs
