// How screens, reports and printouts name classes, lessons, teachers and rooms
// (Windows-1254).
#pragma once

#include "core/database.h"

#include <string>

namespace zs {

// "9 A": the class name, a blank and the section; empty for a missing class.
std::string classTitle(const Database& db, Id classId);
std::string lessonName(const Database& db, Id lessonId);
int lessonWeeklyHours(const Database& db, Id lessonId);
std::string teacherName(const Database& db, Id teacherId);
std::string roomName(const Database& db, Id roomId);

} // namespace zs
