#include "page_model.h"

#include "core/cp1254.h"

#include <algorithm>

namespace zs::print {

FamilySettings familySettings(const Settings& s, Family family) {
    if (family == Family::Sheet)
        return {s.sheetTopMargin,     s.sheetLeftMargin, s.sheetPageLength, s.sheetPageHeight,
                s.sheetAutoSize != 0, s.sheetFontName,   s.sheetFontSize};
    return {s.printTopMargin,     s.printLeftMargin, s.printPageLength, s.printPageHeight,
            s.printAutoSize != 0, s.printFontName,   s.printFontSize};
}

namespace {

std::optional<std::string> familyFault(const FamilySettings& f, std::string_view name) {
    const std::string family(name);
    if (f.topMargin <= 0 || f.leftMargin <= 0) return family + ": boşluklar 0 dan büyük olmalıdır.";
    if (f.pageLength <= 0 || f.pageHeight <= 0)
        return family + ": sayfa uzunluğu ve yüksekliği 0 dan büyük olmalıdır.";
    if (2 * static_cast<long>(f.leftMargin) >= f.pageLength || f.topMargin >= f.pageHeight)
        return family + ": boşluklar sayfada yer bırakmıyor.";
    return std::nullopt;
}

} // namespace

std::optional<std::string> printSettingsFault(const Settings& s) {
    if (auto f = familyFault(familySettings(s, Family::Timetable), "DERS PROGRAMI")) return f;
    return familyFault(familySettings(s, Family::Sheet), "ÇARŞAF LİSTE");
}

std::string fit(std::string_view text, std::size_t n) {
    std::string out(text.substr(0, std::min(n, text.size())));
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

Page::Page(Canvas& canvas, const FamilySettings& family, std::string date)
    : canvas_(canvas), family_(family), date_(std::move(date)) {
    if (family_.autoSize) {
        width_ = canvas_.pageWidth();
        height_ = canvas_.pageHeight();
    } else {
        width_ = canvas_.landscape() ? family_.pageHeight : family_.pageLength;
        height_ = canvas_.landscape() ? family_.pageLength : family_.pageHeight;
    }
    x0 = family_.leftMargin;
    y = family_.topMargin;
    setFont(family_.fontName, family_.fontSize);
}

Status Page::check() const {
    if (family_.topMargin <= 0 || family_.leftMargin <= 0 || width_ <= 2 * x0 ||
        height_ <= family_.topMargin)
        return Error{"Yazıcı ayarlarındaki boşluklar sayfada yer bırakmıyor.", {}};
    return success();
}

void Page::setFont(const std::string& family, int size, int style) {
    font_ = family;
    size_ = size;
    style_ = style;
    canvas_.setFont({cp1254::toUtf8(family), size, style});
    const Extent a = canvas_.textExtent("A");
    wA_ = std::max(1, a.width);
    TH_ = std::max(1, a.height);
}

void Page::text(int x, int yPos, std::string_view text) {
    if (text.empty()) return;
    canvas_.text(x, yPos, cp1254::toUtf8(text));
}

void Page::line(int x1, int y1, int x2, int y2) {
    canvas_.line(x1, y1, x2, y2);
}

void Page::newPage() {
    canvas_.newPage();
}

int Page::centre(std::string_view text, int width) const {
    return (width - static_cast<int>(text.size()) * wA_) / 2;
}

void Page::titleBlock(std::string_view title, const std::string& fontName) {
    setFont(fontName, 12, kBold);
    text(centre(title, width_), y, title);
    setFont(fontName, 9, kRegular);
    canvas_.text(width_ - 24 * wA_, y + TH_ / 8, "Tarih : " + date_);
    y += TH_;
}

} // namespace zs::print
