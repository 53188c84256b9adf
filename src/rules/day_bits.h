// One day of a plane as bits: hour h at bit h-1, set where the byte is not 0. The rule
// counts ask this for every cell the search tries, so it reads the day eight bytes at a
// time.
#pragma once

#include "core/ids.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace zs {

namespace day_bits_detail {

// Bit k set where byte k of `word` (in memory order) is not 0.
inline unsigned nonZeroBytes(std::uint64_t word) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t high = (((word & kLow7) + kLow7) | word) & ~kLow7;
    // Gathers the eight high bits into the top byte, byte k's at bit 56 + k.
    return unsigned(((high >> 7) * 0x0102040810204080ULL) >> 56);
}

} // namespace day_bits_detail

inline unsigned dayBits(const Plane& plane, int day) {
    static_assert(kHoursPerDay == 16);
    const u8* hours = plane.data() + (day - 1) * kHoursPerDay;
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t low, high;
        std::memcpy(&low, hours, 8);
        std::memcpy(&high, hours + 8, 8);
        return day_bits_detail::nonZeroBytes(low) | day_bits_detail::nonZeroBytes(high) << 8;
    } else {
        unsigned bits = 0;
        for (int h = 0; h < kHoursPerDay; ++h) bits |= unsigned(hours[h] != 0) << h;
        return bits;
    }
}

// The bits strictly between the lowest and the highest set bit of `bits` (not 0).
inline unsigned bitsBetween(unsigned bits) {
    const unsigned belowHighest = (1u << (std::bit_width(bits) - 1)) - 1;
    const unsigned aboveLowest = ~((bits & (0u - bits)) * 2 - 1);
    return belowHighest & aboveLowest;
}

} // namespace zs
