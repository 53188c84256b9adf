#include "curriculum/class_capacity.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace zs {
namespace {

struct CapacityCase {
    const char* name;
    std::function<void(ClassTimetable&)> setup;
    int capacity;
};
void PrintTo(const CapacityCase& c, std::ostream* os) {
    *os << c.name;
}

void close(ClassTimetable& g, int day, int hour) {
    g.planes[kOpenPlane][slotOf(day, hour) - 1] = 0;
}

class Capacity : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(Capacity, CountsTheUsableHoursOfTheWeek) {
    ClassTimetable g; // every weekday from hour 1 to 6, all open
    GetParam().setup(g);
    EXPECT_EQ(classCapacity(g), GetParam().capacity);
}

INSTANTIATE_TEST_SUITE_P(
    Curriculum, Capacity,
    ::testing::Values(CapacityCase{"six_hours_a_day", [](ClassTimetable&) {}, 30},
                      CapacityCase{"two_closed_hours_inside",
                                   [](ClassTimetable& g) {
                                       close(g, 1, 2);
                                       close(g, 5, 6);
                                   },
                                   28},
                      CapacityCase{"closed_hours_outside_the_day_do_not_count",
                                   [](ClassTimetable& g) {
                                       close(g, 1, 7);
                                       close(g, 3, 16);
                                   },
                                   30},
                      CapacityCase{"a_locked_lesson_is_no_closed_hour",
                                   [](ClassTimetable& g) {
                                       close(g, 2, 3);
                                       g.planes[kOccupantPlane][slotOf(2, 3) - 1] = 9;
                                   },
                                   30},
                      CapacityCase{"a_day_with_both_hours_0_adds_one",
                                   [](ClassTimetable& g) {
                                       g.firstHour[4] = 0;
                                       g.lastHour[4] = 0;
                                       close(g, 5, 1);
                                   },
                                   25},
                      CapacityCase{"a_day_ending_before_it_starts_adds_nothing",
                                   [](ClassTimetable& g) {
                                       g.firstHour[0] = 6;
                                       g.lastHour[0] = 2;
                                   },
                                   24},
                      CapacityCase{"a_wide_day_does_not_wrap",
                                   [](ClassTimetable& g) {
                                       g.firstHour.fill(1);
                                       g.lastHour.fill(255);
                                       close(g, 1, 16);
                                   },
                                   5 * 255 - 1},
                      CapacityCase{"afternoon_hours",
                                   [](ClassTimetable& g) {
                                       g.firstHour.fill(7);
                                       g.lastHour.fill(12);
                                       close(g, 4, 6);
                                       close(g, 4, 7);
                                   },
                                   29}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Capacity, AClassWithoutTimetableHasNone) {
    Database db;
    EXPECT_EQ(classCapacity(db, 1), 0);
}

} // namespace
} // namespace zs
