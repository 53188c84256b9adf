// The moves of the completion and improvement stage that change no hour count: the hard
// test of a block at a cell, and the swap of a Kempe chain between two start cells.
#pragma once

#include "attempt.h"

namespace zs::sched {

// Whether the attempt's block may go to `cell` by the hard rules alone (the day of every
// class, the lesson's not-at-hour, blocks on pairs while in force, free and open cells of
// every teacher, class and room), and without joining an hour of the same lesson beside
// it. Sets the attempt's day, hour and cell.
bool hardFits(const AutoRun& run, PlacementAttempt& a, int cell);
// The tests of hardFits that do not look at what stands in the block's cells: the day of
// every class, the not-at-hour, blocks on pairs, and no hour of the same lesson beside it.
// Sets the attempt's day, hour and cell.
bool dayAllows(const AutoRun& run, PlacementAttempt& a, int cell);
// The hours of `day`, as bits (hour h at bit h-1), where hardFits can answer yes: the
// first class's empty hours within its day. A walk over these skips the rest at no cost.
unsigned hardFitHours(const AutoRun& run, const PlacementAttempt& a, int day);

// Swaps the block that class grid row `classRow` holds at start cell `from` with what
// stands at `to`: every block of the same length in the way of a moved block (by a
// teacher, class or room) moves the other way, until the chain closes. Journalled; false,
// changing nothing, when a block of the chain is locked, of another length or shape, the
// chain grows beyond a few blocks, or a block does not fit at its new cell.
bool kempeSwap(AutoRun& run, int classRow, int from, int to);

// Swaps the hours `from`..`from+length-1` with `to`..`to+length-1` for the class and every
// class sharing a teacher, member class or room with it over those hours, closed over:
// each of their blocks there moves to the other window, whatever its length. Journalled;
// false, changing nothing, when a block crosses a window's edge or is locked, too many
// classes take part, or a block does not fit at its new cell.
bool windowSwap(AutoRun& run, int classRow, int from, int to, int length);

} // namespace zs::sched
