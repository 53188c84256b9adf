// The rules that settle the school-wide settings: those applied when AYARLAR stores its
// boxes, and the value of blocksOnPairs that the automatic search obeys.
#pragma once

#include "core/database.h"

namespace zs {

// After the boxes are read into the fields: the gap between two lessons is at most the
// gaps of a week, and at least 1 when a week allows gaps; lessons of one group on other
// days needs two lessons with a group.
void applyStoringRules(Settings& settings, const Table<Lesson>& lessons);

int groupedLessonCount(const Table<Lesson>& lessons);

// Lessons only in hour pairs 1-2, 3-4, ... make sense only when every class ends every
// weekday at hour 6 or 12; otherwise the rule is off, whatever is stored.
bool classDaysEndOnPairs(const Table<ClassTimetable>& grids);
u8 effectiveBlocksOnPairs(const Settings& settings, const Table<ClassTimetable>& grids);
u8 effectiveBlocksOnPairs(const Database& db);

} // namespace zs
