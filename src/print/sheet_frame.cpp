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
    rowHeight_ = rowLines_ <= 1 ? 3 * (TH / 2) : rowLines_ == 2 ? 2 * TH : rowLines_ * TH + TH / 4;
}

int SheetFrame::tableWidth() const {
    return c4_ + static_cast<int>(days_.size()) * hours_ * h_;
}

void SheetFrame::startTable(std::vector<int> days, int hours) {
    days_ = std::move(days);
    hours_ = hours;
    measure(settings_.sheetFontSize);
    while (page_.x0 + tableWidth() > page_.width() - page_.x0 && size_ > kMinFontSize)
        measure(size_ - 1);
    page_.y += l_;
    header();
}

void SheetFrame::columnLines(int top, int bottom, bool hourLines) {
    const int x0 = page_.x0;
    for (int c : {0, c1_, c2_, c3_, c4_}) page_.line(x0 + c, top, x0 + c, bottom);
    const int doubled = std::max(1, page_.wA() / 6);
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const int start = x0 + c4_ + static_cast<int>(i) * hours_ * h_;
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
    const int wA = page_.wA();
    const int W = tableWidth();
    page_.line(x0, y, x0 + W, y);
    page_.line(x0 + c4_, y + l_, x0 + W, y + l_);
    page_.line(x0, y + 2 * l_, x0 + W, y + 2 * l_);
    columnLines(y, y + 2 * l_, false);
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const int start = x0 + c4_ + static_cast<int>(i) * hours_ * h_;
        for (int j = 1; j < hours_; ++j)
            page_.line(start + j * h_, y + l_, start + j * h_, y + 2 * l_);
        page_.setStyle(kBold);
        const std::string& name = dayName(days_[i]);
        page_.text(start + std::max(0, page_.centre(name, hours_ * h_)), y + l_ / 8, name);
        page_.setStyle(kRegular);
        for (int j = 1; j <= hours_; ++j)
            page_.text(start + (j - 1) * h_ + wA / 4, y + l_ + l_ / 8, std::to_string(j));
    }
    const int middle = y + l_ / 2 + l_ / 8;
    page_.text(x0 + wA / 4, middle, "NO");
    page_.text(x0 + c1_ + wA / 4, middle, nameTitle_);
    page_.text(x0 + c2_ + wA / 4, middle, "T");
    page_.y = y + 2 * l_;
}

void SheetFrame::row(const SheetRow& row) {
    const int x0 = page_.x0;
    const int y = page_.y;
    const int wA = page_.wA();
    const int TH = page_.TH();
    const int top = y + TH / 16;
    page_.text(x0 + wA / 4, top, row.number);
    page_.text(x0 + c1_ + wA / 4, top, fit(row.name, 20));
    page_.text(x0 + c2_ + wA / 4, top, row.total);
    page_.text(x0 + c3_ + wA / 4, top, row.mark);
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const int start = x0 + c4_ + static_cast<int>(i) * hours_ * h_;
        for (int j = 1; j <= hours_; ++j) {
            const std::vector<std::string> lines = row.cell(days_[i], j);
            for (std::size_t k = 0; k < lines.size(); ++k)
                page_.text(start + (j - 1) * h_ + wA / 4, top + static_cast<int>(k) * TH, lines[k]);
        }
    }
    columnLines(y, y + rowHeight_, true);
    const int W = tableWidth();
    page_.line(x0, y + rowHeight_, x0 + W, y + rowHeight_);
    page_.y = y + rowHeight_;
    if (page_.y + breakLines_ * TH > page_.height()) {
        page_.newPage();
        page_.y = settings_.printTopMargin;
        header();
    }
}

} // namespace zs::print
