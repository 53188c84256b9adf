// Completion by chains of blocks pushed out: an unplaced block takes the cell where the
// fewest hours stand in its way (and, under a teacher's daily maximum, of the teacher's
// other blocks that day); those become unplaced in turn and are placed the same way, a
// block lately placed left where it is for a while. The unplaced count may rise on the
// way, which is what lets a dense school's last hours through where pushing aside a level
// or two deep cannot; the timetable with the fewest hours unplaced is what stays.
#pragma once

#include "improve_stage.h"

namespace zs::sched {

// Places what is still unplaced, each step kept only when no rule outside
// `scores.mayRise` is broken more often than `scores` counts (kept up to date), spending
// the stage's work left. Where it places nothing, the grids end as they began. Answers
// whether every placeable block was placed; the run's placed total is counted again.
bool completeByChains(Stage& s, Scores& scores);

} // namespace zs::sched
