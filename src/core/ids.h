// Identifiers, slots and the small constants every table shares.
#pragma once

#include <array>
#include <cstdint>

namespace zs {

using u8 = std::uint8_t;
using Id = std::uint8_t; // 1..255, 0 means "none"

inline constexpr int kMaxRecords = 255;
inline constexpr int kMaxTeachersPerClassLesson = 15;
inline constexpr int kMaxRoomsPerClassLesson = 15;
inline constexpr int kMaxGroupMembers = 15;
inline constexpr int kPatternSize = 5;

inline constexpr int kDays = 5;
inline constexpr int kHoursPerDay = 16;
inline constexpr int kSlots = kDays * kHoursPerDay; // 80
inline constexpr int kDutyDays = 7;

using Pattern = std::array<u8, kPatternSize>;
using Plane = std::array<u8, kSlots>; // slot s lives at index s - 1

inline constexpr int slotOf(int day, int hour) {
    return (day - 1) * kHoursPerDay + hour;
}
inline constexpr int dayOf(int slot) {
    return (slot - 1) / kHoursPerDay + 1;
}
inline constexpr int hourOf(int slot) {
    return (slot - 1) % kHoursPerDay + 1;
}
inline constexpr bool validSlot(int slot) {
    return slot >= 1 && slot <= kSlots;
}

} // namespace zs
