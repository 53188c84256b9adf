#include "rules/daily_hours.h"
#include "rules/settings_rules.h"
#include "school.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::School;

struct GapCase {
    u8 perWeek, between;
    u8 storedPerWeek, storedBetween;
};

class GapRules : public ::testing::TestWithParam<GapCase> {};

TEST_P(GapRules, StoredAsAyarlarStoresThem) {
    const GapCase& c = GetParam();
    Settings s;
    s.maxGapsPerWeek = c.perWeek;
    s.maxGapBetween = c.between;
    applyStoringRules(s, Table<Lesson>{});
    EXPECT_EQ(s.maxGapsPerWeek, c.storedPerWeek);
    EXPECT_EQ(s.maxGapBetween, c.storedBetween);
}

INSTANTIATE_TEST_SUITE_P(Settings, GapRules,
                         ::testing::Values(GapCase{3, 5, 3, 3}, GapCase{2, 0, 2, 1},
                                           GapCase{0, 0, 0, 0}, GapCase{0, 4, 0, 0},
                                           GapCase{9, 2, 9, 2}));

TEST(SettingsRules, GroupsOnOtherDaysNeedTwoGroupedLessons) {
    School s;
    addLessonGroup(s.db, 1, "FEN");
    s.lesson(1, 2, 1).lesson(2, 2);
    Settings settings;
    settings.groupOtherDay = 1;
    applyStoringRules(settings, s.db.lessons);
    EXPECT_EQ(settings.groupOtherDay, 0);

    s.lesson(3, 2, 1);
    settings.groupOtherDay = 1;
    applyStoringRules(settings, s.db.lessons);
    EXPECT_EQ(settings.groupOtherDay, 1);
}

TEST(SettingsRules, BlocksOnPairsNeedEveryDayToEndAtSixOrTwelve) {
    School s;
    s.klass(1).klass(2);
    s.ct(2).lastHour = {12, 12, 6, 12, 6};
    EXPECT_EQ(effectiveBlocksOnPairs(s.db), 1);

    s.ct(1).lastHour[2] = 7; // class 1 ends Wednesday at hour 7
    EXPECT_EQ(effectiveBlocksOnPairs(s.db), 0);
    EXPECT_EQ(s.db.settings.blocksOnPairs, 1);

    s.ct(1).lastHour[2] = 6;
    s.db.settings.blocksOnPairs = 0;
    EXPECT_EQ(effectiveBlocksOnPairs(s.db), 0);
}

struct HoursCase {
    u8 first, last;
    bool valid;
};

class DailyHours : public ::testing::TestWithParam<HoursCase> {};

TEST_P(DailyHours, Validation) {
    EXPECT_EQ(validDailyHours(GetParam().first, GetParam().last), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Settings, DailyHours,
                         ::testing::Values(HoursCase{1, 6, true}, HoursCase{0, 0, true},
                                           HoursCase{16, 16, true}, HoursCase{4, 4, true},
                                           HoursCase{1, 17, false}, HoursCase{17, 17, false},
                                           HoursCase{7, 6, false}, HoursCase{3, 0, false},
                                           HoursCase{255, 255, false}));

TEST(SettingsRules, DailyHoursAreStoredWholeOrNotAtAll) {
    ClassTimetable g;
    EXPECT_TRUE(setDailyHours(g, {1, 2, 0, 4, 5}, {6, 7, 0, 9, 12}));
    EXPECT_EQ(g.firstHour[1], 2);
    EXPECT_EQ(g.lastHour[4], 12);
    EXPECT_FALSE(setDailyHours(g, {1, 1, 1, 1, 1}, {6, 6, 6, 6, 17}));
    EXPECT_EQ(g.firstHour[1], 2); // unchanged
    EXPECT_EQ(g.lastHour[4], 12);
}

} // namespace
} // namespace zs
