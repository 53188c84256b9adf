#include "core/integrity.h"
#include "rules/grid_check.h"
#include "rules/lock.h"
#include "rules/placement.h"
#include "school.h"

#include <gtest/gtest.h>

#include <ostream>

namespace zs {
namespace {

using test::at;
using test::School;

// Lesson 1 of class 1 with teachers 1 and 2 in room 1; lesson 3 of classes 2 and 3 as a
// common group with teacher 3 in room 2.
School school() {
    School s;
    s.lesson(1, 6).lesson(3, 2);
    s.klass(1).klass(2).klass(3);
    s.teacher(1).teacher(2).teacher(3);
    s.room(1).room(2);
    s.classLesson(1, 1, {1, 2}, {1});
    s.classLesson(2, 3).classLesson(3, 3);
    s.group(1, {{2, 3}, {3, 3}}, {3}, {2});
    return s;
}

TEST(ToggleLock, EmptyTeacherCellClosesOnlyThatCell) {
    School s = school();
    const int slot = slotOf(2, 2);
    ASSERT_TRUE(ToggleLock(s.db, CellOf::Teacher, 1, slot));
    EXPECT_EQ(at(s.tt(1), kOpenPlane, 2, 2), 0);
    EXPECT_EQ(at(s.tt(2), kOpenPlane, 2, 2), 1);
    EXPECT_EQ(at(s.ct(1), kOpenPlane, 2, 2), 1);
    EXPECT_EQ(at(s.rt(1), kOpenPlane, 2, 2), 1);
    EXPECT_FALSE(CanPlace(s.db, slot, 1, 1));
    ASSERT_TRUE(ToggleLock(s.db, CellOf::Teacher, 1, slot));
    EXPECT_EQ(at(s.tt(1), kOpenPlane, 2, 2), 1);
    EXPECT_TRUE(CanPlace(s.db, slot, 1, 1));
}

struct LockCase {
    const char* name;
    CellOf cell;
    Id owner;
};
void PrintTo(const LockCase& c, std::ostream* os) {
    *os << c.name;
}

class LockPlacedBlock : public ::testing::TestWithParam<LockCase> {};

TEST_P(LockPlacedBlock, LocksTheWholeBlockEverywhereAndUnlocksIt) {
    const LockCase& c = GetParam();
    School s = school();
    for (int h : {2, 3, 4}) ASSERT_TRUE(Place(s.db, slotOf(1, h), 1, 1));
    ASSERT_TRUE(Place(s.db, slotOf(1, 5), 2, 3)); // another block beside it, other grids

    ASSERT_TRUE(ToggleLock(s.db, c.cell, c.owner, slotOf(1, 3)));
    for (int h : {2, 3, 4}) {
        EXPECT_EQ(at(s.ct(1), kOpenPlane, 1, h), 0) << h;
        EXPECT_EQ(at(s.tt(1), kOpenPlane, 1, h), 0) << h;
        EXPECT_EQ(at(s.tt(2), kOpenPlane, 1, h), 0) << h;
        EXPECT_EQ(at(s.rt(1), kOpenPlane, 1, h), 0) << h;
    }
    for (int h : {1, 5}) EXPECT_EQ(at(s.ct(1), kOpenPlane, 1, h), 1) << h;
    EXPECT_EQ(at(s.ct(2), kOpenPlane, 1, 5), 1);

    ASSERT_TRUE(ToggleLock(s.db, c.cell, c.owner, slotOf(1, 4)));
    for (int h : {2, 3, 4}) {
        EXPECT_EQ(at(s.ct(1), kOpenPlane, 1, h), 1) << h;
        EXPECT_EQ(at(s.tt(2), kOpenPlane, 1, h), 1) << h;
        EXPECT_EQ(at(s.rt(1), kOpenPlane, 1, h), 1) << h;
    }
}

INSTANTIATE_TEST_SUITE_P(Lock, LockPlacedBlock,
                         ::testing::Values(LockCase{"from_a_teacher", CellOf::Teacher, 2},
                                           LockCase{"from_the_class", CellOf::Class, 1},
                                           LockCase{"from_the_room", CellOf::Room, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ToggleLock, CommonGroupLocksEveryMemberClass) {
    School s = school();
    ASSERT_TRUE(Place(s.db, slotOf(4, 1), 3, 3));
    ASSERT_TRUE(Place(s.db, slotOf(4, 2), 2, 3));
    ASSERT_TRUE(ToggleLock(s.db, CellOf::Class, 2, slotOf(4, 1)));
    for (int h : {1, 2}) {
        EXPECT_EQ(at(s.ct(2), kOpenPlane, 4, h), 0);
        EXPECT_EQ(at(s.ct(3), kOpenPlane, 4, h), 0);
        EXPECT_EQ(at(s.tt(3), kOpenPlane, 4, h), 0);
        EXPECT_EQ(at(s.rt(2), kOpenPlane, 4, h), 0);
    }
}

TEST(ToggleLock, RemovingALockedHourClosesOrOpensItsCell) {
    for (FreedCell freed : {FreedCell::KeepOpenByte, FreedCell::Open}) {
        School s = school();
        for (int h : {1, 2}) ASSERT_TRUE(Place(s.db, slotOf(3, h), 1, 1));
        ASSERT_TRUE(ToggleLock(s.db, CellOf::Class, 1, slotOf(3, 1)));
        ASSERT_TRUE(Remove(s.db, slotOf(3, 1), 1, freed));
        const u8 open = freed == FreedCell::Open ? 1 : 0;
        for (const Plane* p : {&s.ct(1).planes[kOpenPlane], &s.tt(1).planes[kOpenPlane],
                               &s.tt(2).planes[kOpenPlane], &s.rt(1).planes[kOpenPlane]})
            EXPECT_EQ((*p)[slotOf(3, 1) - 1], open);
        EXPECT_EQ(at(s.ct(1), kOccupantPlane, 3, 1), 0);
        EXPECT_EQ(at(s.tt(1), kOpenPlane, 3, 2), 0); // the rest of the block stays locked
        EXPECT_TRUE(checkGridConsistency(s.db).empty());
        EXPECT_TRUE(checkReferences(s.db).empty());
    }
}

TEST(ToggleLock, RefusesSlotsOutsideTheWeekAndUnknownOwners) {
    School s = school();
    EXPECT_FALSE(ToggleLock(s.db, CellOf::Teacher, 1, 0));
    EXPECT_FALSE(ToggleLock(s.db, CellOf::Class, 1, 81));
    EXPECT_FALSE(ToggleLock(s.db, CellOf::Room, 1, -3));
    EXPECT_FALSE(ToggleLock(s.db, CellOf::Teacher, 9, 1));
    EXPECT_FALSE(ToggleLock(s.db, CellOf::Room, 0, 1));
}

} // namespace
} // namespace zs
