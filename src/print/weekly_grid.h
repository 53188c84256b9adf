// The week grid of the weekly pages: day rows, hour columns with start times, and up to
// three lines of text in each cell.
#pragma once

#include "cell_texts.h"
#include "page_model.h"

#include "core/settings.h"

#include <array>
#include <functional>
#include <string>

namespace zs::print {

using CellText = std::function<CellLines(int day, int hour)>;

// A column holds 8 characters and a half, or 5 when no cell needs more.
inline int columnWidth(int wA, bool wide) {
    return wide ? 8 * wA + wA / 2 : 5 * wA;
}

// Each line cut to its column's number of characters.
CellLines fitLines(const CellLines& lines, std::array<std::size_t, 3> widths);

struct WeeklyGrid {
    int hours = 1;       // H
    int columnWidth = 1; // c
    int rowHeight = 1;   // r
    CellText cell;
};

// Makes the page's font a point smaller while a table of `width` (measured in the current
// font) would pass the right margin, down to the smallest size the font choice allows.
void shrinkToWidth(Page& page, const std::function<int()>& width);

// Draws the grid at the page's y in its current font and moves y below it.
void drawWeeklyGrid(Page& page, const Settings& settings, const WeeklyGrid& grid);

// The signature block: deputy and principal, their titles, and with `receipt` the two
// receipt lines naming the teacher.
void drawSignatures(Page& page, const Settings& settings, int principalColumn,
                    const std::string* receipt);

} // namespace zs::print
