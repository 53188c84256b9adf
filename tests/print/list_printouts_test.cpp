// Page breaks of the sheet lists and the teacher list, and the rows of the duty chart.
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/startup.h"
#include "fake_canvas.h"
#include "print/printouts.h"
#include "print/sheet_frame.h"

#include <gtest/gtest.h>

namespace zs::print {
namespace {

using cp1254::lit;
using test::FakeCanvas;

// `teachers` teachers, each with one hour of the morning class "9".
Database staff(int teachers) {
    Database db;
    addSchoolClass(db, 1, "9", "");
    for (int i = 1; i <= teachers; ++i) {
        const Id id = static_cast<Id>(i);
        addLesson(db, id, 0, 1, {1, 0, 0, 0, 0}, "L", "LESSON", 1);
        addTeacher(db, id, "T" + std::to_string(i), "", "", "");
        addClassLesson(db, 1, id);
        addTeacherLesson(db, id, 1, id);
    }
    createMissingTimetables(db);
    return db;
}

TEST(SheetLists, TeacherSheetBreaksAfterTheRowThatReachesTheFoot) {
    // Header ends at y 110, rows are 24 high, a page is full when y + 64 passes 270.
    const struct {
        int teachers;
        int pages;
    } cases[] = {{4, 0}, {5, 1}, {11, 2}};
    for (const auto& c : cases) {
        FakeCanvas canvas(2000, 270);
        ASSERT_TRUE(drawPrintout(canvas, staff(c.teachers), Printout::TeacherSheet, {}, ""));
        EXPECT_EQ(canvas.pages(), c.pages) << c.teachers;
        EXPECT_EQ(canvas.texts("ADI SOYADI").size(), std::size_t(c.pages + 1)) << c.teachers;
    }
}

TEST(SheetLists, AfternoonColumnsStartAfterTheEarliestEnd) {
    const struct {
        int start, columns, column, hour;
    } cases[] = {{7, 6, 1, 7}, {7, 6, 3, 9}, {8, 6, 1, 7}, {8, 6, 2, 8}};
    for (const auto& c : cases)
        EXPECT_EQ(afternoonHour(c.start, c.columns, c.column), c.hour) << c.start << c.column;
}

TEST(SheetLists, NoSplitTeacherSheetPutsDaysThreeToFiveOnANewPage) {
    Database db = staff(1);
    db.settings.sheetNoShiftSplit = 1;
    FakeCanvas canvas(3000, 1400);
    ASSERT_TRUE(drawPrintout(canvas, db, Printout::TeacherSheet, {}, ""));
    EXPECT_EQ(canvas.pages(), 1);
    EXPECT_EQ(canvas.texts("PAZARTESİ").size(), 1u);
    EXPECT_EQ(canvas.texts("CUMA").size(), 1u);
    db.settings.sheetPrintRooms = 1;
    db.classTimetables.find(1)->lastHour.fill(7);
    FakeCanvas rooms(3000, 1400);
    ASSERT_TRUE(drawPrintout(rooms, db, Printout::TeacherSheet, {}, ""));
    EXPECT_EQ(rooms.pages(), 2);
}

TEST(TeacherList, ContinuesWithoutTitlesAtTheLineCapacity) {
    // Lines are 23 high; 1400 / 23 - 3 = 57 lines; the count starts at 2.
    for (int teachers : {55, 56}) {
        FakeCanvas canvas(1000, 1400);
        ASSERT_TRUE(drawPrintout(canvas, staff(teachers), Printout::TeacherList, {}, ""));
        EXPECT_EQ(canvas.pages(), teachers - 55) << teachers;
        EXPECT_EQ(canvas.texts("Adı Soyadı").size(), 1u);
        EXPECT_EQ(canvas.texts("ÖĞRETMEN LİSTESİ").size(), 1u);
    }
    FakeCanvas canvas(1000, 1400);
    ASSERT_TRUE(drawPrintout(canvas, staff(56), Printout::TeacherList, {}, ""));
    EXPECT_EQ(canvas.texts("T56").at(0).y, 5 + 23);
}

TEST(DutyChart, RowsAreAsHighAsTheBusiestDayAndEmptyPlacesAreLeftOut) {
    Database db = staff(4);
    addDutyPlace(db, 1, lit("BAHÇE"));
    addDutyPlace(db, 2, lit("KANTİN"));
    for (Id t : {1, 2, 3}) addTeacherDuty(db, 1, 2, t);
    addTeacherDuty(db, 1, 5, 4);
    FakeCanvas canvas(1000, 1400);
    ASSERT_TRUE(drawPrintout(canvas, db, Printout::DutyChart, {}, ""));
    const int u = 2 * 18;
    EXPECT_EQ(canvas.verticalLines(3 * u - 2 * (u / 4)), 5 + 2);
    EXPECT_EQ(canvas.texts("BAHÇE").size(), 1u);
    EXPECT_TRUE(canvas.texts("KANTİN").empty());
    EXPECT_EQ(canvas.texts("T3").at(0).y - canvas.texts("T1").at(0).y, 2 * (u / 3) * 2);
    EXPECT_TRUE(canvas.texts("CUMARTESİ").empty());

    db.settings.dutyWeekdaysOnly = 0;
    FakeCanvas week(1000, 1400);
    ASSERT_TRUE(drawPrintout(week, db, Printout::DutyChart, {}, ""));
    EXPECT_EQ(week.texts("CUMARTESİ").size(), 1u);
    EXPECT_EQ(week.verticalLines(3 * u - 2 * (u / 4)), 7 + 2);
}

TEST(DutyChart, LongPlaceNamesAreSetSmallerAndCutInsideTheirColumn) {
    Database db = staff(1);
    addDutyPlace(db, 1, lit("ÖĞRETMENLER ODASI"));
    addTeacherDuty(db, 1, 1, 1);
    for (int width : {1400, 1000, 700}) {
        FakeCanvas canvas(width, 1400);
        ASSERT_TRUE(drawPrintout(canvas, db, Printout::DutyChart, {}, ""));
        EXPECT_TRUE(canvas.overruns().empty()) << width;
        EXPECT_TRUE(canvas.hasTextStarting("ÖĞRETMENLER")) << width;
    }
}

} // namespace
} // namespace zs::print
