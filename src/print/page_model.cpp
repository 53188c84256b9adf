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

std::optional<std::string> printSettingsFault(const Settings& s, Family family) {
    const FamilySettings f = familySettings(s, family);
    const std::string name = family == Family::Sheet ? "ÇARŞAF LİSTE" : "DERS PROGRAMI";
    if (f.topMargin < 0 || f.leftMargin < 0) return name + ": boşluklar 0 dan küçük olamaz.";
    // With the size taken from the printer, the margins are checked against the real page.
    if (f.autoSize) return std::nullopt;
    if (f.pageLength <= 0 || f.pageHeight <= 0)
        return name + ": sayfa uzunluğu ve yüksekliği 0 dan büyük olmalıdır.";
    // Either orientation must leave room.
    const long shorter = std::min(f.pageLength, f.pageHeight);
    if (2L * f.leftMargin >= shorter || f.topMargin >= shorter)
        return name + ": boşluklar sayfada yer bırakmıyor.";
    return std::nullopt;
}

std::optional<std::string> printSettingsFault(const Settings& s) {
    if (auto f = printSettingsFault(s, Family::Timetable)) return f;
    return printSettingsFault(s, Family::Sheet);
}

std::string fit(std::string_view text, std::size_t n) {
    std::string out(text.substr(0, std::min(n, text.size())));
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

Page::Page(Canvas& canvas, const FamilySettings& family, std::string date)
    : canvas_(canvas), family_(family), date_(std::move(date)),
      resolution_(std::max(1, canvas.resolution())) {
    width_ = canvas_.pageWidth();
    height_ = canvas_.pageHeight();
    if (!family_.autoSize) {
        const bool lying = canvas_.landscape();
        width_ = std::min(width_, dots(lying ? family_.pageHeight : family_.pageLength));
        height_ = std::min(height_, dots(lying ? family_.pageLength : family_.pageHeight));
    }
    x0 = leftMargin();
    y = topMargin();
    setFont(family_.fontName, family_.fontSize);
}

int Page::dots(int reference) const {
    return static_cast<int>(static_cast<long long>(reference) * resolution_ / kReferenceDpi);
}

Status Page::check() const {
    if (family_.topMargin < 0 || family_.leftMargin < 0 || width_ <= 2 * x0 ||
        height_ <= topMargin())
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

int Page::textWidth(std::string_view text) {
    return text.empty() ? 0 : canvas_.textExtent(cp1254::toUtf8(text)).width;
}

void Page::text(int x, int yPos, std::string_view text) {
    textIn(x, yPos, text, width_);
}

void Page::textIn(int x, int yPos, std::string_view text, int right) {
    std::string shown(text);
    while (!shown.empty() && x + textWidth(shown) > right) shown.pop_back();
    while (!shown.empty() && shown.back() == ' ') shown.pop_back();
    if (shown.empty()) return;
    canvas_.text(x, yPos, cp1254::toUtf8(shown));
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
    text(std::max(0, centre(title, width_)), y, title);
    setFont(fontName, 9, kRegular);
    canvas_.text(std::max(0, width_ - 24 * wA_), y + TH_ / 8, "Tarih : " + date_);
    y += TH_;
}

void shrinkUntil(Page& page, const std::function<bool()>& fits) {
    while (!fits() && page.fontSize() > kMinFontSize) page.setSize(page.fontSize() - 1);
}

} // namespace zs::print
