#include "sheet_lists.h"

#include "cell_texts.h"
#include "printouts.h"
#include "school_facts.h"
#include "sheet_frame.h"

#include "core/cp1254.h"
#include "rules/daily_hours.h"
#include "rules/totals.h"

#include <vector>

namespace zs::print {

namespace {

using Lines = std::vector<std::string>;

void startDocument(Page& page, const Settings& s, std::string_view title) {
    page.x0 = page.leftMargin();
    page.y = page.topMargin();
    page.titleBlock(title, s.sheetFontName);
}

// Days 1 and 2, then days 3 to 5, each table from a page of its own; with `splitLast`,
// day 5 gets a third.
std::vector<std::vector<int>> dayTables(bool splitLast) {
    if (splitLast) return {{1, 2}, {3, 4}, {5}};
    return {{1, 2}, {3, 4, 5}};
}

// One table after another, each but the first on a new page.
template <class RowsOf>
void drawTables(Page& page, SheetFrame& frame, const std::vector<std::vector<int>>& tables,
                int hours, RowsOf rows) {
    for (std::size_t t = 0; t < tables.size(); ++t) {
        if (t > 0) {
            page.newPage();
            page.y = page.topMargin();
        }
        frame.startTable(tables[t], hours);
        rows(frame);
    }
}

Lines fitted(Lines lines, std::initializer_list<std::size_t> widths) {
    auto width = widths.begin();
    for (std::string& line : lines) line = fit(line, width == widths.end() ? 0 : *width++);
    return lines;
}

// With the rooms option, a last line: the first room of the lesson held, cut to 4.
Lines withRoom(Lines lines, const Database& db, Id classId, int day, int hour) {
    const Id lessonId = classLessonAt(db, classId, day, hour);
    if (db.settings.sheetPrintRooms && lessonId)
        lines.push_back(fit(firstRoomName(db, classId, lessonId), 4));
    return lines;
}

Lines classCell(const Database& db, Id classId, int day, int hour, bool sections) {
    if (!classId) return {};
    return withRoom(fitted(teacherSheetCell(db, classId, sections), {4, 3}), db, classId, day,
                    hour);
}

Lines lessonCell(const Database& db, Id classId, int day, int hour) {
    return withRoom(fitted(classSheetCell(db, classId, day, hour), {4, 4}), db, classId, day, hour);
}

// A line more in each row when the rooms are printed.
int roomLine(const Settings& s) {
    return s.sheetPrintRooms ? 1 : 0;
}

} // namespace

void drawTeacherSheet(Page& page, const Database& db) {
    const Settings& s = db.settings;
    startDocument(page, s, printoutTitle(Printout::TeacherSheet));
    const bool sections = anySection(db);
    SheetFrame frame(page, s, "ADI SOYADI", 9, (sections ? 2 : 1) + roomLine(s), 4);
    if (s.sheetNoShiftSplit) {
        const int H = weeklyHourColumns(db);
        drawTables(page, frame, dayTables(s.sheetPrintRooms && H > 6), H, [&](SheetFrame& f) {
            for (const Teacher& t : db.teachers)
                f.row({std::to_string(t.order), t.name,
                       std::to_string(teacherWeeklyTotals(db, t.id).totalHours), "",
                       [&db, &t, sections](int day, int hour) {
                           return classCell(db, teacherClassAt(db, t.id, day, hour), day, hour,
                                            sections);
                       }});
        });
        return;
    }
    const int D = sheetHourColumns(db);
    frame.startTable({1, 2, 3, 4, 5}, D);
    for (const Teacher& t : db.teachers) {
        const TeacherTotals totals = teacherWeeklyTotals(db, t.id);
        if (totals.morningHours > 0)
            frame.row({std::to_string(t.order), t.name, std::to_string(totals.morningHours), "S",
                       [&db, &t, sections](int day, int hour) {
                           const Id c = teacherClassAt(db, t.id, day, hour);
                           if (!c || isAfternoonClass(db, c)) return Lines{};
                           return classCell(db, c, day, hour, sections);
                       }});
        if (totals.afternoonHours > 0)
            frame.row({std::to_string(t.order), t.name, std::to_string(totals.afternoonHours),
                       cp1254::lit("Ö"), [&db, &t, sections, D](int day, int column) {
                           const int hour = afternoonHour(afternoonStartHour(db, day), D, column);
                           const Id c = teacherClassAt(db, t.id, day, hour);
                           Lines lines = classCell(db, c, day, hour, sections);
                           if (sections && lines.size() > 1 && !isAfternoonClass(db, c))
                               lines[1].clear();
                           return lines;
                       }});
    }
}

void drawClassSheet(Page& page, const Database& db) {
    const Settings& s = db.settings;
    startDocument(page, s, printoutTitle(Printout::ClassSheet));
    SheetFrame frame(page, s, "SINIF", 9, 2 + roomLine(s), 5);
    auto row = [&db](const SchoolClass& c, std::string mark, auto hourOf) {
        return SheetRow{std::to_string(c.order), classWithSection(db, c.id),
                        std::to_string(classLessonHoursSum(db, c.id)), std::move(mark),
                        [&db, &c, hourOf](int day, int column) {
                            return lessonCell(db, c.id, day, hourOf(day, column));
                        }};
    };
    auto sameHour = [](int, int column) { return column; };
    if (s.sheetNoShiftSplit) {
        drawTables(page, frame, dayTables(false), weeklyHourColumns(db), [&](SheetFrame& f) {
            for (const SchoolClass& c : db.classes) f.row(row(c, "", sameHour));
        });
        return;
    }
    const int D = sheetHourColumns(db);
    frame.startTable({1, 2, 3, 4, 5}, D);
    for (const SchoolClass& c : db.classes) {
        if (!isAfternoonClass(db, c.id)) {
            frame.row(row(c, "S", sameHour));
            continue;
        }
        frame.row(row(c, cp1254::lit("Ö"), [&db, D](int day, int column) {
            return afternoonHour(afternoonStartHour(db, day), D, column);
        }));
    }
}

void drawRoomSheet(Page& page, const Database& db) {
    const Settings& s = db.settings;
    startDocument(page, s, printoutTitle(Printout::RoomSheet));
    SheetFrame frame(page, s, cp1254::lit("DERSLİK"), 17, 3, 4);
    drawTables(page, frame, dayTables(false), weeklyHourColumns(db), [&](SheetFrame& f) {
        for (const Room& r : db.rooms)
            f.row({std::to_string(r.order), r.name, std::to_string(roomWeeklyHours(db, r.id)), "",
                   [&db, &r](int day, int hour) {
                       return fitted(roomSheetCell(db, r.id, day, hour), {8, 4, 4});
                   }});
    });
}

} // namespace zs::print
