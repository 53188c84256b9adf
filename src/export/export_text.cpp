#include "export_text.h"

#include "core/cp1254.h"

namespace zs::exporting {

namespace {

// Control characters (the code page's unused bytes among them) stand in no exported file.
std::string shownBytes(std::string_view codePage) {
    std::string out;
    out.reserve(codePage.size());
    for (char c : codePage) {
        const char32_t cp = cp1254::toCodePoint(static_cast<unsigned char>(c));
        if (cp >= 0x20 && !(cp >= 0x7F && cp < 0xA0)) out += c;
    }
    return out;
}

} // namespace

std::string utf8(std::string_view codePage) {
    return cp1254::toUtf8(shownBytes(codePage));
}

// The five characters are the same bytes in the code page as in ASCII.
std::string html(std::string_view codePage) {
    std::string escaped;
    for (char c : shownBytes(codePage)) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return cp1254::toUtf8(escaped);
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
