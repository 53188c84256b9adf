#include "weekly_pages.h"

#include "printouts.h"
#include "school_facts.h"
#include "weekly_grid.h"

#include "core/cp1254.h"
#include "rules/totals.h"

#include <algorithm>

namespace zs::print {

namespace {

void startPage(Page& page, const Settings& s, std::string_view title) {
    page.x0 = page.leftMargin();
    page.setFont(s.printFontName, s.printFontSize);
    page.y = page.topMargin() + page.offset + 2 * page.TH();
    page.titleBlock(title, s.printFontName);
    page.setFont(s.printFontName, s.printFontSize);
}

void drawTotal(Page& page, int total) {
    page.y += page.TH();
    page.text(page.x0 + page.wA(), page.y, "TOPLAM DERS SAYISI : " + std::to_string(total));
}

std::string guidanceTeacher(const Database& db, Id classId) {
    const Id lessonId = db.settings.guidanceLessonId;
    if (!lessonId) return {};
    return teacherName(db, firstTeacherId(db, classId, lessonId));
}

bool roomHolds(const Database& db, Id classId, Id lessonId, Id roomId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!cl) return false;
    const auto end = cl->rooms.begin() + std::min<int>(cl->roomCount, kMaxRoomsPerClassLesson);
    return std::find(cl->rooms.begin(), end, roomId) != end;
}

} // namespace

void drawClassPage(Page& page, const Database& db, Id classId) {
    if (!db.classes.contains(classId)) return;
    const Settings& s = db.settings;
    startPage(page, s, printoutTitle(Printout::Class));
    const bool rooms = s.sheetPrintRooms != 0;
    WeeklyGrid grid;
    grid.hours = weeklyHourColumns(db);
    grid.wide = rooms;
    grid.threeLines = rooms;
    grid.cell = [&db, classId, rooms](int day, int hour) {
        return fitLines(classPageCell(db, classId, day, hour, rooms), {4, 4, 8});
    };
    fitWeeklyGrid(page, s, grid);
    const int wA = page.wA();
    const int TH = page.TH();
    const int x0 = page.x0;
    const int step = 3 * (TH / 2);
    page.y += step;
    page.text(x0 + wA, page.y, cp1254::lit("Sınıfın Adı "));
    page.text(x0 + 15 * wA, page.y, ": " + classWithSection(db, classId));
    page.text(x0 + 50 * wA, page.y, cp1254::lit("Sınıf Öğretmeni "));
    if (const std::string teacher = guidanceTeacher(db, classId); !teacher.empty())
        page.text(x0 + 65 * wA, page.y, ": " + fit(teacher, 30));
    page.y += step;
    drawWeeklyGrid(page, s, grid);
    drawTotal(page, classLessonHoursSum(db, classId));

    const int c1 = x0 + 10 * wA;
    const int c2 = c1 + 30 * wA;
    const int c3 = c2 + 10 * wA;
    page.y += 3 * TH;
    page.setStyle(kBold);
    page.text(c1 + 3 * wA, page.y, cp1254::lit("DERSİN ADI"));
    page.text(c2, page.y, "H.D.S");
    page.text(c3, page.y, cp1254::lit("ÖĞRETMENİN ADI"));
    page.setStyle(kRegular);
    for (const TeacherLesson& tl : db.teacherLessons) {
        if (tl.classId != classId) continue;
        page.y += TH;
        const Lesson* lesson = db.lessons.find(tl.lessonId);
        page.text(c1, page.y, fit(lesson ? lesson->name : "", 30));
        page.text(c2 + 3 * wA, page.y, std::to_string(lesson ? lesson->weeklyHours : 0));
        page.text(c3, page.y, fit(teacherName(db, tl.teacherId), 30));
    }
    drawSignatures(page, s, 60, nullptr);
}

void drawRoomPage(Page& page, const Database& db, Id roomId) {
    const Room* room = db.rooms.find(roomId);
    if (!room) return;
    const Settings& s = db.settings;
    startPage(page, s, printoutTitle(Printout::Room));
    const int x0 = page.x0;
    const int step = 3 * (page.TH() / 2);
    page.y += step;
    page.text(x0 + page.wA(), page.y, cp1254::lit("Dersliğin Adı "));
    page.text(x0 + 15 * page.wA(), page.y, ": " + room->name);
    page.y += step;

    WeeklyGrid grid;
    grid.hours = weeklyHourColumns(db);
    grid.fixedWidth = std::max(1, (page.width() - 2 * x0) / (grid.hours + 1));
    grid.cell = [&db, roomId](int day, int hour) {
        return fitLines(roomPageCell(db, roomId, day, hour), {4, 4, 0});
    };
    // Four characters and the texts of the header row must fit a column.
    fitWeeklyGrid(page, s, grid);
    drawWeeklyGrid(page, s, grid);
    page.setSize(s.printFontSize);
    drawTotal(page, roomWeeklyHours(db, roomId));

    const int wA = page.wA();
    const int TH = page.TH();
    const int c1 = x0 + 10 * wA;
    const int c2 = c1 + 15 * wA;
    const int c3 = c2 + 30 * wA;
    const int c4 = c3 + 8 * wA;
    page.y += 3 * TH;
    page.setStyle(kBold);
    page.text(c1, page.y, "SINIF");
    page.text(c2, page.y, cp1254::lit("DERSİN ADI"));
    page.text(c3, page.y, "H.D.S.");
    page.text(c4, page.y, cp1254::lit("ÖĞRETMENİN ADI"));
    page.setStyle(kRegular);
    for (const TeacherLesson& tl : db.teacherLessons) {
        if (!roomHolds(db, tl.classId, tl.lessonId, roomId)) continue;
        page.y += TH;
        const Lesson* lesson = db.lessons.find(tl.lessonId);
        page.text(c1, page.y, classWithSection(db, tl.classId));
        page.text(c2, page.y, fit(lesson ? lesson->name : "", 28));
        page.text(c3 + 2 * wA, page.y, std::to_string(lesson ? lesson->weeklyHours : 0));
        page.text(c4, page.y, fit(teacherName(db, tl.teacherId), 30));
    }
    drawSignatures(page, s, 24, nullptr);
}

} // namespace zs::print
