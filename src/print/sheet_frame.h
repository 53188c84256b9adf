// The ruled frame of the sheet lists: a number, a name, a total and a shift-mark column,
// then the hour columns of some days, with a two-line header repeated on every page.
#pragma once

#include "page_model.h"

#include "core/settings.h"

#include <functional>
#include <string>
#include <vector>

namespace zs::print {

struct SheetRow {
    std::string number; // Windows-1254 texts
    std::string name;
    std::string total;
    std::string mark;
    // The lines of the cell in hour column `column` (1-based) of `day`.
    std::function<std::vector<std::string>(int day, int column)> cell;
};

class SheetFrame {
public:
    // `nameTitle` heads the name column; `hourWidthHalves` is the hour column width in
    // half wA; a row holds `rowLines` lines of text; a page is full when y + `breakLines`
    // × TH passes the page height.
    SheetFrame(Page& page, const Settings& settings, std::string nameTitle, int hourWidthHalves,
               int rowLines, int breakLines);

    // Draws the header of a table of `days` with `hours` columns each at the page's y. A
    // table wider than the page gets a smaller font, down to the smallest size allowed.
    void startTable(std::vector<int> days, int hours);
    void row(const SheetRow& row);

private:
    void measure(int size);
    int tableWidth() const;
    int doubled() const;
    int dayStart(std::size_t day) const;
    void header();
    void columnLines(int top, int bottom, bool hourLines);

    Page& page_;
    const Settings& settings_;
    std::string nameTitle_;
    int hourWidthHalves_ = 9;
    int rowLines_ = 1;
    int size_ = 8;
    int c1_ = 0, c2_ = 0, c3_ = 0, c4_ = 0, h_ = 1, l_ = 1, rowHeight_ = 1, breakLines_ = 4;
    std::vector<int> days_;
    int hours_ = 1;
};

// The morning row of a teacher or class maps column j of a day to hour j; the afternoon
// row maps it to hour A + j − 1, or D + j when A passes D.
int afternoonHour(int afternoonStart, int columns, int column);

} // namespace zs::print
