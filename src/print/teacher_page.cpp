#include "weekly_pages.h"

#include "printouts.h"
#include "school_facts.h"
#include "weekly_grid.h"

#include "core/cp1254.h"
#include "rules/totals.h"

#include <algorithm>

namespace zs::print {

namespace {

void drawHeader(Page& page, const Teacher& t, const std::string& duties) {
    const int wA = page.wA();
    const int x0 = page.x0;
    const int s = 3 * (page.TH() / 2);
    page.y += s;
    page.text(x0 + wA, page.y, cp1254::lit("Adı Soyadı "));
    page.text(x0 + 22 * wA, page.y, ": " + fit(t.name, 25));
    page.text(x0 + 50 * wA, page.y, cp1254::lit("Eğitsel Kolu "));
    page.text(x0 + 63 * wA, page.y, ": " + t.club);
    page.text(x0 + wA, page.y + s, cp1254::lit("Sınıf Öğretmenliği "));
    page.text(x0 + 22 * wA, page.y + s, ": " + t.homeroomClass);
    page.text(x0 + 50 * wA, page.y + s, cp1254::lit("Nöbet Günü"));
    page.text(x0 + 63 * wA, page.y + s, ": " + duties);
    page.y += 2 * s;
}

bool inCommonGroup(const Database& db, Id classId, Id lessonId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    return cl && cl->commonGroupId != 0;
}

void drawLessonList(Page& page, const Database& db, Id teacherId) {
    const int wA = page.wA();
    const int TH = page.TH();
    const int c1 = page.x0 + 10 * wA;
    const int c2 = c1 + 15 * wA;
    const int c3 = c2 + 32 * wA;
    page.y += 3 * TH;
    page.setStyle(kBold);
    page.text(c1, page.y, "SINIF");
    page.text(c2 + 3 * wA, page.y, cp1254::lit("DERSİN ADI"));
    page.text(c3, page.y, "H.D.S.");
    page.setStyle(kRegular);
    for (const TeacherLesson& tl : db.teacherLessons) {
        if (tl.teacherId != teacherId) continue;
        page.y += TH;
        const Lesson* lesson = db.lessons.find(tl.lessonId);
        page.text(c1, page.y, classWithSection(db, tl.classId));
        page.text(c2, page.y, fit(lesson ? lesson->name : "", 30));
        page.text(c3 + 3 * wA, page.y, std::to_string(lesson ? lesson->weeklyHours : 0));
        if (inCommonGroup(db, tl.classId, tl.lessonId))
            page.text(c3 + 7 * wA, page.y, cp1254::lit("Birleşik Sınıf"));
    }
}

} // namespace

void drawTeacherPage(Page& page, const Database& db, Id teacherId) {
    const Teacher* t = db.teachers.find(teacherId);
    if (!t) return;
    const Settings& s = db.settings;
    page.x0 = page.leftMargin();
    page.y = page.topMargin() + page.offset;
    page.titleBlock(printoutTitle(Printout::Teacher), s.printFontName);
    page.setFont(s.printFontName, s.printFontSize);
    const bool rooms = s.sheetPrintRooms != 0;
    WeeklyGrid grid;
    grid.hours = weeklyHourColumns(db);
    grid.wide = anySection(db) || rooms;
    grid.threeLines = rooms;
    grid.cell = [&db, teacherId, rooms](int day, int hour) {
        return fitLines(teacherPageCell(db, teacherId, day, hour, rooms), {8, 8, 8});
    };
    fitWeeklyGrid(page, s, grid);
    drawHeader(page, *t, dutyText(db, teacherId));
    drawWeeklyGrid(page, s, grid);
    const int wA = page.wA();
    const int TH = page.TH();
    page.y += TH;
    page.text(page.x0 + wA, page.y,
              cp1254::lit("MAAŞ KARŞILIĞI :      ÜCRET KARŞILIĞI :       TOPLAM DERS SAYISI : ") +
                  std::to_string(teacherWeeklyTotals(db, teacherId).totalHours));

    if (s.printLessonList && !s.printTwoPerPage) drawLessonList(page, db, teacherId);
    drawSignatures(page, s, 60, &t->name);
}

} // namespace zs::print
