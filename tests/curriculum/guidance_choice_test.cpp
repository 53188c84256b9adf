#include "curriculum/guidance_choice.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

TEST(GuidanceChoice, HourBoxes) {
    struct Case {
        const char* text;
        bool acceptable;
        int value; // -1: no value
    } cases[] = {
        {"", true, -1},    {"0", true, 0},    {"1", true, 1},    {"07", true, 7},
        {"16", true, 16},  {"17", false, -1}, {"99", false, -1}, {"123", false, -1},
        {"1a", false, -1}, {"-1", false, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(guidanceHourAcceptable(c.text), c.acceptable) << c.text;
        const auto v = guidanceHourValue(c.text);
        EXPECT_EQ(v ? int(*v) : -1, c.value) << c.text;
    }
}

TEST(GuidanceChoice, DayRows) {
    EXPECT_EQ(guidanceDayRow(0), 0);
    EXPECT_EQ(guidanceDayRow(1), 0);
    EXPECT_EQ(guidanceDayRow(5), 4);
    EXPECT_EQ(guidanceDayRow(6), 0);
}

TEST(GuidanceChoice, StoringKeepsAnEmptyBoxsHourAndNeedsALesson) {
    Settings s;
    s.guidanceMorningDay = 2;
    s.guidanceMorningHour = 3;
    s.guidanceAfternoonDay = 4;
    s.guidanceAfternoonHour = 9;
    GuidanceChoice c = guidanceChoiceOf(s);
    EXPECT_TRUE(applyGuidanceEntry(c, 0, "5", 2, "")); // no lesson: nothing taken over
    EXPECT_EQ(c.morningDay, 2);
    EXPECT_EQ(c.morningHour, 3);

    c.lessonId = 7;
    EXPECT_FALSE(applyGuidanceEntry(c, 0, "17", 2, ""));
    EXPECT_EQ(c.morningHour, 3);
    EXPECT_TRUE(applyGuidanceEntry(c, 0, "5", 2, ""));
    storeGuidanceChoice(s, c);
    EXPECT_EQ(s.guidanceLessonId, 7);
    EXPECT_EQ(s.guidanceMorningDay, 1);
    EXPECT_EQ(s.guidanceMorningHour, 5);
    EXPECT_EQ(s.guidanceAfternoonDay, 3);
    EXPECT_EQ(s.guidanceAfternoonHour, 9);
}

TEST(GuidanceChoice, ClearingDropsLessonAndHoursButKeepsTheDays) {
    Settings s;
    s.guidanceLessonId = 4;
    s.guidanceMorningDay = 2;
    s.guidanceMorningHour = 3;
    s.guidanceAfternoonDay = 5;
    s.guidanceAfternoonHour = 8;
    GuidanceChoice c = guidanceChoiceOf(s);
    clearGuidanceChoice(c);
    EXPECT_TRUE(applyGuidanceEntry(c, 3, "", 3, ""));
    storeGuidanceChoice(s, c);
    EXPECT_EQ(s.guidanceLessonId, 0);
    EXPECT_EQ(s.guidanceMorningHour, 0);
    EXPECT_EQ(s.guidanceAfternoonHour, 0);
    EXPECT_EQ(s.guidanceMorningDay, 2);
    EXPECT_EQ(s.guidanceAfternoonDay, 5);
}

} // namespace
} // namespace zs
