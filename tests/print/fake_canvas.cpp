#include "fake_canvas.h"

#include <algorithm>

namespace zs::test {

namespace {

int characters(std::string_view utf8) {
    return static_cast<int>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

print::Extent FakeCanvas::textExtent(std::string_view text) {
    return {characters(text) * font_.size, 2 * font_.size};
}

void FakeCanvas::text(int x, int y, std::string_view text) {
    drawn.push_back({Drawn::Text, x, y, 0, 0, std::string(text), font_});
}

void FakeCanvas::line(int x1, int y1, int x2, int y2) {
    drawn.push_back({Drawn::Line, x1, y1, x2, y2, {}, font_});
}

std::vector<Drawn> FakeCanvas::texts(const std::string& text) const {
    std::vector<Drawn> out;
    for (const Drawn& d : drawn)
        if (d.kind == Drawn::Text && d.text == text) out.push_back(d);
    return out;
}

bool FakeCanvas::hasTextStarting(const std::string& prefix) const {
    return std::any_of(drawn.begin(), drawn.end(), [&](const Drawn& d) {
        return d.kind == Drawn::Text && d.text.rfind(prefix, 0) == 0;
    });
}

int FakeCanvas::pages() const {
    return static_cast<int>(std::count_if(drawn.begin(), drawn.end(),
                                          [](const Drawn& d) { return d.kind == Drawn::Page; }));
}

int FakeCanvas::verticalLines(int length) const {
    return static_cast<int>(std::count_if(drawn.begin(), drawn.end(), [&](const Drawn& d) {
        return d.kind == Drawn::Line && d.x == d.x2 && d.y2 - d.y == length;
    }));
}

} // namespace zs::test
