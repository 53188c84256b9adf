#include "weekly_grid.h"

#include "core/cp1254.h"
#include "core/text.h"

#include <algorithm>

namespace zs::print {

CellLines fitLines(const CellLines& lines, std::array<std::size_t, 3> widths) {
    CellLines out;
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = fit(lines[i], widths[i]);
    return out;
}

namespace {

const std::string& daysTitle() {
    static const std::string title = cp1254::lit("GÜNLER");
    return title;
}

const std::string& startTime(const Settings& s, int hour) {
    return s.startTimes[static_cast<std::size_t>(hour - 1)];
}

} // namespace

GridColumns gridColumns(Page& page, const Settings& s, const WeeklyGrid& grid) {
    const std::string font = page.fontName();
    const int size = page.fontSize();
    const int wA = page.wA();
    const int pad = page.pad();
    const int base = grid.fixedWidth > 0 ? grid.fixedWidth : columnWidth(wA, grid.wide);
    // The widths a column needs, measured in the fonts the texts are drawn in.
    int first = 0;
    int hour = 0;
    page.setFont(font, size - 1, kBold);
    first = std::max(first, 2 * pad + page.textWidth(daysTitle()));
    page.setFont(font, size, kBold);
    for (int d = 1; d <= kDays; ++d)
        first = std::max(first, 2 * pad + page.textWidth(dayPrintName(d)));
    for (int k = 1; k <= grid.hours; ++k)
        hour = std::max(hour, wA + page.textWidth(std::to_string(k)) + pad);
    page.setFont(font, size - 1, kRegular);
    for (int k = 1; k <= grid.hours; ++k)
        hour = std::max(hour, wA / 2 + page.textWidth(startTime(s, k)) + pad);
    page.setFont(font, size, kRegular);
    for (int d = 1; d <= kDays; ++d)
        for (int k = 1; k <= grid.hours; ++k)
            for (const std::string& line : grid.cell(d, k))
                if (!line.empty()) hour = std::max(hour, wA / 2 + page.textWidth(line) + pad);
    return {std::max(base, first), std::max(base, hour)};
}

void fitWeeklyGrid(Page& page, const Settings& s, const WeeklyGrid& grid) {
    shrinkUntil(page, [&] {
        const GridColumns cols = gridColumns(page, s, grid);
        if (grid.fixedWidth > 0)
            return cols.first <= grid.fixedWidth && cols.hour <= grid.fixedWidth;
        return page.x0 + cols.width(grid.hours) <= page.width() - page.x0;
    });
}

void drawWeeklyGrid(Page& page, const Settings& s, const WeeklyGrid& grid) {
    const GridColumns measured = gridColumns(page, s, grid);
    const int wA = page.wA();
    const int TH = page.TH();
    const int pad = page.pad();
    const int size = page.fontSize();
    const std::string font = page.fontName();
    const int x0 = page.x0;
    const int y = page.y;
    GridColumns cols = measured;
    if (grid.fixedWidth > 0) cols.first = cols.hour = grid.fixedWidth;
    // A table still too wide at the smallest font keeps to the page; its texts are cut.
    const int room = page.width() - x0;
    if (x0 + cols.width(grid.hours) > room) {
        cols.hour = std::max(1, (room - x0) / (grid.hours + 1));
        cols.first = std::max(cols.hour, room - x0 - grid.hours * cols.hour);
    }
    const int r = grid.threeLines ? 3 * TH + TH / 4 : 3 * TH;
    const int W = cols.width(grid.hours);
    auto left = [&](int k) { return x0 + (k == 0 ? 0 : cols.first + (k - 1) * cols.hour); };

    for (int k = 0; k <= 6; ++k) page.line(x0, y + k * r, x0 + W, y + k * r);
    for (int k = 0; k <= grid.hours + 1; ++k) page.line(left(k), y, left(k), y + 6 * r);

    const int dayRight = x0 + cols.first - pad;
    page.setFont(font, size - 1, kBold);
    page.textIn(x0 + pad, y + r / 8, daysTitle(), dayRight);
    page.setFont(font, size, kBold);
    for (int d = 1; d <= kDays; ++d)
        page.textIn(x0 + pad, y + d * r + r / 8, dayPrintName(d), dayRight);
    for (int k = 1; k <= grid.hours; ++k)
        page.textIn(left(k) + wA, y + r / 8, std::to_string(k), left(k + 1) - pad);
    page.setFont(font, size - 1, kRegular);
    for (int k = 1; k <= grid.hours; ++k)
        page.textIn(left(k) + wA / 2, y + r / 2, startTime(s, k), left(k + 1) - pad);
    page.setFont(font, size, kRegular);

    for (int d = 1; d <= kDays; ++d)
        for (int k = 1; k <= grid.hours; ++k) {
            const CellLines lines = grid.cell(d, k);
            for (int i = 0; i < 3; ++i)
                page.textIn(left(k) + wA / 2, y + d * r + TH / 8 + i * TH,
                            lines[static_cast<std::size_t>(i)], left(k + 1) - pad);
        }
    page.y = y + 6 * r;
}

void drawSignatures(Page& page, const Settings& s, int principalColumn,
                    const std::string* receipt) {
    const int wA = page.wA();
    const int TH = page.TH();
    page.y += 4 * TH;
    page.text(page.x0 + wA, page.y, s.deputyName);
    page.text(page.x0 + principalColumn * wA, page.y, s.principalName);
    page.y += TH;
    page.text(page.x0 + wA, page.y,
              cp1254::lit(s.headDeputy ? "Müdür Baş Yardımcısı" : "Müdür Yardımcısı"));
    page.text(page.x0 + principalColumn * wA, page.y, cp1254::lit("Müdür"));
    if (!receipt) return;
    page.y += 3 * TH;
    page.text(page.x0 + 35 * wA, page.y, cp1254::lit("Aslını Teslim Aldım."));
    page.y += TH;
    page.text(page.x0 + 35 * wA, page.y, *receipt);
}

} // namespace zs::print
