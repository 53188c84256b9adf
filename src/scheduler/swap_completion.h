// Completion by swaps: an hour that no free cell and no chain of blocks pushed aside can
// take is placed once another block first moves elsewhere (along a Kempe chain, by a
// window swap, or alone into free hours, across days too): a block in its way, or one of
// its teacher's blocks that day whose hours leave no room under a daily maximum or a gap
// limit. So a dense school's last hours find room that plain ejection cannot make.
#pragma once

#include "improve_stage.h"

namespace zs::sched {

// A block of `length` hours of the class lesson, at a cell where one block in its way or of
// its teachers that day is first moved elsewhere and what is still in its way is then
// pushed aside. Kept only when no rule outside `scores.mayRise` is broken more often than
// `scores` counts, which it keeps up to date; otherwise nothing changes.
bool placeBySwap(Stage& s, Scores& scores, Id classId, Id lessonId, int length);

} // namespace zs::sched
