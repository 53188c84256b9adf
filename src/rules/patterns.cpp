#include "patterns.h"

#include "core/text.h"
#include "placement.h"
#include "slots.h"

#include <algorithm>
#include <array>

namespace zs {

namespace {

constexpr std::size_t kWalkLimit = 20; // characters of the typed text looked at

// A decimal number of 1..3 digits, 0..255; anything else is not an entry.
bool readEntry(std::string_view digits, int& value) {
    if (digits.empty() || digits.size() > 3) return false;
    value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= 255;
}

} // namespace

ParsedPattern parsePattern(int weeklyHours, std::string_view text) {
    const std::string s = std::string(text) + "+-";
    ParsedPattern out;
    std::string digits;
    int count = 0;
    int sum = 0;
    const std::size_t walk = std::min(s.size(), kWalkLimit);
    for (std::size_t i = 0; i < walk; ++i) {
        const char c = s[i];
        if (c == '-') break;
        if (c == '+' && i + 1 < s.size() && s[i + 1] == '+') break;
        if (c != '+') {
            digits += c;
            continue;
        }
        int value = 0;
        if (count == kPatternSize || !readEntry(digits, value)) return {};
        out.pattern[count++] = static_cast<u8>(value);
        sum += value;
        digits.clear();
    }
    for (int k = 1; k < kPatternSize; ++k)
        if (out.pattern[k - 1] < out.pattern[k]) return {};
    out.valid = sum == weeklyHours;
    if (!out.valid) out.pattern = {};
    return out;
}

std::string formatPattern(const Pattern& pattern) {
    return patternText(pattern);
}

std::vector<int> missingBlocks(const Database& db, Id classId, Id lessonId) {
    std::vector<int> missing;
    const Lesson* lesson = db.lessons.find(lessonId);
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    const ClassTimetable* grid = db.classTimetables.find(classId);
    if (!lesson || !cl || !grid) return missing;
    // Signed: a lesson whose hours were lowered below those placed has nothing left.
    int remaining = int(lesson->weeklyHours) - placedCount(*grid, lessonId);
    if (remaining <= 1) {
        if (remaining == 1) missing.push_back(1);
        return missing;
    }
    const Plane& occupants = grid->planes[kOccupantPlane];
    std::array<bool, kSlots + 1> used{};
    // Consecutive hours holding the lesson from `slot`, never past the end of its day.
    auto runFrom = [&](int slot) {
        const int dayEnd = lastSlotOfDay(dayOf(slot));
        int n = 0;
        while (slot + n <= dayEnd && occupants[slotIndex(slot + n)] == lessonId) ++n;
        return n;
    };
    for (u8 p : cl->pattern) {
        if (p == 0) continue;
        bool found = false;
        for (int s = 1; s <= kSlots && !found; ++s) {
            if (used[s] || occupants[slotIndex(s)] != lessonId || runFrom(s) != p) continue;
            for (int k = 0; k < p; ++k) used[s + k] = true;
            found = true;
        }
        if (found) continue;
        missing.push_back(std::min<int>(p, remaining));
        remaining -= missing.back();
        if (remaining <= 0) break;
    }
    return missing;
}

int nextBlock(const Database& db, Id classId, Id lessonId) {
    const std::vector<int> missing = missingBlocks(db, classId, lessonId);
    return missing.empty() ? 0 : missing.front();
}

} // namespace zs
