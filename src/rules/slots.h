// Days and hours of the timetable week, checked before any plane is indexed.
#pragma once

#include "core/ids.h"

namespace zs {

inline constexpr bool validDay(int day) {
    return day >= 1 && day <= kDays;
}
inline constexpr bool validHour(int hour) {
    return hour >= 1 && hour <= kHoursPerDay;
}

// The byte of slot s in a plane; only for slots that passed validSlot.
inline constexpr int slotIndex(int slot) {
    return slot - 1;
}

inline constexpr int firstSlotOfDay(int day) {
    return slotOf(day, 1);
}
inline constexpr int lastSlotOfDay(int day) {
    return slotOf(day, kHoursPerDay);
}

} // namespace zs
