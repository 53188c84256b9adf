#include "block_run.h"

#include "slots.h"

namespace zs {

Run runAt(const Plane& occupants, int slot) {
    if (!validSlot(slot)) return {};
    const u8 value = occupants[slotIndex(slot)];
    if (value == 0) return {};
    const int dayStart = firstSlotOfDay(dayOf(slot));
    const int dayEnd = lastSlotOfDay(dayOf(slot));
    int start = slot;
    while (start > dayStart && occupants[slotIndex(start - 1)] == value) --start;
    int last = slot;
    while (last < dayEnd && occupants[slotIndex(last + 1)] == value) ++last;
    return {start, last - start + 1};
}

} // namespace zs
