// What the import finishes on the converted tables: the teachers of the assignments listed
// in their class lessons, and the earlier daily hours and closed slots.
#pragma once

#include "core/data_files.h"

namespace zs::maintenance {

// Appends each assignment's teacher to its class lesson's teacher list, in table order.
void listImportedTeachers(Database& db);

// From the earlier CPS.PRG each class's first and last hours (a record with an impossible
// hour is left out), from the earlier TPS.PRG each teacher's closed slots where nothing was
// placed. The timetables change in memory only.
Status importTimetableSettings(Database& db, const DataDir& earlier, LoadReport& report);

} // namespace zs::maintenance
