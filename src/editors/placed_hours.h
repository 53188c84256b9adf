// How many placed lesson hours a deletion takes out of the timetable, so the question
// before it can say so.
#pragma once

#include "core/database.h"

#include <string>

namespace zs::editors {

// The hours, counted in the classes' weeks, that deleting the record would take out of the
// timetable. Nothing in `db` changes.
int teacherPlacedHours(const Database& db, Id teacherId);
int classPlacedHours(const Database& db, Id classId);
int lessonPlacedHours(const Database& db, Id lessonId);

// The question's first line, and when hours go with the record a second line naming them.
std::string withPlacedHours(std::string question, int hours);

} // namespace zs::editors
