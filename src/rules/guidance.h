// The guidance lesson's fixed cells: at the start of an automatic run each class's
// guidance hour goes to the cell of its shift and is locked there.
#pragma once

#include "core/database.h"

#include <functional>

namespace zs {

// The fixed cell of the class's shift, 0 when the shift has none or the stored day and
// hour do not name a cell of the week.
int guidanceCell(const Settings& settings, bool afternoonClass);

// Places (teacher, class, lesson) exactly at `cell`; answers whether it did.
using PlaceAtCell = std::function<bool(Id teacherId, Id classId, Id lessonId, int cell)>;

// For each teacher lesson of the guidance lesson, in file order, whose class holds no hour
// of it yet: places it at its shift's cell and, when that worked, closes the cell in the
// teacher's and the class's grid. Answers how many were placed.
int placeGuidanceStep(Database& db, const PlaceAtCell& place);

} // namespace zs
