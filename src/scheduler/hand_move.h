// Moving a placed block by hand and swapping two blocks: what the timetable screens do
// while a block is dragged or carried with the keyboard, and when it is dropped. A move
// or swap happens whole or not at all: every member class, teacher and room of the block
// goes with it.
#pragma once

#include "cell_reason.h"
#include "core/database.h"
#include "rules/lock.h"

#include <array>
#include <optional>

namespace zs::sched {

// A placed block: the class through which it stands in the grids, that class's lesson,
// and its hours (all on one day).
struct HandBlock {
    Id classId = 0;
    Id lessonId = 0;
    int start = 0;
    int length = 0;
    bool operator==(const HandBlock&) const = default;
};

// The block at `slot` in the owner's grid; none for an empty cell or a locked block.
std::optional<HandBlock> movableBlockAt(const Database& db, CellOf grid, Id ownerId, int slot);

// How a cell looks while a block is carried over it, the block's first hour there.
enum class DropColour {
    Fits,         // placing by hand and the automatic run's checks both allow it
    AutoRuleOnly, // placing by hand allows it; a check of the automatic run does not, or
                  // the move breaks a rule in force more often than the block's own place
    Refused,      // placing by hand refuses it
    Closed,       // a cell it needs is closed or locked
};

struct DropVerdict {
    DropColour colour = DropColour::Fits;
    CellExplanation why; // the refusal for the cell, or the run's check or rule for yellow
    bool swaps = false;  // the cell holds another block, which the drop swaps with
};

using DropMap = std::array<DropVerdict, kSlots>; // index: first slot - 1

// Every cell of the week for one block carried over the owner's grid, as dropBlock would
// answer there; nothing in the tables changes.
DropMap dropMap(const Database& db, const HandBlock& block, CellOf grid, Id ownerId);

enum class DropOutcome { Moved, Swapped, Refused, Unchanged };

struct DropResult {
    DropOutcome outcome = DropOutcome::Unchanged;
    CellExplanation why; // for a refusal
};

// Drops the block with its first hour at `target` of the owner's grid. Onto its own
// place: unchanged. Onto another unlocked block of the owner's grid: the two swap places
// when each fits in the other's. Otherwise a move when the block fits there. A refusal
// leaves the tables as they were.
DropResult dropBlock(Database& db, CellOf grid, Id ownerId, const HandBlock& block, int target);

} // namespace zs::sched
