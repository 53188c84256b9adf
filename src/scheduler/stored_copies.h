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
    Missing,      // a copy is not there
    Mismatch,     // the copies do not hold exactly one record per current teacher, class, room
    Inconsistent, // the restored grids would not agree with the lessons and with each other
};

struct RestoreOutcome {
    RestoreVerdict verdict = RestoreVerdict::Restored;
    std::string notice; // Windows-1254, for the message dialog; empty when restored
};

// Replaces every teacher, class and room grid in memory with its stored copy, but only
// when the three copies exist, hold exactly one record for each teacher, class and room
// there is now, and the result passes the grid and reference checks; otherwise memory is
// left as it was. An error is a copy that exists but cannot be read.
Result<RestoreOutcome> restoreCopies(Database& db, const DataDir& dir);

} // namespace zs::sched
