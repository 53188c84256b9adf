// A canvas of a fixed-pitch font that records what is drawn: a character is as wide as
// the font's point size and twice as high, on a page of the reference resolution unless
// told otherwise.
#pragma once

#include "print/canvas.h"
#include "print/page_model.h"

#include <string>
#include <vector>

namespace zs::test {

struct Drawn {
    enum Kind { Text, Line, Page } kind = Text;
    int x = 0, y = 0, x2 = 0, y2 = 0;
    std::string text; // UTF-8
    print::Font font;
};

class FakeCanvas : public print::Canvas {
public:
    explicit FakeCanvas(int width = 1000, int height = 1400) : width_(width), height_(height) {}

    void setFont(const print::Font& font) override { font_ = font; }
    print::Extent textExtent(std::string_view text) override;
    void text(int x, int y, std::string_view text) override;
    void line(int x1, int y1, int x2, int y2) override;
    void newPage() override { drawn.push_back({Drawn::Page, 0, 0, 0, 0, {}, font_}); }
    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    bool landscape() const override { return landscape_; }
    int resolution() const override { return resolution_; }

    // The texts equal to `text`, in drawing order.
    std::vector<Drawn> texts(const std::string& text) const;
    // Whether some drawn text starts with `prefix`.
    bool hasTextStarting(const std::string& prefix) const;
    int pages() const; // new pages started
    // Vertical lines exactly `length` long.
    int verticalLines(int length) const;

    // What a drawn text covers, measured as textExtent measures it.
    print::Extent extentOf(const Drawn& text) const;
    // Texts that touch or cross a ruled line, or pass the page's edge, and lines that pass
    // it: one description each.
    std::vector<std::string> overruns() const;
    int textCount() const;

    std::vector<Drawn> drawn;
    bool landscape_ = false;
    int resolution_ = print::kReferenceDpi;

private:
    int width_;
    int height_;
    print::Font font_;
};

} // namespace zs::test
