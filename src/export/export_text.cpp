#include "export_text.h"

#include "core/cp1254.h"

namespace zs::exporting {

namespace {

void append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Control characters (the code page's unused bytes among them) stand in no exported file.
bool shown(char32_t cp) {
    return cp >= 0x20 && !(cp >= 0x7F && cp < 0xA0);
}

template <class Escape> std::string converted(std::string_view codePage, Escape escape) {
    std::string out;
    out.reserve(codePage.size());
    for (char c : codePage) {
        const char32_t cp = cp1254::toCodePoint(static_cast<unsigned char>(c));
        if (!shown(cp)) continue;
        if (const char* e = escape(cp)) {
            out += e;
            continue;
        }
        append(out, cp);
    }
    return out;
}

} // namespace

std::string utf8(std::string_view codePage) {
    return converted(codePage, [](char32_t) -> const char* { return nullptr; });
}

std::string html(std::string_view codePage) {
    return converted(codePage, [](char32_t cp) -> const char* {
        switch (cp) {
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '"':
            return "&quot;";
        case '\'':
            return "&#39;";
        default:
            return nullptr;
        }
    });
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i) out += separator;
        out += parts[i];
    }
    return out;
}

} // namespace zs::exporting
