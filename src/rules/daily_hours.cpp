#include "daily_hours.h"

#include "slots.h"

namespace zs {

bool validDailyHours(u8 firstHour, u8 lastHour) {
    return firstHour <= kHoursPerDay && lastHour <= kHoursPerDay && firstHour <= lastHour;
}

DayWindow dayWindow(const ClassTimetable& grid, int day) {
    if (!validDay(day)) return {};
    const u8 first = grid.firstHour[day - 1];
    const u8 last = grid.lastHour[day - 1];
    if (first == 0 || last == 0 || !validDailyHours(first, last)) return {};
    return {first, last};
}

bool setDailyHours(ClassTimetable& grid, const std::array<u8, kDays>& firstHour,
                   const std::array<u8, kDays>& lastHour) {
    for (int d = 0; d < kDays; ++d)
        if (!validDailyHours(firstHour[d], lastHour[d])) return false;
    grid.firstHour = firstHour;
    grid.lastHour = lastHour;
    return true;
}

bool isAfternoonClass(const ClassTimetable& grid) {
    return grid.firstHour[0] >= kAfternoonFirstHour;
}

bool isAfternoonClass(const Database& db, Id classId) {
    const ClassTimetable* grid = db.classTimetables.find(classId);
    return grid && isAfternoonClass(*grid);
}

} // namespace zs
