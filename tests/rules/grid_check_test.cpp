#include "rules/grid_check.h"
#include "rules/placement.h"
#include "school.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

namespace zs {
namespace {

using test::School;

School placed() {
    School s;
    s.lesson(1, 6).klass(1).teacher(1).teacher(2).room(1);
    s.classLesson(1, 1, {1, 2}, {1});
    for (int h : {2, 3, 4}) Place(s.db, slotOf(2, h), 1, 1);
    return s;
}

TEST(GridCheck, AConsistentSchoolHasNoFaultsADamagedOneNamesThem) {
    School s = placed();
    EXPECT_TRUE(checkGridConsistency(s.db).empty());
    s.tt(1).placedHours = 5;
    s.rt(1).planes[kBlockLengthPlane][slotOf(2, 3) - 1] = 1;
    const std::vector<std::string> expected = {"öğretmen 1: yerleşmiş saat 5, sayılan 3",
                                               "derslik 1 hücre 19: blok 1/18, beklenen 3/18"};
    EXPECT_EQ(checkGridConsistency(s.db), expected);
}

struct Damage {
    const char* name;
    std::function<void(School&)> apply;
};
void PrintTo(const Damage& c, std::ostream* os) {
    *os << c.name;
}

class GridCheckFinds : public ::testing::TestWithParam<Damage> {};

TEST_P(GridCheckFinds, TheDamage) {
    School s = placed();
    GetParam().apply(s);
    EXPECT_FALSE(checkGridConsistency(s.db).empty());
}

const int tue3 = slotOf(2, 3) - 1; // plane byte of Tuesday hour 3

INSTANTIATE_TEST_SUITE_P(
    GridCheck, GridCheckFinds,
    ::testing::Values(
        Damage{"placed_hours", [](School& s) { ++s.tt(2).placedHours; }},
        Damage{"placed_on_day", [](School& s) { --s.tt(1).placedOnDay[1]; }},
        Damage{"class_block_length",
               [](School& s) { s.ct(1).planes[kBlockLengthPlane][tue3] = 2; }},
        Damage{"teacher_block_start",
               [](School& s) { s.tt(2).planes[kBlockStartPlane][tue3] = slotOf(2, 3); }},
        Damage{"room_block_length", [](School& s) { s.rt(1).planes[kBlockLengthPlane][tue3] = 1; }},
        Damage{"empty_cell_with_a_block",
               [](School& s) { s.rt(1).planes[kBlockLengthPlane][slotOf(4, 4) - 1] = 1; }},
        Damage{"two_blocks_joined_without_renormalising",
               [](School& s) {
                   s.ct(1).planes[kOccupantPlane][slotOf(2, 5) - 1] = 1;
                   s.ct(1).planes[kBlockLengthPlane][slotOf(2, 5) - 1] = 1;
                   s.ct(1).planes[kBlockStartPlane][slotOf(2, 5) - 1] = slotOf(2, 5);
               }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zs
