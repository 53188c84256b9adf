#include "list_printouts.h"

#include "printouts.h"
#include "school_facts.h"

#include "core/cp1254.h"
#include "core/text.h"
#include "duty/duty_chart.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace zs::print {

namespace {

// The list is printed in this face whatever the settings say.
const std::string kListFont = "Courier New";

// The day and place of the teacher's first duty in list order; empty texts when none.
std::pair<std::string, std::string> firstDuty(const Database& db, Id teacherId) {
    for (const TeacherDuty& d : db.teacherDuties) {
        if (d.teacherId != teacherId || d.day < 1 || d.day > kDutyDays) continue;
        const DutyPlace* p = db.dutyPlaces.find(d.dutyPlaceId);
        return {dayName(d.day), p ? p->name : std::string()};
    }
    return {};
}

} // namespace

void drawTeacherList(Page& page, const Database& db) {
    page.x0 = page.leftMargin();
    page.y = page.topMargin();
    const int x0 = page.x0;
    page.setFont(kListFont, 10, kBold);
    const int l = page.TH() + page.dots(3);
    const int lines = page.height() / l - 3;
    const std::string title = printoutTitle(Printout::TeacherList);
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
        // A large top margin must not push the last lines off the page either.
        if (counter > lines || page.y + l + page.TH() > page.height()) {
            page.newPage();
            page.y = page.dots(5);
            counter = 0;
        }
        // Each text ends a blank before the next column.
        const int y = page.y + l;
        const int gap = page.pad();
        page.textIn(x0, y, std::to_string(t.order), x0 + c1 - gap);
        page.textIn(x0 + c1, y, t.name, x0 + c2 - gap);
        page.textIn(x0 + c2, y, t.homeroomClass, x0 + c3 - gap);
        page.textIn(x0 + c3, y, t.club, x0 + c4 - gap);
        const auto [day, place] = firstDuty(db, t.id);
        page.textIn(x0 + c4, y, day, x0 + c5 - gap);
        page.text(x0 + c5, y, place);
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
    const std::string places = cp1254::lit("NÖBET YERLERİ");
    std::vector<std::string> titles{places};
    for (int d = 1; d <= cols.days; ++d) titles.push_back(dayName(d));
    // Nine letters, and every title with a blank on both sides, fit a column.
    shrinkUntil(page, [&] {
        int widest = 9 * page.wA();
        for (const std::string& t : titles) widest = std::max(widest, page.textWidth(t));
        return widest + 2 * page.pad() <= cols.width;
    });
    const int t = page.TH();
    const int y = page.y;
    const int right = x0 + (cols.days + 1) * cols.width;
    page.line(x0, y, right, y);
    page.line(x0, y + 2 * t, right, y + 2 * t);
    for (int k = 0; k <= cols.days + 1; ++k)
        page.line(x0 + k * cols.width, y, x0 + k * cols.width, y + 2 * t);
    for (int c = 0; c <= cols.days; ++c) {
        const std::string& title = titles[static_cast<std::size_t>(c)];
        const int left = x0 + c * cols.width;
        page.textIn(left + std::max(page.pad(), page.centre(title, cols.width)), y + t / 2, title,
                    left + cols.width - page.pad());
    }
    page.y += 2 * t;
    page.setFont(s.printFontName, 9, kRegular);
}

} // namespace

void drawDutyChart(Page& page, const Database& db) {
    const Settings& s = db.settings;
    page.x0 = page.leftMargin();
    page.y = page.topMargin();
    ChartColumns cols;
    cols.days = s.dutyWeekdaysOnly ? kDays : kDutyDays;
    page.titleBlock(printoutTitle(Printout::DutyChart), s.printFontName);
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
        const int h = static_cast<int>(k) * u - (static_cast<int>(k) - 1) * (u / 4);
        if (page.y + h + u > page.height()) {
            page.y = page.topMargin();
            page.newPage();
            chartHeader(page, s, cols);
        }
        const int y = page.y;
        const int right = x0 + (cols.days + 1) * cols.width;
        page.line(x0, y + h, right, y + h);
        for (int c = 0; c <= cols.days + 1; ++c)
            page.line(x0 + c * cols.width, y, x0 + c * cols.width, y + h);
        // Texts start a little right of the line and end a blank before the next one.
        const int inset = std::max(page.dots(10), page.pad());
        const auto inColumn = [&](int column, int lineY, const std::string& text) {
            const int left = x0 + column * cols.width;
            page.textIn(left + inset, lineY, text, left + cols.width - page.pad());
        };
        // A long place name is set smaller before it is cut.
        page.setStyle(kBold);
        shrinkUntil(page, [&] {
            return inset + page.textWidth(place.placeName) + page.pad() <= cols.width;
        });
        inColumn(0, y + u / 4, place.placeName);
        page.setFont(s.printFontName, 9, kRegular);
        for (int d = 1; d <= cols.days; ++d) {
            const auto& day = names[static_cast<std::size_t>(d - 1)];
            for (std::size_t i = 0; i < day.size(); ++i)
                inColumn(d, y + u / 4 + (u / 3) * 2 * static_cast<int>(i), day[i]);
        }
        page.y = y + h;
    }
}

} // namespace zs::print
