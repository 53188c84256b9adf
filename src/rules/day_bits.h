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

// The day's hours whose byte differs from `value`.
inline unsigned dayBitsOtherThan(const Plane& plane, int day, u8 value) {
    static_assert(kHoursPerDay == 16);
    const u8* hours = plane.data() + (day - 1) * kHoursPerDay;
    if constexpr (std::endian::native == std::endian::little) {
        const std::uint64_t pattern = 0x0101010101010101ULL * value;
        std::uint64_t low, high;
        std::memcpy(&low, hours, 8);
        std::memcpy(&high, hours + 8, 8);
        return day_bits_detail::nonZeroBytes(low ^ pattern) |
               day_bits_detail::nonZeroBytes(high ^ pattern) << 8;
    } else {
        unsigned bits = 0;
        for (int h = 0; h < kHoursPerDay; ++h) bits |= unsigned(hours[h] != value) << h;
        return bits;
    }
}

inline unsigned dayBits(const Plane& plane, int day) {
    return dayBitsOtherThan(plane, day, 0);
}

// The day's hours whose byte is `value`.
inline unsigned dayBitsOf(const Plane& plane, int day, u8 value) {
    return ~dayBitsOtherThan(plane, day, value) & 0xFFFFu;
}

// Hours first..last as bits; none when first is 0 or after last.
inline unsigned hourBits(int first, int last) {
    if (first < 1 || first > last || last > kHoursPerDay) return 0;
    return ((1u << last) - 1) & ~((1u << (first - 1)) - 1);
}

// The number of bits set: the days hold few, and the baseline processor has no
// instruction for it, so this beats a library call.
inline int countBits(unsigned bits) {
    int n = 0;
    for (; bits != 0; bits &= bits - 1) ++n;
    return n;
}

// The bits strictly between the lowest and the highest set bit of `bits` (not 0).
inline unsigned bitsBetween(unsigned bits) {
    const unsigned belowHighest = (1u << (std::bit_width(bits) - 1)) - 1;
    const unsigned aboveLowest = ~((bits & (0u - bits)) * 2 - 1);
    return belowHighest & aboveLowest;
}

} // namespace zs
