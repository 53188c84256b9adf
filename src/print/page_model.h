// The page model shared by every printout: a family's page size and margins, the text
// units wA and TH of the current font, the running line position and the title block.
#pragma once

#include "canvas.h"
#include "core/result.h"
#include "core/settings.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zs::print {

// Timetable pages (weekly timetables, lists, duty chart) or sheet lists.
enum class Family { Timetable, Sheet };

struct FamilySettings {
    int topMargin = 0;
    int leftMargin = 0;
    int pageLength = 0;
    int pageHeight = 0;
    bool autoSize = true;
    std::string fontName; // Windows-1254, as stored
    int fontSize = 9;
};

FamilySettings familySettings(const Settings& s, Family family);

// The orientation a family is printed in until the user chooses one: sheet lists lying,
// the rest upright.
inline bool lyingByDefault(Family family) {
    return family == Family::Sheet;
}

// The stored margins and page sizes count dots of this resolution, whatever the printer:
// a dot is half a typographic point, and the default page height of 1683 dots is 297 mm,
// the long side of an A4 sheet.
inline constexpr int kReferenceDpi = 144;

// The smallest and largest font size the font choice offers.
inline constexpr int kMinFontSize = 6;
inline constexpr int kMaxFontSize = 10;

// Why a family's stored print settings cannot give a page: a negative margin, or, with the
// page size set by hand, a size of 0 or margins that leave no room on it. UTF-8; nothing
// when sound.
std::optional<std::string> printSettingsFault(const Settings& s, Family family);
// The first fault of either family.
std::optional<std::string> printSettingsFault(const Settings& s);

// The first n characters with trailing blanks removed.
std::string fit(std::string_view text, std::size_t n);

class Page {
public:
    // `date` is today's date as the system writes it short, UTF-8.
    Page(Canvas& canvas, const FamilySettings& family, std::string date);

    // Refuses a page on which the margins leave no room (checked against the real page).
    Status check() const;

    // The family's page in device units; never larger than the printable area.
    int width() const { return width_; }
    int height() const { return height_; }
    const FamilySettings& family() const { return family_; }
    // Reference dots in device units.
    int dots(int reference) const;
    int topMargin() const { return dots(family_.topMargin); }
    int leftMargin() const { return dots(family_.leftMargin); }

    // Sets the font (Windows-1254 family name) and measures wA and TH in it; both are at
    // least 1, so no layout divides by zero.
    void setFont(const std::string& family, int size, int style = kRegular);
    void setStyle(int style) { setFont(font_, size_, style); }
    void setSize(int size) { setFont(font_, size, style_); }
    const std::string& fontName() const { return font_; }
    int fontSize() const { return size_; }
    int fontStyle() const { return style_; }
    int wA() const { return wA_; }
    int TH() const { return TH_; }
    // The blank kept between a ruled line and the text beside it.
    int pad() const { return std::max(1, wA_ / 4); }
    // The printed width of a Windows-1254 text in the current font.
    int textWidth(std::string_view text);

    // Texts are Windows-1254 bytes. A text is cut where it would pass the page's right
    // edge; textIn cuts it where it would pass `right`.
    void text(int x, int y, std::string_view text);
    void textIn(int x, int y, std::string_view text, int right);
    void line(int x1, int y1, int x2, int y2);
    void newPage();
    int centre(std::string_view text, int width) const;
    // Title, date, then y += TH of the 9-point font.
    void titleBlock(std::string_view title, const std::string& fontName);

    int x0 = 0;
    int y = 0;
    int offset = 0; // 0, or half the page height for a second copy

private:
    Canvas& canvas_;
    FamilySettings family_;
    std::string date_;
    int resolution_ = kReferenceDpi;
    int width_ = 0;
    int height_ = 0;
    std::string font_;
    int size_ = 9;
    int style_ = kRegular;
    int wA_ = 1;
    int TH_ = 1;
};

// Makes the page's font a point smaller while `fits` says no, down to the smallest size
// the font choice allows.
void shrinkUntil(Page& page, const std::function<bool()>& fits);

} // namespace zs::print
