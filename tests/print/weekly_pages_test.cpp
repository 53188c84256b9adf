// The weekly teacher, class and room pages on a fixed-pitch font.
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/startup.h"
#include "fake_canvas.h"
#include "print/printouts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zs::print {
namespace {

using cp1254::lit;
using test::FakeCanvas;

constexpr int kWA = 9; // the 9-point font of the fake canvas
constexpr int kTH = 18;
constexpr int kX0 = 20;

void place(Database& db, Id teacherId, Id classId, Id lessonId, int day, int hour) {
    const std::size_t i = static_cast<std::size_t>(slotOf(day, hour) - 1);
    db.teacherTimetables.find(teacherId)->planes[kOccupantPlane][i] = classId;
    db.classTimetables.find(classId)->planes[kOccupantPlane][i] = lessonId;
}

// Class "9" without a section ends at hour 8; class "10 A" at hour 6. The teacher has one
// hour of each, both on Monday, and duties on Monday and Thursday.
Database school() {
    Database db;
    addSchoolClass(db, 1, "9", "");
    addSchoolClass(db, 2, "10", "A");
    addLesson(db, 1, 0, 4, {2, 2, 0, 0, 0}, "MAT", lit("MATEMATİK"), 1);
    addTeacher(db, 1, lit("AYŞE KAYA"), "", "", "");
    addClassLesson(db, 1, 1);
    addClassLesson(db, 2, 1);
    addTeacherLesson(db, 1, 1, 1);
    addTeacherLesson(db, 1, 2, 1);
    addDutyPlace(db, 1, lit("BAHÇE"));
    addDutyPlace(db, 2, lit("KANTİN"));
    addTeacherDuty(db, 1, 1, 1);
    addTeacherDuty(db, 2, 4, 1);
    createMissingTimetables(db);
    db.classTimetables.find(1)->lastHour.fill(8);
    place(db, 1, 1, 1, 1, 1);
    place(db, 1, 2, 1, 1, 2);
    db.settings.printTwoPerPage = 0;
    return db;
}

FakeCanvas draw(const Database& db, Printout what, int width = 1000) {
    FakeCanvas canvas(width, 1400);
    EXPECT_TRUE(drawPrintout(canvas, db, what, {1}, "07.12.2026"));
    return canvas;
}

TEST(WeeklyPages, HourColumnsFollowTheLatestClassHourNotTheTeachersOwn) {
    const FakeCanvas canvas = draw(school(), Printout::Teacher);
    EXPECT_EQ(canvas.verticalLines(6 * 3 * kTH), 8 + 2);
    EXPECT_EQ(canvas.texts("8").size(), 1u);
    EXPECT_TRUE(canvas.texts("10").empty());
}

TEST(WeeklyPages, TeacherHeaderJoinsTheDuties) {
    const FakeCanvas canvas = draw(school(), Printout::Teacher);
    const auto duty = canvas.texts(": PZT., BAHÇE, PER., KANTİN");
    ASSERT_EQ(duty.size(), 1u);
    EXPECT_EQ(duty[0].x, kX0 + 63 * kWA);
}

TEST(WeeklyPages, TeacherCellNamesTheClassWithItsSectionOnlyWhenItHasOne) {
    const FakeCanvas canvas = draw(school(), Printout::Teacher);
    const int c = 8 * kWA + kWA / 2; // a section somewhere widens the columns
    const auto plain = canvas.texts("9");
    EXPECT_TRUE(std::any_of(plain.begin(), plain.end(),
                            [&](const test::Drawn& d) { return d.x == kX0 + c + kWA / 2; }));
    const auto sectioned = canvas.texts("10 A");
    ASSERT_EQ(sectioned.size(), 1u);
    EXPECT_EQ(sectioned[0].x, kX0 + 2 * c + kWA / 2);
    EXPECT_EQ(canvas.texts("MAT").size(), 2u);
}

TEST(WeeklyPages, TwoCopiesShareASheetAndLeaveOutTheLessonList) {
    Database db = school();
    db.settings.printLessonList = 1;
    const FakeCanvas single = draw(db, Printout::Teacher);
    EXPECT_EQ(single.texts("DERSİN ADI").size(), 1u);
    EXPECT_EQ(single.texts("MATEMATİK").size(), 2u);

    db.settings.printTwoPerPage = 1;
    const FakeCanvas twice = draw(db, Printout::Teacher);
    const auto titles = twice.texts("HAFTALIK ÖĞRETMEN DERS PROGRAMI");
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[1].y - titles[0].y, 1400 / 2);
    EXPECT_TRUE(twice.texts("DERSİN ADI").empty());
    EXPECT_EQ(twice.pages(), 0);
    EXPECT_EQ(twice.texts("Aslını Teslim Aldım.").size(), 2u);
}

TEST(WeeklyPages, ClassPageShowsLessonAndTeacherNumber) {
    const FakeCanvas canvas = draw(school(), Printout::Class);
    EXPECT_EQ(canvas.texts(": 9").size(), 1u);
    EXPECT_EQ(canvas.texts("MAT").size(), 1u);
    EXPECT_EQ(canvas.texts("TOPLAM DERS SAYISI : 4").size(), 1u);
    EXPECT_EQ(canvas.texts("AYŞE KAYA").size(), 1u);
    EXPECT_TRUE(canvas.texts("Aslını Teslim Aldım.").empty());
}

TEST(WeeklyPages, RoomFontShrinksUntilTheColumnsHoldTheirTextsButNotBelowTheSmallestSize) {
    Database db = school();
    addRoom(db, 1, "LAB");
    createMissingTimetables(db);
    const auto smallest = [](const FakeCanvas& c) {
        int size = 99;
        for (const test::Drawn& d : c.drawn)
            if (d.kind == test::Drawn::Text) size = std::min(size, d.font.size);
        return size;
    };
    EXPECT_EQ(smallest(draw(db, Printout::Room, 1000)), 8); // "GÜNLER", one point smaller
    // Columns of 40: "GÜNLER" at 7 with its blanks needs 46, at 6 it needs 38.
    EXPECT_EQ(smallest(draw(db, Printout::Room, 400)), 6);
    // Columns of 2 hold nothing even at the smallest size: the texts are cut, not shrunk.
    const FakeCanvas narrow = draw(db, Printout::Room, 60);
    EXPECT_EQ(smallest(narrow), 9);
    EXPECT_TRUE(narrow.texts("GÜNLER").empty());
}

} // namespace
} // namespace zs::print
