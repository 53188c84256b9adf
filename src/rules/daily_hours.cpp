#include "daily_hours.h"

#include "slots.h"

namespace zs {

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
