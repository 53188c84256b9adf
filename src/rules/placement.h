// Placing and removing one lesson hour by hand. These are the only operations that
// write a lesson into the grids outside the automatic search; they keep the teacher,
// class and room grids of a class lesson (and of its common group) in step.
#pragma once

#include "core/database.h"

namespace zs {

// Whether `lesson` may be placed for `class` at `slot`: the hour lies in the day of the
// class and of every member class of its common group,
// the lesson has weekly hours left, and every teacher, room and member class cell is free.
// Placement by hand obeys no rule setting. A slot outside 1..80 is refused.
bool CanPlace(const Database& db, int slot, Id classId, Id lessonId);

// Writes the hour into every grid concerned and joins it with the hours of the same
// lesson beside it. Refuses silently (false) when CanPlace answers no.
bool Place(Database& db, int slot, Id classId, Id lessonId);

// What a freed cell's open byte becomes. On the timetable screens a removed locked hour
// leaves its cell closed; a deletion must leave no closed cells behind, so it opens them.
enum class FreedCell { KeepOpenByte, Open };

// Takes the class's hour at `slot` out of every grid concerned, splitting its block.
// False when the class holds nothing there.
bool Remove(Database& db, int slot, Id classId, FreedCell freed = FreedCell::KeepOpenByte);

// Recomputes block length and start over the run of the class's lesson through `slot`,
// in the grids of every teacher and room of the class lesson and of every member class.
void RenormaliseBlock(Database& db, int slot, Id classId);

// Number of slots at which the class grid holds the lesson.
int placedCount(const Database& db, Id classId, Id lessonId);
int placedCount(const ClassTimetable& grid, Id lessonId);

} // namespace zs
