#include "weekly_grid.h"

#include "core/cp1254.h"
#include "core/text.h"

namespace zs::print {

CellLines fitLines(const CellLines& lines, std::array<std::size_t, 3> widths) {
    CellLines out;
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = fit(lines[i], widths[i]);
    return out;
}

void shrinkToWidth(Page& page, const std::function<int()>& width) {
    while (page.x0 + width() > page.width() - page.x0 && page.fontSize() > kMinFontSize)
        page.setSize(page.fontSize() - 1);
}

void drawWeeklyGrid(Page& page, const Settings& settings, const WeeklyGrid& grid) {
    const int wA = page.wA();
    const int TH = page.TH();
    const int size = page.fontSize();
    const int x0 = page.x0;
    const int y = page.y;
    const int c = grid.columnWidth;
    const int r = grid.rowHeight;
    const int W = (grid.hours + 1) * c;

    for (int k = 0; k <= 6; ++k) page.line(x0, y + k * r, x0 + W, y + k * r);
    for (int k = 0; k <= grid.hours + 1; ++k) page.line(x0 + k * c, y, x0 + k * c, y + 6 * r);

    page.setFont(settings.printFontName, size - 1, kBold);
    page.text(x0 + wA / 8, y + r / 8, cp1254::lit("GÜNLER"));
    page.setFont(settings.printFontName, size, kBold);
    for (int d = 1; d <= kDays; ++d) page.text(x0 + wA / 8, y + d * r + r / 8, dayPrintName(d));
    for (int k = 1; k <= grid.hours; ++k) page.text(x0 + wA + k * c, y + r / 8, std::to_string(k));
    page.setFont(settings.printFontName, size - 1, kRegular);
    for (int k = 1; k <= grid.hours; ++k)
        page.text(x0 + wA / 2 + k * c, y + r / 2,
                  settings.startTimes[static_cast<std::size_t>(k - 1)]);
    page.setFont(settings.printFontName, size, kRegular);

    for (int d = 1; d <= kDays; ++d)
        for (int k = 1; k <= grid.hours; ++k) {
            const CellLines lines = grid.cell(d, k);
            for (int i = 0; i < 3; ++i)
                page.text(x0 + k * c + wA / 2, y + d * r + TH / 8 + i * TH,
                          lines[static_cast<std::size_t>(i)]);
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
