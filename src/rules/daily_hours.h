// A class's first and last lesson hour of each weekday, and the morning/afternoon split.
#pragma once

#include "core/database.h"

#include <array>

namespace zs {

// The hours first..last of one day; empty (first = last = 0) for a day without lessons.
struct DayWindow {
    int first = 0;
    int last = 0;
    bool empty() const { return first == 0; }
    bool contains(int hour) const { return !empty() && hour >= first && hour <= last; }
    int hours() const { return empty() ? 0 : last - first + 1; }
};

// An hour above 16 and a first hour after the last are refused (so 3 with 0 is refused);
// 0 as the first hour, or in both, is a day without lessons.
inline bool validDailyHours(u8 firstHour, u8 lastHour) {
    return firstHour <= kHoursPerDay && lastHour <= kHoursPerDay && firstHour <= lastHour;
}

// A stored pair may be refused by validDailyHours; such a pair is read as a day
// without lessons, so no walk ever leaves the 16 hours of a day. Inline: the search asks
// it for every day of every attempt.
inline DayWindow dayWindow(const ClassTimetable& grid, int day) {
    if (day < 1 || day > kDays) return {};
    const u8 first = grid.firstHour[std::size_t(day - 1)];
    const u8 last = grid.lastHour[std::size_t(day - 1)];
    if (first == 0 || last == 0 || !validDailyHours(first, last)) return {};
    return {first, last};
}

// Stores the ten values of a class's week, or none of them when any day is refused.
bool setDailyHours(ClassTimetable& grid, const std::array<u8, kDays>& firstHour,
                   const std::array<u8, kDays>& lastHour);

// An afternoon class starts Monday at hour 4 or later.
inline constexpr int kAfternoonFirstHour = 4;
bool isAfternoonClass(const ClassTimetable& grid);
// A class without a timetable record counts as a morning class.
bool isAfternoonClass(const Database& db, Id classId);

} // namespace zs
