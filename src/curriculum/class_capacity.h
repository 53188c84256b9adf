// How many lesson hours a class's week can take: the hours of its daily windows less the
// closed empty cells inside them. Guards every addition of a lesson to a class.
#pragma once

#include "core/database.h"

namespace zs {

// Each weekday adds last − first + 1 (a day with both hours 0 thus adds 1, a day whose
// last hour lies before its first adds nothing); days with both hours set then lose their
// closed empty cells. Counted in full width, so a damaged day can never wrap the sum.
int classCapacity(const ClassTimetable& grid);
// 0 for a class without a timetable record.
int classCapacity(const Database& db, Id classId);

} // namespace zs
