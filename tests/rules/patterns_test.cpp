#include "core/entities.h"
#include "rules/patterns.h"
#include "rules/placement.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

TEST(Patterns, ParseAcceptsOnlyDescendingBlocksAddingUpToTheWeek) {
    struct Case {
        int hours;
        const char* text;
        bool valid;
        Pattern pattern;
    } cases[] = {
        {5, "2+2+1", true, {2, 2, 1, 0, 0}},
        {5, "1+2+2", false, {}},
        {5, "2+2", false, {}},
        {5, "5", true, {5, 0, 0, 0, 0}},
        {4, "2+2", true, {2, 2, 0, 0, 0}},
        {6, "1+1+1+1+1+1", false, {}},
        {3, "2+1+", false, {}},
        {4, "2++2", false, {}},
        {2, "+2", false, {}},
        {2, "2a", false, {}},
        {2, "2-", false, {}},
        {3, "2-1", false, {}},
        {256, "256", false, {}},
        {255, "255", true, {255, 0, 0, 0, 0}},
        {0, "", false, {}},
        {10, "99999999999999999999", false, {}},
        {5, "1+1+1+1+1", true, {1, 1, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        const ParsedPattern p = parsePattern(c.hours, c.text);
        EXPECT_EQ(p.valid, c.valid) << c.hours << " " << c.text;
        if (c.valid) {
            EXPECT_EQ(p.pattern, c.pattern) << c.text;
        }
    }
    EXPECT_EQ(formatPattern({2, 2, 0, 0, 0}), "2+2");
    EXPECT_EQ(formatPattern({}), "");
}

class NextBlock : public ::testing::Test {
protected:
    void SetUp() override {
        addSchoolClass(db, 1, "9", "A");
        addLesson(db, 1, 0, 5, {2, 2, 1, 0, 0}, "MAT", "MATEMATIK", 1);
        addTeacher(db, 1, "A", "", "", "");
        addClassLesson(db, 1, 1);
        addTeacherLesson(db, 1, 1, 1);
        addTeacherTimetable(db, 1);
        addClassTimetable(db, 1);
        for (auto& h : db.classTimetables.find(1)->lastHour) h = 16;
    }
    void place(int day, int hour) { ASSERT_TRUE(Place(db, slotOf(day, hour), 1, 1)); }
    Database db;
};

TEST_F(NextBlock, FollowsThePatternAsBlocksArePlaced) {
    EXPECT_EQ(nextBlock(db, 1, 1), 2);
    place(1, 1);
    place(1, 2);
    EXPECT_EQ(nextBlock(db, 1, 1), 2);
    place(2, 3);
    place(2, 4);
    EXPECT_EQ(nextBlock(db, 1, 1), 1);
    place(3, 5);
    EXPECT_EQ(nextBlock(db, 1, 1), 0);
}

TEST_F(NextBlock, ARunOfThreeCountsAsABlockOfTwoFromItsSecondHour) {
    place(1, 1);
    place(1, 2);
    place(1, 3);
    EXPECT_EQ(nextBlock(db, 1, 1), 2);
}

TEST_F(NextBlock, RunsNeverCrossIntoTheNextDay) {
    // Hour 16 of Monday and hour 1 of Tuesday are neighbours in slot order only.
    place(1, 16);
    place(2, 1);
    EXPECT_EQ(nextBlock(db, 1, 1), 2);
}

TEST_F(NextBlock, LoweredWeeklyHoursLeaveNothingToPlace) {
    place(1, 1);
    place(1, 2);
    place(2, 1);
    db.lessons.find(1)->weeklyHours = 2;
    EXPECT_EQ(nextBlock(db, 1, 1), 0);
    EXPECT_EQ(nextBlock(db, 1, 9), 0); // no such class lesson
}

} // namespace
} // namespace zs
