// The repair moves tried at a cell where a block does not fit directly: displacement of
// the blocks in the way, the day re-arrangement, the split of a two-hour block and the
// three swap moves. Each answers through a.success and, failing, leaves the grids as it
// found them.
#pragma once

#include "attempt.h"

namespace zs::sched {

// The moves in their order, each only while the block is not placed.
void repairMoves(AutoRun& run, PlacementAttempt& a);

void displace(AutoRun& run, PlacementAttempt& a);
void rearrangeDay(AutoRun& run, PlacementAttempt& a);
// Re-places displaced block `index` of the attempt by re-arranging its teacher's day.
bool rearrangeDisplacedDay(AutoRun& run, const PlacementAttempt& a, int index);
void splitTwoHourBlock(AutoRun& run, PlacementAttempt& a);
void splitOwnBlock(AutoRun& run, PlacementAttempt& a);
void reshapeOtherBlock(AutoRun& run, PlacementAttempt& a);
void reshapeOwnBlock(AutoRun& run, PlacementAttempt& a);

} // namespace zs::sched
