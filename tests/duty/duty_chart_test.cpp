#include "duty/duty_chart.h"

#include "core/cp1254.h"
#include "core/entities.h"
#include "editors/used_school.h"

#include <gtest/gtest.h>

namespace zs::duty {
namespace {

using cp1254::lit;

TEST(DutyChart, CountsAndNamesAgainstAHandCount) {
    Database db = test::usedSchool();
    addDutyPlace(db, 2, lit("KORİDOR"));
    addTeacherDuty(db, 2, 1, 3);
    addTeacherDuty(db, 2, 1, 1);
    addTeacherDuty(db, 2, 5, 2);
    addTeacherDuty(db, 2, 7, 2);

    const std::vector<DutyChartRow> chart = dutyChart(db);
    ASSERT_EQ(chart.size(), 2u);
    const editors::ListRows rows = chartRows(chart);
    EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"1", lit("BAHÇE"), "3", "1", "1", "1", "0",
                                                       "0", "0", "0"}));
    EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"2", lit("KORİDOR"), "4", "2", "0", "0", "0",
                                                       "1", "0", "1"}));
    EXPECT_EQ(chart[1].names[0], (std::vector<std::string>{lit("ZEYNEP ÖZ"), lit("AYŞE KAYA")}));
    EXPECT_EQ(chart[1].names[6], (std::vector<std::string>{lit("ALİ CAN")}));
    EXPECT_TRUE(chart[1].names[1].empty());
    EXPECT_EQ(chartRowOf(chart, 2), 1);
    EXPECT_EQ(chartRowOf(chart, 9), 0);
    EXPECT_EQ(chartRowOf(dutyChart(Database()), 1), -1);
}

} // namespace
} // namespace zs::duty
