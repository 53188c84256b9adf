// The completion and improvement stage that follows the faithful search of a run for all
// teachers. It moves placed, unlocked blocks only: first to place what is still unplaced
// (a block in the way is moved elsewhere, two levels deep), then to bring the teachers
// within the rules in force (gap limits, daily maximum, different days, buildings). The
// hard rules always hold: free teacher, class and room, open cells, the day of every
// class, locked and guidance blocks untouched; no placed hour is ever taken away.
// Deterministic: the moves are tried in a fixed order and the work is counted, not timed.
#pragma once

#include "run.h"

#include <functional>

namespace zs::sched {

// Cells tried, per class of the school, before the stage gives up. Beyond the base the
// work per class grows by a 360th for every class more, the blocks having so many more
// places to go: 1.375 times as much at 255 classes.
inline constexpr long kImproveWorkPerClass = 40000;
inline constexpr long kImproveClassesAtBase = 120;
long improveWork(long classes);

// More rounds of annealing, each from the best timetable met, while teachers stay over
// the gap limit: a fresh start from there often finds what one long cooling missed, and
// each round cools longer than the one before (round r gets r rounds' work), since a
// slower cooling is what the last teachers over the limit need. Up to 40 classes, where a
// round is quick, there is ten rounds' work in all; beyond, the work shrinks with the
// square of the size, so a large school still ends in seconds.
inline constexpr long kGapRounds = 10;
inline constexpr long kGapRoundsClassesAtBase = 40;
long gapRoundsWork(long classes);

// Searches again from the start, in other orders of the teachers, while the completion
// leaves hours the check did not prove impossible: as many times as this many classes
// go into the school's, at least once and at most kMostSearchesAgain times, so that a
// large school, whose search takes longest, searches again only once.
inline constexpr long kSearchAgainClasses = 200;
inline constexpr long kMostSearchesAgain = 6;
int searchesAgain(long classes);

// The teachers must be prepared with the settings the timetable is judged by.
// `searchAgain(k)`, where given, puts the grids back as they were before the faithful
// search and searches again in the k-th other order. Ends when nothing is left to gain,
// the work is spent, or "&Durdur" was pressed.
void completeAndImprove(AutoRun& run, const std::function<void(unsigned)>& searchAgain = {});

} // namespace zs::sched
