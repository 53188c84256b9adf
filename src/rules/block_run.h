// A block: the maximal run of consecutive hours of one day in which a class holds the
// same lesson. Found by walking the class's occupant plane, never from the stored
// length and start bytes, which a damaged file may hold out of range.
#pragma once

#include "core/ids.h"
#include "slots.h"

namespace zs {

struct Run {
    int start = 0; // slot of the first hour
    int length = 0;
    bool empty() const { return length == 0; }
    int end() const { return start + length; } // one past the last slot
    bool contains(int slot) const { return slot >= start && slot < end(); }
};

// The run of the value held at `slot`, within the slot's day; empty for an empty cell
// or a slot outside 1..80. Inline: every removal and displacement asks it.
inline Run runAt(const Plane& occupants, int slot) {
    if (!validSlot(slot)) return {};
    const u8 value = occupants[std::size_t(slotIndex(slot))];
    if (value == 0) return {};
    const int dayStart = firstSlotOfDay(dayOf(slot));
    const int dayEnd = lastSlotOfDay(dayOf(slot));
    int start = slot;
    while (start > dayStart && occupants[std::size_t(slotIndex(start - 1))] == value) --start;
    int last = slot;
    while (last < dayEnd && occupants[std::size_t(slotIndex(last + 1))] == value) ++last;
    return {start, last - start + 1};
}

} // namespace zs
