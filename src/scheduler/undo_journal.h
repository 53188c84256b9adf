// The log of single-cell changes made by an automatic run, so that a failed repair is
// undone exactly, in reverse order, without copying any grid.
#pragma once

#include "core/ids.h"

#include <array>
#include <cstdint>

namespace zs::sched {

enum class GridKind : u8 { Teacher, Class, Room };

enum class Change : u8 {
    Filled,    // a placement wrote the cell
    Cleared,   // a removal emptied the cell
    Reblocked, // the cell's block length and start were rewritten around a joined block
};

// Parallel arrays of fixed capacity; positions in it (the count) serve as roll-back marks.
struct UndoJournal {
    static constexpr int kCapacity = 5000;
    // While the journal holds this many entries no further cell is tried.
    static constexpr int kGuard = 4000;

    int count = 0;
    std::array<Change, kCapacity> change{};
    std::array<GridKind, kCapacity> grid{};
    std::array<std::int16_t, kCapacity> position{}; // row of the grid in its table
    std::array<u8, kCapacity> cell{};
    std::array<u8, kCapacity> formerOccupant{};
    std::array<u8, kCapacity> formerLength{};
    std::array<u8, kCapacity> formerStart{};

    void clear() { count = 0; }
    bool hasRoom(int entries) const { return count + entries <= kCapacity; }
    bool guardReached() const { return count >= kGuard; }

    // False, writing nothing, when the journal is full.
    bool push(Change c, GridKind g, int pos, int slot, u8 occupant, u8 length, u8 start) {
        if (count >= kCapacity) return false;
        change[count] = c;
        grid[count] = g;
        position[count] = static_cast<std::int16_t>(pos);
        cell[count] = static_cast<u8>(slot);
        formerOccupant[count] = occupant;
        formerLength[count] = length;
        formerStart[count] = start;
        ++count;
        return true;
    }
};

} // namespace zs::sched
