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

print::Extent FakeCanvas::extentOf(const Drawn& text) const {
    return {characters(text.text) * text.font.size, 2 * text.font.size};
}

int FakeCanvas::textCount() const {
    return static_cast<int>(std::count_if(drawn.begin(), drawn.end(),
                                          [](const Drawn& d) { return d.kind == Drawn::Text; }));
}

std::vector<std::string> FakeCanvas::overruns() const {
    std::vector<std::string> out;
    const auto where = [](const Drawn& d) {
        return " at " + std::to_string(d.x) + "," + std::to_string(d.y);
    };
    // The lines of the page being checked: a page's texts meet only its own lines.
    std::vector<const Drawn*> lines;
    const auto checkPage = [&](std::size_t from, std::size_t to) {
        lines.clear();
        for (std::size_t i = from; i < to; ++i)
            if (drawn[i].kind == Drawn::Line) lines.push_back(&drawn[i]);
        for (std::size_t i = from; i < to; ++i) {
            const Drawn& d = drawn[i];
            if (d.kind == Drawn::Line) {
                if (std::min(d.x, d.x2) < 0 || std::max(d.x, d.x2) > width_ ||
                    std::min(d.y, d.y2) < 0 || std::max(d.y, d.y2) > height_)
                    out.push_back("line off the page" + where(d));
                continue;
            }
            const print::Extent e = extentOf(d);
            const int left = d.x, right = d.x + e.width, top = d.y, bottom = d.y + e.height;
            if (left < 0 || right > width_ || top < 0 || bottom > height_)
                out.push_back("'" + d.text + "' off the page" + where(d));
            for (const Drawn* l : lines) {
                const bool vertical = l->x == l->x2;
                const bool crosses =
                    vertical ? left <= l->x && l->x <= right && std::min(l->y, l->y2) < bottom &&
                                   top < std::max(l->y, l->y2)
                             : top <= l->y && l->y <= bottom && std::min(l->x, l->x2) < right &&
                                   left < std::max(l->x, l->x2);
                if (crosses) {
                    out.push_back("'" + d.text + "' on a line" + where(d));
                    break;
                }
            }
        }
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i <= drawn.size(); ++i)
        if (i == drawn.size() || drawn[i].kind == Drawn::Page) {
            checkPage(start, i);
            start = i + 1;
        }
    return out;
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
