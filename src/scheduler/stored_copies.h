// The stored copies of the three timetable files, TPS.OLD, CPS.OLD and RPS.OLD: written
// by "SAKLA", compared by the changed-teachers report, returned to by "DEĞİŞİKLERİ GERİ AL".
#pragma once

#include "core/data_files.h"
#include "core/database.h"
#include "core/result.h"

#include <string>

namespace zs::sched {

inline constexpr const char* kTeacherCopy = "TPS.OLD";
inline constexpr const char* kClassCopy = "CPS.OLD";
inline constexpr const char* kRoomCopy = "RPS.OLD";

// Writes the three copies from the grids in memory; either all three are replaced or,
// on a failure, the earlier copies stay whole.
Status storeCopies(const Database& db, const DataDir& dir);

enum class RestoreVerdict {
    Restored,
    Missing,      // none of the copies is there
    Mismatch,     // a copy is damaged
    Inconsistent, // the restored grids would bring a fault the tables did not have
};

struct RestoreOutcome {
    RestoreVerdict verdict = RestoreVerdict::Restored;
    std::string notice; // Windows-1254, for the message dialog; empty when restored
};

// Replaces the grid of every teacher, class and room in memory with its stored record of
// the same identifier: one added since keeps its grid, a stored one of something gone is
// skipped, a missing copy leaves that kind of grid as it is. Refused, leaving memory as it
// was, when no copy is there, a copy is damaged, or the result would have a grid or
// reference fault the tables do not have now. An error is a copy that cannot be read.
Result<RestoreOutcome> restoreCopies(Database& db, const DataDir& dir);

} // namespace zs::sched
