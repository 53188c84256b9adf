#include "core/integrity.h"
#include "rules/grid_check.h"
#include "rules/lock.h"
#include "rules/placement.h"
#include "school.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <tuple>
#include <vector>

namespace zs {
namespace {

using test::at;
using test::School;

// Class 1 takes lesson 1 (6 hours) from teachers 1 and 2 in room 1; classes 2, 3 and 4
// share lesson 3 as a common group with teacher 3 in room 2.
School base() {
    School s;
    s.lesson(1, 6).lesson(2, 4).lesson(3, 2);
    s.klass(1).klass(2).klass(3).klass(4);
    s.teacher(1).teacher(2).teacher(3);
    s.room(1).room(2);
    s.classLesson(1, 1, {1, 2}, {1});
    s.classLesson(1, 2, {3});
    s.classLesson(2, 1, {2});
    s.classLesson(3, 2, {}, {1});
    s.classLesson(4, 2);
    s.classLesson(2, 3).classLesson(3, 3).classLesson(4, 3);
    s.group(1, {{2, 3}, {3, 3}, {4, 3}}, {3}, {2});
    return s;
}

void expectSound(const Database& db) {
    const auto refs = checkReferences(db);
    const auto grids = checkGridConsistency(db);
    EXPECT_TRUE(refs.empty()) << refs.front();
    EXPECT_TRUE(grids.empty()) << grids.front();
}

// Every grid of class lesson (1, 1): the class, teachers 1 and 2, room 1.
struct Cell {
    u8 occupant, length, start;
};
std::vector<Cell> cellsOfLessonOne(School& s, int slot) {
    std::vector<Cell> cells;
    auto add = [&](const auto& g) {
        cells.push_back({g.planes[kOccupantPlane][slot - 1], g.planes[kBlockLengthPlane][slot - 1],
                         g.planes[kBlockStartPlane][slot - 1]});
    };
    add(s.ct(1));
    add(s.tt(1));
    add(s.tt(2));
    add(s.rt(1));
    return cells;
}

struct BlockCase {
    const char* name;
    std::vector<int> place;  // slots, in this order
    std::vector<int> remove; // then these
    // (slot, block length, block start); length 0 for an empty cell
    std::vector<std::tuple<int, int, int>> expect;
};
void PrintTo(const BlockCase& c, std::ostream* os) {
    *os << c.name;
}

class Blocks : public ::testing::TestWithParam<BlockCase> {};

TEST_P(Blocks, EveryGridCarriesTheClassRun) {
    const BlockCase& c = GetParam();
    School s = base();
    s.hours(1, 1, 16);
    for (int slot : c.place) ASSERT_TRUE(Place(s.db, slot, 1, 1)) << "slot " << slot;
    for (int slot : c.remove) ASSERT_TRUE(Remove(s.db, slot, 1)) << "slot " << slot;
    for (auto [slot, length, start] : c.expect) {
        for (const Cell& cell : cellsOfLessonOne(s, slot)) {
            EXPECT_EQ(cell.occupant != 0, length != 0) << "slot " << slot;
            EXPECT_EQ(cell.length, length) << "slot " << slot;
            EXPECT_EQ(cell.start, start) << "slot " << slot;
        }
    }
    expectSound(s.db);
}

const int d2 = slotOf(2, 0); // slot of hour h on Tuesday is d2 + h

INSTANTIATE_TEST_SUITE_P(
    Placement, Blocks,
    ::testing::Values(
        BlockCase{"join_1_2_and_4_5_at_3",
                  {d2 + 1, d2 + 2, d2 + 4, d2 + 5, d2 + 3},
                  {},
                  {{d2 + 1, 5, d2 + 1}, {d2 + 3, 5, d2 + 1}, {d2 + 5, 5, d2 + 1}, {d2 + 6, 0, 0}}},
        BlockCase{"remove_hour_3_of_5",
                  {d2 + 1, d2 + 2, d2 + 3, d2 + 4, d2 + 5},
                  {d2 + 3},
                  {{d2 + 1, 2, d2 + 1},
                   {d2 + 2, 2, d2 + 1},
                   {d2 + 3, 0, 0},
                   {d2 + 4, 2, d2 + 4},
                   {d2 + 5, 2, d2 + 4}}},
        BlockCase{
            "remove_first_of_2", {d2 + 1, d2 + 2}, {d2 + 1}, {{d2 + 1, 0, 0}, {d2 + 2, 1, d2 + 2}}},
        BlockCase{"remove_last_of_3",
                  {d2 + 1, d2 + 2, d2 + 3},
                  {d2 + 3},
                  {{d2 + 1, 2, d2 + 1}, {d2 + 2, 2, d2 + 1}, {d2 + 3, 0, 0}}},
        BlockCase{"place_before_a_block", {d2 + 2, d2 + 3, d2 + 1}, {}, {{d2 + 3, 3, d2 + 1}}},
        BlockCase{"last_hour_and_next_morning_stay_apart",
                  {slotOf(1, 16), slotOf(2, 1)},
                  {},
                  {{slotOf(1, 16), 1, slotOf(1, 16)}, {slotOf(2, 1), 1, slotOf(2, 1)}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Placement, PlacingCountsTheTeachersHoursByDay) {
    School s = base();
    ASSERT_TRUE(Place(s.db, slotOf(3, 2), 1, 1));
    ASSERT_TRUE(Place(s.db, slotOf(3, 3), 1, 1));
    ASSERT_TRUE(Place(s.db, slotOf(5, 1), 1, 1));
    for (Id t : {1, 2}) {
        EXPECT_EQ(s.tt(t).placedHours, 3);
        EXPECT_EQ(s.tt(t).placedOnDay[2], 2);
        EXPECT_EQ(s.tt(t).placedOnDay[4], 1);
        EXPECT_EQ(at(s.tt(t), kOccupantPlane, 3, 2), 1); // teacher grids hold the class
    }
    EXPECT_EQ(at(s.rt(1), kOccupantPlane, 3, 2), 1);
    EXPECT_EQ(at(s.ct(1), kOccupantPlane, 3, 2), 1); // the class grid holds the lesson
    ASSERT_TRUE(Remove(s.db, slotOf(3, 2), 1));
    EXPECT_EQ(s.tt(1).placedHours, 2);
    EXPECT_EQ(s.tt(1).placedOnDay[2], 1);
    expectSound(s.db);
}

struct Refusal {
    const char* name;
    std::function<void(School&)> setup;
    int slot;
    Id classId, lessonId;
};
void PrintTo(const Refusal& c, std::ostream* os) {
    *os << c.name;
}

class CanPlaceRefuses : public ::testing::TestWithParam<Refusal> {};

std::vector<u8> allPlanes(const Database& db) {
    std::vector<u8> bytes;
    auto add = [&](const auto& g) {
        for (const Plane& p : g.planes) bytes.insert(bytes.end(), p.begin(), p.end());
    };
    for (const auto& g : db.teacherTimetables) {
        add(g);
        bytes.push_back(g.placedHours);
    }
    for (const auto& g : db.classTimetables) add(g);
    for (const auto& g : db.roomTimetables) add(g);
    return bytes;
}

TEST_P(CanPlaceRefuses, AndPlaceChangesNothing) {
    const Refusal& r = GetParam();
    School s = base();
    r.setup(s);
    const auto before = allPlanes(s.db);
    EXPECT_FALSE(CanPlace(s.db, r.slot, r.classId, r.lessonId));
    EXPECT_FALSE(Place(s.db, r.slot, r.classId, r.lessonId));
    EXPECT_EQ(allPlanes(s.db), before);
}

const int mon3 = slotOf(1, 3);
void nothing(School&) {}

INSTANTIATE_TEST_SUITE_P(
    Placement, CanPlaceRefuses,
    ::testing::Values(
        Refusal{"hour_after_the_days_last", nothing, slotOf(1, 7), 1, 1},
        Refusal{"hour_before_the_days_first", [](School& s) { s.hours(1, 2, 6); }, slotOf(1, 1), 1,
                1},
        Refusal{"day_without_lessons",
                [](School& s) {
                    s.ct(1).firstHour[0] = 0;
                    s.ct(1).lastHour[0] = 0;
                },
                mon3, 1, 1},
        Refusal{"last_hour_above_16_read_as_no_lessons",
                [](School& s) { s.ct(1).lastHour[0] = 17; }, mon3, 1, 1},
        Refusal{"first_hour_after_last_read_as_no_lessons",
                [](School& s) {
                    s.ct(1).firstHour[0] = 5;
                    s.ct(1).lastHour[0] = 4;
                },
                slotOf(1, 4), 1, 1},
        Refusal{"all_weekly_hours_placed",
                [](School& s) {
                    for (int h = 1; h <= 4; ++h) Place(s.db, slotOf(2, h), 1, 2);
                },
                mon3, 1, 2},
        Refusal{"second_teacher_busy_elsewhere", [](School& s) { Place(s.db, mon3, 2, 1); }, mon3,
                1, 1},
        Refusal{"second_teacher_cell_closed",
                [](School& s) { ToggleLock(s.db, CellOf::Teacher, 2, mon3); }, mon3, 1, 1},
        Refusal{"room_busy", [](School& s) { Place(s.db, mon3, 3, 2); }, mon3, 1, 1},
        Refusal{"room_closed", [](School& s) { ToggleLock(s.db, CellOf::Room, 1, mon3); }, mon3, 1,
                1},
        Refusal{"own_cell_closed", [](School& s) { ToggleLock(s.db, CellOf::Class, 1, mon3); },
                mon3, 1, 1},
        Refusal{"own_cell_taken", [](School& s) { Place(s.db, mon3, 1, 2); }, mon3, 1, 1},
        Refusal{"member_class_busy", [](School& s) { Place(s.db, mon3, 4, 2); }, mon3, 2, 3},
        Refusal{"member_class_closed", [](School& s) { ToggleLock(s.db, CellOf::Class, 4, mon3); },
                mon3, 2, 3},
        Refusal{"member_class_day_ends_earlier", [](School& s) { s.ct(4).lastHour[0] = 5; },
                slotOf(1, 6), 2, 3},
        Refusal{"no_class_lesson", nothing, mon3, 1, 3}, Refusal{"no_lesson", nothing, mon3, 1, 9},
        Refusal{"no_class_timetable", [](School& s) { s.db.classTimetables.erase(1); }, mon3, 1, 1},
        Refusal{"slot_0", nothing, 0, 1, 1}, Refusal{"slot_81", nothing, 81, 1, 1},
        Refusal{"slot_negative", nothing, -16, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Placement, FreeCellIsAccepted) {
    School s = base();
    EXPECT_TRUE(CanPlace(s.db, mon3, 1, 1));
    EXPECT_TRUE(CanPlace(s.db, mon3, 2, 3));
    EXPECT_TRUE(CanPlace(s.db, mon3, 4, 2)); // a class lesson without teachers
}

TEST(Placement, CommonGroupWritesEachMembersOwnLesson) {
    School s;
    s.lesson(5, 2).lesson(6, 2).lesson(7, 2);
    s.klass(1).klass(2).klass(3).teacher(1).room(1);
    s.classLesson(1, 5).classLesson(2, 6).classLesson(3, 7);
    s.group(1, {{1, 5}, {2, 6}, {3, 7}}, {1}, {1});

    ASSERT_TRUE(Place(s.db, slotOf(1, 1), 2, 6));
    EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 1), 5);
    EXPECT_EQ(at(s.ct(2), kOccupantPlane, 1, 1), 6);
    EXPECT_EQ(at(s.ct(3), kOccupantPlane, 1, 1), 7);
    EXPECT_EQ(at(s.tt(1), kOccupantPlane, 1, 1), 2);
    EXPECT_EQ(at(s.rt(1), kOccupantPlane, 1, 1), 2);
    EXPECT_EQ(s.tt(1).placedHours, 1); // one hour for the teacher, not one per member

    // Placed from another member, the next hour joins the same block everywhere.
    ASSERT_TRUE(Place(s.db, slotOf(1, 2), 3, 7));
    for (int h : {1, 2}) {
        for (Id c : {1, 2, 3}) EXPECT_EQ(at(s.ct(c), kBlockLengthPlane, 1, h), 2);
        EXPECT_EQ(at(s.tt(1), kBlockLengthPlane, 1, h), 2);
        EXPECT_EQ(at(s.rt(1), kBlockStartPlane, 1, h), 1);
    }
    expectSound(s.db);

    ASSERT_TRUE(Remove(s.db, slotOf(1, 1), 1));
    for (Id c : {1, 2, 3}) {
        EXPECT_EQ(at(s.ct(c), kOccupantPlane, 1, 1), 0);
        EXPECT_EQ(at(s.ct(c), kBlockStartPlane, 1, 2), 2);
    }
    EXPECT_EQ(at(s.tt(1), kOccupantPlane, 1, 1), 0);
    EXPECT_EQ(s.tt(1).placedHours, 1);
    expectSound(s.db);
}

TEST(Placement, RemoveOnAnEmptyOrOutOfRangeCellChangesNothing) {
    School s = base();
    Place(s.db, mon3, 1, 1);
    const auto before = allPlanes(s.db);
    EXPECT_FALSE(Remove(s.db, slotOf(1, 4), 1));
    EXPECT_FALSE(Remove(s.db, 0, 1));
    EXPECT_FALSE(Remove(s.db, 81, 1));
    EXPECT_FALSE(Remove(s.db, mon3, 9));
    RenormaliseBlock(s.db, 0, 1);
    RenormaliseBlock(s.db, 200, 1);
    EXPECT_EQ(allPlanes(s.db), before);
}

TEST(Placement, DamagedBlockBytesAreNeverFollowed) {
    School s = base();
    ASSERT_FALSE(Place(s.db, slotOf(5, 15), 1, 1)); // outside the day: refused
    s.hours(1, 1, 16);
    ASSERT_TRUE(Place(s.db, slotOf(5, 15), 1, 1));
    // A damaged record: lengths and starts that point far outside the plane.
    s.ct(1).planes[kBlockLengthPlane][slotOf(5, 15) - 1] = 200;
    s.ct(1).planes[kBlockStartPlane][slotOf(5, 15) - 1] = 250;
    s.tt(1).planes[kBlockLengthPlane][slotOf(5, 15) - 1] = 255;
    s.tt(1).planes[kBlockStartPlane][slotOf(5, 15) - 1] = 79;

    ASSERT_TRUE(Place(s.db, slotOf(5, 16), 1, 1));
    ASSERT_TRUE(ToggleLock(s.db, CellOf::Teacher, 1, slotOf(5, 16)));
    for (int h : {15, 16}) {
        EXPECT_EQ(at(s.ct(1), kBlockLengthPlane, 5, h), 2);
        EXPECT_EQ(at(s.tt(1), kBlockStartPlane, 5, h), slotOf(5, 15));
        EXPECT_EQ(at(s.tt(2), kOpenPlane, 5, h), 0);
    }
    EXPECT_EQ(at(s.ct(1), kOpenPlane, 5, 14), 1);
    expectSound(s.db);
}

TEST(Placement, TeacherWithoutTimetableIsSkipped) {
    School s = base();
    addTeacherToClassLesson(s.db, 9, 4, 2); // no teacher 9, no grid 9
    ASSERT_TRUE(Place(s.db, mon3, 4, 2));
    ASSERT_TRUE(Remove(s.db, mon3, 4));
    EXPECT_EQ(at(s.ct(4), kOccupantPlane, 1, 3), 0);
}

} // namespace
} // namespace zs
