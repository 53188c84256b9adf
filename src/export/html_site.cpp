#include "html_site.h"

#include "export_text.h"
#include "staged_output.h"

#include "core/display_names.h"
#include "core/text.h"
#include "duty/duty_chart.h"
#include "print/cell_texts.h"
#include "print/school_facts.h"
#include "rules/totals.h"

#include <cstdio>

namespace zs::exporting {

namespace {

// One sheet of A4 on paper; a phone scrolls the grid sideways rather than squeezing it.
const char* const kStyle =
    R"(body { font-family: "DejaVu Sans", Arial, sans-serif; margin: 1em; color: #111; }
h1 { font-size: 1.3em; margin: 0 0 .3em; }
h2 { font-size: 1.1em; margin: 1em 0 .3em; }
.who { margin: .2em 0 .8em; }
.grid { overflow-x: auto; }
table { border-collapse: collapse; }
th, td { border: 1px solid #555; padding: .2em .35em; vertical-align: top; font-size: .9em; }
thead th { background: #e4ebf2; }
tbody th { background: #f2f5f8; text-align: left; }
.time { font-weight: normal; font-size: .85em; }
ul.list { columns: 14em; padding-left: 1.2em; }
nav { margin-bottom: .6em; }
@media (max-width: 40em) { body { margin: .4em; } th, td { font-size: .8em; } }
@media print {
  @page { size: A4 landscape; margin: 10mm; }
  nav { display: none; }
  body { margin: 0; font-size: 9pt; }
  .grid { overflow: visible; }
  table { width: 100%; page-break-inside: avoid; }
}
)";

std::string pageName(const char* stem, Id id) {
    char name[32];
    std::snprintf(name, sizeof name, "%s-%03d.html", stem, int{id});
    return name;
}

std::string document(const std::string& title, const std::string& body, bool home) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"tr\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                      "<meta name=\"generator\" content=\"Zamanseri\">\n<title>" +
                      title + "</title>\n<style>\n" + kStyle + "</style>\n</head>\n<body>\n";
    if (!home) out += "<nav><a href=\"index.html\">&larr; Ana sayfa</a></nav>\n";
    return out + body + "</body>\n</html>\n";
}

std::string lines(const std::vector<std::string>& cell) {
    std::vector<std::string> shown;
    for (const std::string& line : cell)
        if (!line.empty()) shown.push_back(html(line));
    return joined(shown, "<br>");
}

// Days as rows and hours as columns with their start times, as the weekly pages draw it.
template <class Cell> std::string weekGrid(const Database& db, Cell cell) {
    const int hours = print::weeklyHourColumns(db);
    std::string out = "<div class=\"grid\"><table>\n<thead><tr><th scope=\"col\">GÜNLER</th>";
    for (int h = 1; h <= hours; ++h)
        out += "<th scope=\"col\">" + std::to_string(h) + "<br><span class=\"time\">" +
               html(db.settings.startTimes[static_cast<std::size_t>(h - 1)]) + "</span></th>";
    out += "</tr></thead>\n<tbody>\n";
    for (int d = 1; d <= kDays; ++d) {
        out += "<tr><th scope=\"row\">" + html(dayPrintName(d)) + "</th>";
        for (int h = 1; h <= hours; ++h) {
            const print::CellLines c = cell(d, h);
            out += "<td>" + lines({c.begin(), c.end()}) + "</td>";
        }
        out += "</tr>\n";
    }
    return out + "</tbody>\n</table></div>\n";
}

std::string entityPage(const std::string& heading, const std::string& label,
                       const std::string& name, const std::string& facts, const std::string& grid,
                       int total) {
    const std::string body = "<h1>" + heading + "</h1>\n<p class=\"who\">" + label + ": <strong>" +
                             name + "</strong>" + facts + "</p>\n" + grid +
                             "<p>TOPLAM DERS SAYISI : " + std::to_string(total) + "</p>\n";
    return document(name + " – " + heading, body, false);
}

std::string teacherPage(const Database& db, const Teacher& t) {
    const bool rooms = db.settings.sheetPrintRooms != 0;
    const std::string duties = print::dutyText(db, t.id);
    return entityPage(
        "HAFTALIK ÖĞRETMEN DERS PROGRAMI", "Adı Soyadı", html(t.name),
        duties.empty() ? "" : "<br>Nöbet Günü: " + html(duties),
        weekGrid(db, [&](int d, int h) { return print::teacherPageCell(db, t.id, d, h, rooms); }),
        teacherWeeklyTotals(db, t.id).totalHours);
}

// The class's lessons with their teachers, so the teacher numbers of the grid read.
std::string classLessonList(const Database& db, Id classId) {
    std::string rows;
    for (const TeacherLesson& tl : db.teacherLessons) {
        if (tl.classId != classId) continue;
        const Teacher* t = db.teachers.find(tl.teacherId);
        rows += "<tr><td>" + html(lessonName(db, tl.lessonId)) + "</td><td>" +
                std::to_string(lessonWeeklyHours(db, tl.lessonId)) + "</td><td>" +
                (t ? std::to_string(t->order) : std::string()) + "</td><td>" +
                html(teacherName(db, tl.teacherId)) + "</td></tr>\n";
    }
    if (rows.empty()) return {};
    return "<div class=\"grid\"><table>\n<thead><tr><th scope=\"col\">DERSİN ADI</th>"
           "<th scope=\"col\">H.D.S.</th><th scope=\"col\">NO</th>"
           "<th scope=\"col\">ÖĞRETMENİN ADI</th></tr></thead>\n<tbody>\n" +
           rows + "</tbody>\n</table></div>\n";
}

std::string classPage(const Database& db, const SchoolClass& c) {
    const bool rooms = db.settings.sheetPrintRooms != 0;
    return entityPage(
        "HAFTALIK SINIF DERS PROGRAMI", "Sınıfın Adı", html(classTitle(db, c.id)), "",
        weekGrid(db, [&](int d, int h) { return print::classPageCell(db, c.id, d, h, rooms); }) +
            classLessonList(db, c.id),
        print::classLessonHoursSum(db, c.id));
}

std::string roomPage(const Database& db, const Room& r) {
    return entityPage(
        "HAFTALIK DERSLİK DERS PROGRAMI", "Dersliğin Adı", html(r.name), "",
        weekGrid(db, [&](int d, int h) { return print::roomPageCell(db, r.id, d, h); }),
        roomWeeklyHours(db, r.id));
}

std::string dutyPage(const Database& db) {
    const int days = db.settings.dutyWeekdaysOnly ? kDays : kDutyDays;
    std::string rows;
    for (const duty::DutyChartRow& place : duty::dutyChart(db)) {
        rows += "<tr><th scope=\"row\">" + html(place.placeName) + "</th>";
        for (int d = 1; d <= days; ++d)
            rows += "<td>" + lines(place.names[static_cast<std::size_t>(d - 1)]) + "</td>";
        rows += "</tr>\n";
    }
    std::string body = "<h1>ÖĞRETMEN NÖBET ÇİZELGESİ</h1>\n";
    if (rows.empty()) {
        body += "<p>Nöbet yeri yok.</p>\n";
    } else {
        body += "<div class=\"grid\"><table>\n<thead><tr><th scope=\"col\">NÖBET YERLERİ</th>";
        for (int d = 1; d <= days; ++d) body += "<th scope=\"col\">" + html(dayName(d)) + "</th>";
        body += "</tr></thead>\n<tbody>\n" + rows + "</tbody>\n</table></div>\n";
    }
    return document("ÖĞRETMEN NÖBET ÇİZELGESİ", body, false);
}

template <class Rows, class Name, class Page>
std::string linkList(const char* heading, const Rows& rows, Name name, Page page) {
    std::string out = std::string("<h2>") + heading + "</h2>\n<ul class=\"list\">\n";
    for (const auto& row : rows)
        out += "<li><a href=\"" + page(row.id) + "\">" + name(row) + "</a></li>\n";
    return out + "</ul>\n";
}

std::string indexPage(const Database& db) {
    const std::string school = html(db.settings.schoolName);
    std::string body =
        "<h1>" + (school.empty() ? std::string("HAFTALIK DERS PROGRAMI") : school) + "</h1>\n";
    body += linkList(
        "ÖĞRETMENLER", db.teachers, [](const Teacher& t) { return html(t.name); }, teacherPageName);
    body += linkList(
        "SINIFLAR", db.classes, [&db](const SchoolClass& c) { return html(classTitle(db, c.id)); },
        classPageName);
    body += linkList(
        "DERSLİKLER", db.rooms, [](const Room& r) { return html(r.name); }, roomPageName);
    body += std::string("<h2>NÖBET</h2>\n<ul class=\"list\">\n<li><a href=\"") + kDutyPageName +
            "\">ÖĞRETMEN NÖBET ÇİZELGESİ</a></li>\n</ul>\n";
    return document(school.empty() ? std::string("HAFTALIK DERS PROGRAMI") : school, body, true);
}

} // namespace

std::string teacherPageName(Id id) {
    return pageName("ogretmen", id);
}
std::string classPageName(Id id) {
    return pageName("sinif", id);
}
std::string roomPageName(Id id) {
    return pageName("derslik", id);
}

int htmlPageCount(const Database& db) {
    return db.teachers.count() + db.classes.count() + db.rooms.count() + 2;
}

Status writeHtmlSite(const Database& db, const std::filesystem::path& folder,
                     const std::function<void()>& step) {
    auto write = [&](const std::string& name, const std::string& text) {
        Status s = writeWhole(folder / name, text);
        if (s) step();
        return s;
    };
    for (const Teacher& t : db.teachers)
        if (auto s = write(teacherPageName(t.id), teacherPage(db, t)); !s) return s;
    for (const SchoolClass& c : db.classes)
        if (auto s = write(classPageName(c.id), classPage(db, c)); !s) return s;
    for (const Room& r : db.rooms)
        if (auto s = write(roomPageName(r.id), roomPage(db, r)); !s) return s;
    if (auto s = write(kDutyPageName, dutyPage(db)); !s) return s;
    return write("index.html", indexPage(db));
}

} // namespace zs::exporting
