// The drawing surface every printout is drawn on: fonts, text, its extent, lines and pages.
// Coordinates are device units with the origin at the top left of the printable page.
#pragma once

#include <string>
#include <string_view>

namespace zs::print {

enum FontStyle : int { kRegular = 0, kBold = 1, kUnderline = 2 };

struct Font {
    std::string family; // as stored in the settings, UTF-8
    int size = 9;       // points
    int style = kRegular;
};

struct Extent {
    int width = 0;
    int height = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void setFont(const Font& font) = 0;
    // Texts are UTF-8; the top-left corner of the text lies at (x, y).
    virtual Extent textExtent(std::string_view text) = 0;
    virtual void text(int x, int y, std::string_view text) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    virtual void newPage() = 0;
    // The printer's page in device units, and whether it lies in landscape.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual bool landscape() const = 0;
    // Device units per inch.
    virtual int resolution() const = 0;
};

} // namespace zs::print
