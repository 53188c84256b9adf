// The page model shared by every printout: a family's page size and margins, the text
// units wA and TH of the current font, the running line position and the title block.
#pragma once

#include "canvas.h"
#include "core/result.h"
#include "core/settings.h"

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

// The smallest and largest font size the font choice offers.
inline constexpr int kMinFontSize = 6;
inline constexpr int kMaxFontSize = 10;

// Why the stored print settings cannot give a page: a margin or size of 0 or less, or
// margins that leave no room on the stored page. UTF-8; nothing when sound.
std::optional<std::string> printSettingsFault(const Settings& s);

// The first n characters with trailing blanks removed.
std::string fit(std::string_view text, std::size_t n);

class Page {
public:
    // `date` is today's date as the system writes it short, UTF-8.
    Page(Canvas& canvas, const FamilySettings& family, std::string date);

    // Refuses a page on which the margins leave no room (checked against the real page).
    Status check() const;

    int width() const { return width_; }
    int height() const { return height_; }
    const FamilySettings& family() const { return family_; }

    // Sets the font (Windows-1254 family name) and measures wA and TH in it; both are at
    // least 1, so no layout divides by zero.
    void setFont(const std::string& family, int size, int style = kRegular);
    void setStyle(int style) { setFont(font_, size_, style); }
    void setSize(int size) { setFont(font_, size, style_); }
    int fontSize() const { return size_; }
    int wA() const { return wA_; }
    int TH() const { return TH_; }

    // Texts are Windows-1254 bytes.
    void text(int x, int y, std::string_view text);
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
    int width_ = 0;
    int height_ = 0;
    std::string font_;
    int size_ = 9;
    int style_ = kRegular;
    int wA_ = 1;
    int TH_ = 1;
};

} // namespace zs::print
