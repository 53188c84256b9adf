// The search's own commit and removal of whole blocks, each cell change journalled, and
// the roll-back to a mark. They leave the grids as placement and removal by hand would.
#pragma once

#include "attempt.h"

namespace zs::sched {

// Writes the attempt's block at a.cell..a.cell+length-1 into every grid concerned and
// joins it with the hours of the same lesson beside it. False when the journal cannot
// take every change; nothing is then left changed.
bool commitBlock(AutoRun& run, const PlacementAttempt& a);

// gridsConcerned, found once per run while the run has its cache.
const GridsConcerned& concernedOf(const AutoRun& run, Id classId, Id lessonId);

// Takes out the whole block that class grid row `classRow` holds at `slot`, from every
// teacher, member class and room of its class lesson. False, changing nothing, when the
// cell is empty, its class lesson is unknown, it holds the guidance lesson, a cell of the
// block is closed (a locked block stays), or the journal is full.
bool removeBlock(AutoRun& run, int classRow, int slot);

// Undoes the entries above `mark`, last first.
void rollBack(AutoRun& run, int mark);

// Sets the open byte of the attempt's teachers and classes over its block: 0 while the
// block must not be moved by the nested attempts of a repair, 1 afterwards.
void setBlockOpen(AutoRun& run, const PlacementAttempt& a, u8 open);

} // namespace zs::sched
