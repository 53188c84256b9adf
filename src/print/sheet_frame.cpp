#include "sheet_frame.h"

#include "core/cp1254.h"
#include "core/text.h"

#include <algorithm>

namespace zs::print {

int afternoonHour(int afternoonStart, int columns, int column) {
    return afternoonStart > columns ? columns + column : afternoonStart + column - 1;
}

SheetFrame::SheetFrame(Page& page, const Settings& settings, std::string nameTitle,
                       int hourWidthHalves, int rowLines, int breakLines)
    : page_(page), settings_(settings), nameTitle_(std::move(nameTitle)),
      hourWidthHalves_(hourWidthHalves), rowLines_(rowLines), breakLines_(breakLines) {
    measure(settings_.sheetFontSize);
}

void SheetFrame::measure(int size) {
    size_ = size;
    page_.setFont(settings_.sheetFontName, size_);
    const int wA = page_.wA();
    const int TH = page_.TH();
    c1_ = 4 * wA;
    c2_ = c1_ + 21 * wA;
    c3_ = c2_ + 3 * wA;
    c4_ = c3_ + 2 * wA;
    h_ = std::max(1, hourWidthHalves_ * wA / 2);
    l_ = 3 * (TH / 2);
    // Every line of a cell stays above the rule under it.
    rowHeight_ = rowLines_ <= 1 ? 3 * (TH / 2) : rowLines_ * TH + TH / 4;
}

int SheetFrame::tableWidth() const {
    return c4_ + static_cast<int>(days_.size()) * (hours_ * h_ + doubled());
}

// A day ends in a doubled rule; the next day starts after it.
int SheetFrame::dayStart(std::size_t day) const {
    return page_.x0 + c4_ + static_cast<int>(day) * (hours_ * h_ + doubled());
}

int SheetFrame::doubled() const {
    return std::max(1, page_.wA() / 6);
}

void SheetFrame::startTable(std::vector<int> days, int hours) {
    days_ = std::move(days);
    hours_ = hours;
    measure(settings_.sheetFontSize);
    while (page_.x0 + tableWidth() > page_.width() - page_.x0 && size_ > kMinFontSize)
        measure(size_ - 1);
    // Still too wide at the smallest font: narrower hour columns whose texts are cut, so
    // the frame stays on the page.
    const int count = static_cast<int>(days_.size());
    const int room = page_.width() - 2 * page_.x0 - c4_ - count * doubled();
    if (page_.x0 + tableWidth() > page_.width() - page_.x0)
        h_ = std::max(1, room / std::max(1, count * hours_));
    page_.y += l_;
    header();
}

void SheetFrame::columnLines(int top, int bottom, bool hourLines) {
    const int x0 = page_.x0;
    for (int c : {0, c1_, c2_, c3_, c4_}) page_.line(x0 + c, top, x0 + c, bottom);
    const int doubled = this->doubled();
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const int start = dayStart(i);
        for (int j = 1; j < hours_ && hourLines; ++j)
            page_.line(start + j * h_, top, start + j * h_, bottom);
        const int end = start + hours_ * h_;
        page_.line(end, top, end, bottom);
        page_.line(end + doubled, top, end + doubled, bottom);
    }
}

void SheetFrame::header() {
    page_.setFont(settings_.sheetFontName, size_);
    const int x0 = page_.x0;
    const int y = page_.y;
    const int pad = page_.pad();
    const int W = tableWidth();
    page_.line(x0, y, x0 + W, y);
    page_.line(x0 + c4_, y + l_, x0 + W, y + l_);
    page_.line(x0, y + 2 * l_, x0 + W, y + 2 * l_);
    columnLines(y, y + 2 * l_, false);
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const int start = dayStart(i);
        for (int j = 1; j < hours_; ++j)
            page_.line(start + j * h_, y + l_, start + j * h_, y + 2 * l_);
        page_.setStyle(kBold);
        const std::string& name = dayName(days_[i]);
        page_.textIn(start + std::max(pad, page_.centre(name, hours_ * h_)), y + l_ / 8, name,
                     start + hours_ * h_ - pad);
        page_.setStyle(kRegular);
        for (int j = 1; j <= hours_; ++j)
            page_.textIn(start + (j - 1) * h_ + pad, y + l_ + l_ / 8, std::to_string(j),
                         start + j * h_ - pad);
    }
    const int middle = y + l_ / 2 + l_ / 8;
    page_.textIn(x0 + pad, middle, "NO", x0 + c1_ - pad);
    page_.textIn(x0 + c1_ + pad, middle, nameTitle_, x0 + c2_ - pad);
    page_.textIn(x0 + c2_ + pad, middle, "T", x0 + c3_ - pad);
    page_.y = y + 2 * l_;
}

void SheetFrame::row(const SheetRow& row) {
    const int x0 = page_.x0;
    const int y = page_.y;
    const int TH = page_.TH();
    const int pad = page_.pad();
    const int top = y + std::max(1, TH / 16);
    page_.textIn(x0 + pad, top, row.number, x0 + c1_ - pad);
    page_.textIn(x0 + c1_ + pad, top, fit(row.name, 20), x0 + c2_ - pad);
    page_.textIn(x0 + c2_ + pad, top, row.total, x0 + c3_ - pad);
    page_.textIn(x0 + c3_ + pad, top, row.mark, x0 + c4_ - pad);
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const int start = dayStart(i);
        for (int j = 1; j <= hours_; ++j) {
            const std::vector<std::string> lines = row.cell(days_[i], j);
            for (std::size_t k = 0; k < lines.size(); ++k)
                page_.textIn(start + (j - 1) * h_ + pad, top + static_cast<int>(k) * TH, lines[k],
                             start + j * h_ - pad);
        }
    }
    columnLines(y, y + rowHeight_, true);
    const int W = tableWidth();
    page_.line(x0, y + rowHeight_, x0 + W, y + rowHeight_);
    page_.y = y + rowHeight_;
    // The next row must fit above the foot of the page as well.
    if (page_.y + std::max(breakLines_ * TH, rowHeight_ + TH / 4) > page_.height()) {
        page_.newPage();
        page_.y = page_.dots(settings_.printTopMargin);
        header();
    }
}

} // namespace zs::print
