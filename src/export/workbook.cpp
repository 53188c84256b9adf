#include "workbook.h"

#include "export_text.h"

#include "core/display_names.h"
#include "core/text.h"
#include "duty/duty_chart.h"
#include "print/cell_texts.h"
#include "print/school_facts.h"
#include "rules/totals.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zs::exporting {

namespace {

// Characters, not bytes, decide a column's width.
int shownLength(const std::string& utf8Text) {
    return static_cast<int>(std::count_if(utf8Text.begin(), utf8Text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

struct Formats {
    lxw_format* head = nullptr;
    lxw_format* cell = nullptr;
};

// A sheet whose column widths follow the longest text written into each column.
class Sheet {
public:
    Sheet(lxw_workbook* book, const Formats& formats, const char* name)
        : sheet_(workbook_add_worksheet(book, name)), formats_(formats) {}

    void head(int row, int col, const std::string& text) { put(row, col, text, formats_.head); }
    void text(int row, int col, const std::string& text) { put(row, col, text, formats_.cell); }
    void headAcross(int row, int first, int last, const std::string& text) {
        worksheet_merge_range(sheet_, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(first),
                              static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(last),
                              text.c_str(), formats_.head);
    }
    // Rows above `rows` and columns left of `cols` stay in view.
    void finish(int rows, int cols) {
        worksheet_freeze_panes(sheet_, static_cast<lxw_row_t>(rows), static_cast<lxw_col_t>(cols));
        for (std::size_t c = 0; c < widths_.size(); ++c)
            worksheet_set_column(sheet_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 std::max(4, widths_[c] + 2), nullptr);
    }

private:
    void put(int row, int col, const std::string& text, lxw_format* format) {
        worksheet_write_string(sheet_, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(col),
                               text.c_str(), format);
        if (widths_.size() <= static_cast<std::size_t>(col))
            widths_.resize(static_cast<std::size_t>(col) + 1, 0);
        auto& w = widths_[static_cast<std::size_t>(col)];
        w = std::max(w, shownLength(text));
    }

    lxw_worksheet* sheet_;
    Formats formats_;
    std::vector<int> widths_;
};

std::string spaced(const print::SheetLines& lines) {
    std::vector<std::string> parts;
    for (const std::string& line : lines)
        if (!line.empty()) parts.push_back(utf8(line));
    return joined(parts, " ");
}

struct ListRow {
    int number = 0;
    std::string name; // Windows-1254
    int total = 0;
    std::function<print::SheetLines(int day, int hour)> cell;
};

// No, name, TOP., then the hours of each day under the day's name and their start times.
void sheetList(Sheet& sheet, const Database& db, const std::string& nameTitle,
               const std::vector<ListRow>& rows) {
    const int hours = print::weeklyHourColumns(db);
    sheet.head(0, 0, "No");
    sheet.head(0, 1, nameTitle);
    sheet.head(0, 2, "TOP.");
    sheet.head(1, 0, "");
    sheet.head(1, 1, "");
    sheet.head(1, 2, "");
    for (int d = 1; d <= kDays; ++d) {
        const int first = 3 + (d - 1) * hours;
        if (hours > 1)
            sheet.headAcross(0, first, first + hours - 1, utf8(dayName(d)));
        else
            sheet.head(0, first, utf8(dayName(d)));
        for (int h = 1; h <= hours; ++h)
            sheet.head(1, first + h - 1,
                       utf8(db.settings.startTimes[static_cast<std::size_t>(h - 1)]));
    }
    int r = 2;
    for (const ListRow& row : rows) {
        sheet.text(r, 0, std::to_string(row.number));
        sheet.text(r, 1, utf8(row.name));
        sheet.text(r, 2, std::to_string(row.total));
        for (int d = 1; d <= kDays; ++d)
            for (int h = 1; h <= hours; ++h)
                if (const std::string t = spaced(row.cell(d, h)); !t.empty())
                    sheet.text(r, 3 + (d - 1) * hours + h - 1, t);
        ++r;
    }
    sheet.finish(2, 2);
}

void dutySheet(Sheet& sheet, const Database& db) {
    const int days = db.settings.dutyWeekdaysOnly ? kDays : kDutyDays;
    sheet.head(0, 0, "NÖBET YERLERİ");
    sheet.head(0, 1, "TOP.");
    for (int d = 1; d <= days; ++d) sheet.head(0, 1 + d, utf8(dayName(d)));
    int r = 1;
    for (const duty::DutyChartRow& place : duty::dutyChart(db)) {
        sheet.text(r, 0, utf8(place.placeName));
        sheet.text(r, 1, std::to_string(place.total));
        for (int d = 1; d <= days; ++d) {
            std::vector<std::string> names;
            for (const std::string& n : place.names[static_cast<std::size_t>(d - 1)])
                names.push_back(utf8(n));
            if (!names.empty()) sheet.text(r, 1 + d, joined(names, ", "));
        }
        ++r;
    }
    sheet.finish(1, 1);
}

} // namespace

Status writeWorkbook(const Database& db, const std::filesystem::path& file,
                     const std::function<void()>& step) {
    std::string tmp = file.parent_path().string();
    lxw_workbook_options options{};
    options.tmpdir = tmp.data();
    lxw_workbook* book = workbook_new_opt(file.string().c_str(), &options);
    if (!book) return Error{"Çalışma kitabı açılamadı", file.string()};
    Formats formats{workbook_add_format(book), workbook_add_format(book)};
    format_set_bold(formats.head);
    format_set_align(formats.head, LXW_ALIGN_CENTER);
    format_set_bg_color(formats.head, 0xE4EBF2);
    format_set_border(formats.head, LXW_BORDER_THIN);
    format_set_border(formats.cell, LXW_BORDER_THIN);

    const bool sections = print::anySection(db);
    std::vector<ListRow> rows;
    for (const Teacher& t : db.teachers)
        rows.push_back({t.order, t.name, teacherWeeklyTotals(db, t.id).totalHours,
                        [&db, id = t.id, sections](int d, int h) {
                            return print::teacherSheetCell(db, print::teacherClassAt(db, id, d, h),
                                                           sections);
                        }});
    Sheet teachers(book, formats, "ÖĞRETMENLER");
    sheetList(teachers, db, "ADI SOYADI", rows);
    step();
    rows.clear();
    for (const SchoolClass& c : db.classes)
        rows.push_back(
            {c.order, classTitle(db, c.id), print::classLessonHoursSum(db, c.id),
             [&db, id = c.id](int d, int h) { return print::classSheetCell(db, id, d, h); }});
    Sheet classes(book, formats, "SINIFLAR");
    sheetList(classes, db, "SINIF", rows);
    step();
    rows.clear();
    for (const Room& r : db.rooms)
        rows.push_back({r.order, r.name, roomWeeklyHours(db, r.id), [&db, id = r.id](int d, int h) {
                            return print::roomSheetCell(db, id, d, h);
                        }});
    Sheet rooms(book, formats, "DERSLİKLER");
    sheetList(rooms, db, "DERSLİK", rows);
    step();
    Sheet duties(book, formats, "NÖBET ÇİZELGESİ");
    dutySheet(duties, db);
    if (const lxw_error e = workbook_close(book); e != LXW_NO_ERROR)
        return Error{std::string("Çalışma kitabı yazılamadı (") + lxw_strerror(e) + ")",
                     file.string()};
    step();
    return success();
}

} // namespace zs::exporting
