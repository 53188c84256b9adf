#include "core/cp1254.h"
#include "rules/daily_hours.h"
#include "rules/lock.h"
#include "rules/placement.h"
#include "rules/totals.h"
#include "school.h"

#include <gtest/gtest.h>

#include <ostream>

namespace zs {
namespace {

using test::School;

// Class 1 ("9" "A") has five lessons of 6 hours, each with a teacher: 30 weekly hours
// in days of hours 1..6, 30 slots.
School fullWeek() {
    School s;
    s.klass(1, "9", "A").klass(2, "10", "B");
    for (Id l = 1; l <= 5; ++l) {
        s.lesson(l, 6).teacher(l);
        s.classLesson(1, l, {l});
    }
    updateClassWeeklyHours(s.db);
    return s;
}

TEST(Capacity, ThirtyHoursFitThirtySlots) {
    School s = fullWeek();
    EXPECT_EQ(s.ct(1).weeklyHours, 30);
    EXPECT_EQ(usableHours(s.db, 1), 30);
    EXPECT_TRUE(checkClassCapacity(s.db).ok);
}

TEST(Capacity, OneClosedEmptySlotFailsWithTheMessage) {
    School s = fullWeek();
    ToggleLock(s.db, CellOf::Class, 1, slotOf(3, 4));
    EXPECT_EQ(usableHours(s.db, 1), 29);
    const CapacityVerdict v = checkClassCapacity(s.db);
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.classId, 1);
    EXPECT_EQ(v.message,
              cp1254::lit("9 A sınıfında fazla alan kapatılmış. Bu sınıfta bazı alanları açın."));
}

TEST(Capacity, ALockedPlacedHourIsStillUsable) {
    School s = fullWeek();
    ASSERT_TRUE(Place(s.db, slotOf(3, 4), 1, 2));
    ToggleLock(s.db, CellOf::Class, 1, slotOf(3, 4));
    EXPECT_EQ(usableHours(s.db, 1), 30);
    EXPECT_TRUE(checkClassCapacity(s.db).ok);
}

TEST(Capacity, ClosedSlotsOutsideTheDayDoNotCount) {
    School s = fullWeek();
    ToggleLock(s.db, CellOf::Class, 1, slotOf(3, 7));
    EXPECT_EQ(usableHours(s.db, 1), 30);
}

TEST(Capacity, TheFirstShortClassInClassOrderAnswers) {
    School s = fullWeek();
    s.classLesson(2, 1, {1}).classLesson(2, 2, {2}).classLesson(2, 3, {3});
    s.classLesson(2, 4, {4}).classLesson(2, 5, {5});
    updateClassWeeklyHours(s.db);
    ToggleLock(s.db, CellOf::Class, 2, 1);
    ToggleLock(s.db, CellOf::Class, 1, 1);
    const CapacityVerdict v = checkClassCapacity(s.db);
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.classId, 1);
}

struct WindowCase {
    const char* name;
    u8 first, last;
    int usable; // of the week, Monday being the day changed
};
void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name;
}

class UsableHours : public ::testing::TestWithParam<WindowCase> {};

TEST_P(UsableHours, MondayWindow) {
    School s;
    s.klass(1);
    s.ct(1).firstHour[0] = GetParam().first;
    s.ct(1).lastHour[0] = GetParam().last;
    EXPECT_EQ(usableHours(s.db, 1), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(Totals, UsableHours,
                         ::testing::Values(WindowCase{"both_zero_adds_nothing", 0, 0, 24},
                                           WindowCase{"first_zero", 0, 6, 24},
                                           WindowCase{"last_zero", 3, 0, 24},
                                           WindowCase{"last_above_16", 1, 17, 24},
                                           WindowCase{"first_after_last", 7, 6, 24},
                                           WindowCase{"one_hour", 16, 16, 25},
                                           WindowCase{"whole_day", 1, 16, 40}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Totals, AClassLessonWithTwoTeachersCountsOnce) {
    School s;
    s.klass(1).lesson(1, 4).lesson(2, 3).lesson(3, 5).teacher(1).teacher(2);
    s.classLesson(1, 1, {1, 2}).classLesson(1, 2, {2}).classLesson(1, 3);
    EXPECT_EQ(classWeeklyHours(s.db, 1), 7); // lesson 3 has no teacher yet
}

TEST(Totals, HoursOfAClassByItsClassLessons) {
    School s;
    s.klass(1).lesson(1, 4).lesson(2, 3).teacher(1);
    s.classLesson(1, 1, {1}).classLesson(1, 2);
    Place(s.db, slotOf(1, 1), 1, 1);
    Place(s.db, slotOf(1, 2), 1, 2);
    Place(s.db, slotOf(2, 2), 1, 2);
    const ClassLessonHours h = classLessonHours(s.db, 1);
    EXPECT_EQ(h.total, 7);
    EXPECT_EQ(h.unplaced, 4);
    EXPECT_EQ(placedCount(s.db, 1, 2), 2);
}

TEST(Totals, RoomsWeeklyHours) {
    School s;
    s.klass(1).klass(2).lesson(1, 3).lesson(2, 2).room(1).room(2).room(3);
    s.classLesson(1, 1, {}, {1, 2}).classLesson(2, 2, {}, {2});
    updateRoomWeeklyHours(s.db);
    EXPECT_EQ(s.rt(1).weeklyHours, 3);
    EXPECT_EQ(s.rt(2).weeklyHours, 5);
    EXPECT_EQ(s.rt(3).weeklyHours, 0);
}

TEST(Totals, TeacherMorningAndAfternoonHours) {
    School s;
    s.klass(1).klass(2).lesson(1, 3).lesson(2, 2).teacher(1);
    s.hours(2, 5, 10); // an afternoon class
    s.classLesson(1, 1, {1}).classLesson(2, 2, {1});
    updateAllTeacherWeeklyTotals(s.db);
    EXPECT_EQ(s.tt(1).morningHours, 3);
    EXPECT_EQ(s.tt(1).afternoonHours, 2);
    EXPECT_EQ(s.tt(1).totalHours, 5);
    EXPECT_EQ(s.tt(1).windowSlots, 50); // hours 1..10 of five days
}

TEST(Totals, ACommonGroupCountsOnceForItsTeacher) {
    School s;
    s.klass(1).klass(2).klass(3).lesson(1, 2).lesson(2, 4).teacher(1);
    s.classLesson(1, 1).classLesson(2, 1).classLesson(3, 1).classLesson(3, 2, {1});
    s.group(1, {{1, 1}, {2, 1}, {3, 1}}, {1});
    const TeacherTotals t = teacherWeeklyTotals(s.db, 1);
    EXPECT_EQ(t.morningHours, 6);
    EXPECT_EQ(t.afternoonHours, 0);
    EXPECT_EQ(t.totalHours, 6);
}

TEST(Totals, MorningOrAfternoonByMondaysFirstHour) {
    School s;
    s.klass(1).klass(2).klass(3);
    s.ct(2).firstHour[0] = 4;
    s.ct(3).firstHour = {3, 9, 9, 9, 9};
    EXPECT_FALSE(isAfternoonClass(s.db, 1));
    EXPECT_TRUE(isAfternoonClass(s.db, 2));
    EXPECT_FALSE(isAfternoonClass(s.db, 3));
    EXPECT_FALSE(isAfternoonClass(s.db, 9));
}

} // namespace
} // namespace zs
