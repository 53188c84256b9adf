// What a cell of the weekly pages and of the sheet lists reads, line by line and in full.
// The printouts cut each line to their column; the exports show the same lines.
#pragma once

#include "core/database.h"

#include <array>
#include <string>
#include <vector>

namespace zs::print {

using CellLines = std::array<std::string, 3>; // Windows-1254
using SheetLines = std::vector<std::string>;  // Windows-1254

// The weekly pages: empty lines for an empty cell. With `rooms` the first room of the
// class lesson is the third line.
CellLines teacherPageCell(const Database& db, Id teacherId, int day, int hour, bool rooms);
CellLines classPageCell(const Database& db, Id classId, int day, int hour, bool rooms);
CellLines roomPageCell(const Database& db, Id roomId, int day, int hour);

// The sheet lists: a teacher's cell names the class (and its section with `sections`), a
// class's cell the lesson and its first teacher's number, a room's cell all three.
SheetLines teacherSheetCell(const Database& db, Id classId, bool sections);
SheetLines classSheetCell(const Database& db, Id classId, int day, int hour);
SheetLines roomSheetCell(const Database& db, Id roomId, int day, int hour);

} // namespace zs::print
