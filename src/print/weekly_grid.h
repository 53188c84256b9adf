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
    int hours = 1; // H
    // The hour columns in wA: 8.5 or 5. With `fixedWidth` (device units) every column,
    // the day column too, is that wide whatever the font.
    bool wide = false;
    int fixedWidth = 0;
    bool threeLines = false; // row height 3 × TH + TH / 4 instead of 3 × TH
    CellText cell;
};

// The day column and an hour column in the page's current font: each at least as wide as
// the layout says and wide enough for every text it holds with a blank on both sides.
struct GridColumns {
    int first = 1;
    int hour = 1;
    int width(int hours) const { return first + hours * hour; }
};
GridColumns gridColumns(Page& page, const Settings& settings, const WeeklyGrid& grid);

// Makes the font smaller, down to the smallest size allowed, until the grid fits between
// the margins (or, with a fixed width, every text fits its column).
void fitWeeklyGrid(Page& page, const Settings& settings, const WeeklyGrid& grid);

// Draws the grid at the page's y in its current font and moves y below it; a text still
// too wide for its column is cut.
void drawWeeklyGrid(Page& page, const Settings& settings, const WeeklyGrid& grid);

// The signature block: deputy and principal, their titles, and with `receipt` the two
// receipt lines naming the teacher.
void drawSignatures(Page& page, const Settings& settings, int principalColumn,
                    const std::string* receipt);

} // namespace zs::print
