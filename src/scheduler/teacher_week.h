// Completion by laying out a teacher's whole week again: where a class lesson still has a
// block to place, every movable block of its teacher is taken out and all of them, the
// missing ones with them, are put back by a bounded search over the hours their classes
// have free. A teacher whose week is full (every hour the daily maximum allows taken)
// leaves the last block only one layout, which moving one block at a time seldom finds.
#pragma once

#include "improve_stage.h"

namespace zs::sched {

// Tries each teacher of a class lesson still short of hours, keeping a new week only
// where every block of it is placed and no rule outside `scores.mayRise` is broken more
// often than `scores` counts. Where it places nothing, the grids end as they began.
// Answers whether every placeable block was placed; the run's placed total is counted
// again.
bool completeByTeacherWeeks(Stage& s, Scores& scores);

} // namespace zs::sched
