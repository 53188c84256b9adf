#include "list_printouts.h"

#include "school_facts.h"

#include "core/cp1254.h"
#include "core/text.h"
#include "duty/duty_chart.h"

#include <algorithm>

namespace zs::print {

namespace {

// The list is printed in this face whatever the settings say.
const std::string kListFont = "Courier New";

} // namespace

void drawTeacherList(Page& page, const Database& db) {
    page.x0 = page.family().leftMargin;
    page.y = page.family().topMargin;
    const int x0 = page.x0;
    page.setFont(kListFont, 10, kBold);
    const int l = page.TH() + 3;
    const int lines = page.height() / l - 3;
    const std::string title = cp1254::lit("ÖĞRETMEN LİSTESİ");
    page.text(((page.width() - x0) - 16 * page.wA()) / 2, page.y, title);
    page.y += 3 * l / 2;

    page.setFont(kListFont, 9, kBold | kUnderline);
    const int wA = page.wA();
    const int c1 = 4 * wA;
    const int c2 = c1 + 30 * wA;
    const int c3 = c2 + 15 * wA;
    const int c4 = c3 + 15 * wA;
    const int c5 = c4 + 15 * wA;
    const std::array<std::pair<int, const char*>, 6> titles = {{{0, "No"},
                                                                {c1, "Adı Soyadı"},
                                                                {c2, "Sınıf Öğr."},
                                                                {c3, "Eğitsel Kolu"},
                                                                {c4, "Nöbet Günü"},
                                                                {c5, "Nöbet Yeri"}}};
    for (const auto& [x, text] : titles) page.text(x0 + x, page.y, cp1254::lit(text));
    page.setStyle(kRegular);

    int counter = 2;
    for (const Teacher& t : db.teachers) {
        ++counter;
        page.y += l;
        if (counter > lines) {
            page.newPage();
            page.y = 5;
            counter = 0;
        }
        page.text(x0, page.y + l, std::to_string(t.order));
        page.text(x0 + c1, page.y + l, t.name);
        page.text(x0 + c2, page.y + l, t.homeroomClass);
        page.text(x0 + c3, page.y + l, t.club);
    }
}

namespace {

struct ChartColumns {
    int days = 7;  // n
    int width = 1; // w
};

void chartHeader(Page& page, const Settings& s, ChartColumns& cols) {
    page.setFont(s.printFontName, 10, kBold);
    const int x0 = page.x0;
    const int W = page.width() - 2 * x0;
    cols.width = std::max(1, W / (cols.days + 1));
    while (9 * page.wA() > cols.width && page.fontSize() > kMinFontSize)
        page.setSize(page.fontSize() - 1);
    const int t = page.TH();
    const int y = page.y;
    const int right = x0 + (cols.days + 1) * cols.width;
    page.line(x0, y, right, y);
    page.line(x0, y + 2 * t, right, y + 2 * t);
    for (int k = 0; k <= cols.days + 1; ++k)
        page.line(x0 + k * cols.width, y, x0 + k * cols.width, y + 2 * t);
    const std::string places = cp1254::lit("NÖBET YERLERİ");
    page.text(x0 + std::max(0, page.centre(places, cols.width)), y + t / 2, places);
    for (int d = 1; d <= cols.days; ++d)
        page.text(x0 + d * cols.width + std::max(0, page.centre(dayName(d), cols.width)), y + t / 2,
                  dayName(d));
    page.y += 2 * t;
    page.setFont(s.printFontName, 9, kRegular);
}

} // namespace

void drawDutyChart(Page& page, const Database& db) {
    const Settings& s = db.settings;
    page.x0 = page.family().leftMargin;
    page.y = page.family().topMargin;
    ChartColumns cols;
    cols.days = s.dutyWeekdaysOnly ? kDays : kDutyDays;
    page.titleBlock(cp1254::lit("ÖĞRETMEN NÖBET ÇİZELGESİ"), s.printFontName);
    page.setFont(s.printFontName, s.printFontSize);
    page.y += page.TH();
    chartHeader(page, s, cols);

    const int x0 = page.x0;
    for (const duty::DutyChartRow& place : duty::dutyChart(db)) {
        const auto& names = place.names;
        std::size_t k = 0;
        for (int d = 1; d <= cols.days; ++d) k = std::max(k, names[d - 1].size());
        if (k == 0) continue;
        const int u = 2 * page.TH();
        const int m = std::max(1, (cols.width - 30 + page.wA() - 1) / page.wA());
        const int h = static_cast<int>(k) * u - (static_cast<int>(k) - 1) * (u / 4);
        if (page.y + h + u > page.height()) {
            page.y = page.family().topMargin;
            page.newPage();
            chartHeader(page, s, cols);
        }
        const int y = page.y;
        const int right = x0 + (cols.days + 1) * cols.width;
        page.line(x0, y + h, right, y + h);
        for (int c = 0; c <= cols.days + 1; ++c)
            page.line(x0 + c * cols.width, y, x0 + c * cols.width, y + h);
        page.setStyle(kBold);
        page.text(x0 + 10, y + u / 4, place.placeName);
        page.setStyle(kRegular);
        for (int d = 1; d <= cols.days; ++d) {
            const auto& day = names[static_cast<std::size_t>(d - 1)];
            for (std::size_t i = 0; i < day.size(); ++i)
                page.text(x0 + d * cols.width + 10, y + u / 4 + (u / 3) * 2 * static_cast<int>(i),
                          fit(day[i], static_cast<std::size_t>(m)));
        }
        page.y = y + h;
    }
}

} // namespace zs::print
