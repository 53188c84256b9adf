#include "text.h"

#include "cp1254.h"

#include <array>

namespace zs {

char upperTurkish(char c) {
    const auto b = static_cast<unsigned char>(c);
    switch (b) {
    case 'i':
        return static_cast<char>(0xDD); // İ
    case 0xFD:
        return 'I'; // ı
    case 0xE7:
        return static_cast<char>(0xC7); // ç
    case 0xF0:
        return static_cast<char>(0xD0); // ğ
    case 0xF6:
        return static_cast<char>(0xD6); // ö
    case 0xFC:
        return static_cast<char>(0xDC); // ü
    case 0xFE:
        return static_cast<char>(0xDE); // ş
    default:
        break;
    }
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 'a' + 'A');
    return c;
}

std::string upperTurkish(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = upperTurkish(c);
    return out;
}

std::string sortKey(std::string_view s) {
    std::string key;
    key.reserve(s.size() * 3);
    for (char c : s) {
        switch (static_cast<unsigned char>(c)) {
        case 0xC7:
            key += "135";
            break; // Ç
        case 0xD0:
            key += "143";
            break; // Ğ
        case 0xDD:
            key += "147";
            break; // İ
        case 0xD6:
            key += "159";
            break; // Ö
        case 0xDE:
            key += "167";
            break; // Ş
        case 0xDC:
            key += "171";
            break; // Ü
        default:
            key += std::to_string(2 * static_cast<unsigned char>(c));
            break;
        }
    }
    return key;
}

std::string pad3(int n) {
    std::string s = std::to_string(n);
    while (s.size() < 3) s.insert(s.begin(), '0');
    return s;
}

std::string patternText(const Pattern& pattern) {
    std::string out;
    for (u8 p : pattern) {
        if (p == 0) continue;
        if (!out.empty()) out += '+';
        out += std::to_string(p);
    }
    return out;
}

int patternBlockCount(const Pattern& pattern) {
    int n = 0;
    for (u8 p : pattern) n += p != 0;
    return n;
}

int patternSum(const Pattern& pattern) {
    int n = 0;
    for (u8 p : pattern) n += p;
    return n;
}

namespace {
using Names = std::array<std::string, 8>;
Names makeNames(std::array<const char*, 7> utf8) {
    Names n;
    for (int d = 1; d <= 7; ++d) n[d] = cp1254::lit(utf8[d - 1]);
    return n;
}
const std::string& pick(const Names& names, int day) {
    static const std::string none;
    return day >= 1 && day <= 7 ? names[day] : none;
}
} // namespace

const std::string& dayName(int day) {
    static const Names names =
        makeNames({"PAZARTESİ", "SALI", "ÇARŞAMBA", "PERŞEMBE", "CUMA", "CUMARTESİ", "PAZAR"});
    return pick(names, day);
}

const std::string& dayShortName(int day) {
    static const Names names = makeNames({"PZT.", "SALI", "ÇAR.", "PER.", "CUMA", "CMT.", "PAZ."});
    return pick(names, day);
}

const std::string& dayPrintName(int day) {
    static const Names names = makeNames({"PZT.", "SAL.", "ÇAR.", "PER.", "CUM.", "CMT.", "PAZ."});
    return pick(names, day);
}

std::string yesNoText(u8 value) {
    return value ? "E" : "H";
}
u8 yesNoValue(std::string_view text) {
    return text == "H" ? 0 : 1;
}

std::string cut(std::string_view s, std::size_t capacity) {
    return std::string(s.substr(0, capacity));
}

} // namespace zs
