// A day of a plane as bits, against a byte-by-byte reading: every byte value that can sit
// in a plane, at every hour of every day.
#include "rules/day_bits.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

namespace zs {
namespace {

unsigned byteByByte(const Plane& p, int day) {
    unsigned bits = 0;
    for (int h = 1; h <= kHoursPerDay; ++h)
        if (p[std::size_t(slotOf(day, h) - 1)] != 0) bits |= 1u << (h - 1);
    return bits;
}

TEST(DayBits, EveryByteValueAtEveryHour) {
    for (int value = 1; value < 256; ++value)
        for (int slot = 1; slot <= kSlots; ++slot) {
            Plane p{};
            p[std::size_t(slot - 1)] = u8(value);
            for (int day = 1; day <= kDays; ++day)
                ASSERT_EQ(dayBits(p, day), byteByByte(p, day)) << value << " at slot " << slot;
        }
}

unsigned equalByByte(const Plane& p, int day, u8 value) {
    unsigned bits = 0;
    for (int h = 1; h <= kHoursPerDay; ++h)
        if (p[std::size_t(slotOf(day, h) - 1)] == value) bits |= 1u << (h - 1);
    return bits;
}

TEST(DayBits, MixedDays) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        Plane p{};
        // Few values, so that equal bytes are common.
        for (u8& b : p) b = random() % 3 == 0 ? u8(0) : u8(random() % 4 * 85);
        const u8 value = u8(random() % 4 * 85);
        for (int day = 1; day <= kDays; ++day) {
            ASSERT_EQ(dayBits(p, day), byteByByte(p, day));
            ASSERT_EQ(dayBitsOf(p, day, value), equalByByte(p, day, value)) << int(value);
        }
    }
}

TEST(DayBits, CountBitsOfEveryDay) {
    for (unsigned bits = 0; bits <= 0xFFFF; ++bits) ASSERT_EQ(countBits(bits), std::popcount(bits));
}

TEST(DayBits, HoursFromFirstToLast) {
    struct Case {
        int first, last;
        unsigned bits;
    };
    for (const Case& c : {Case{1, 1, 0b1}, Case{2, 4, 0b1110}, Case{1, 16, 0xFFFF},
                          Case{16, 16, 0x8000}, Case{0, 5, 0}, Case{5, 4, 0}, Case{3, 17, 0}})
        EXPECT_EQ(hourBits(c.first, c.last), c.bits) << c.first << ".." << c.last;
}

TEST(DayBits, BitsBetweenTheFirstAndTheLast) {
    struct Case {
        unsigned bits, between;
    };
    for (const Case& c : {Case{0b1, 0}, Case{0b11, 0}, Case{0b101, 0b10}, Case{0b10010, 0b1100},
                          Case{0x8001, 0x7FFE}, Case{0b110100, 0b11000}})
        EXPECT_EQ(bitsBetween(c.bits), c.between) << c.bits;
}

} // namespace
} // namespace zs
