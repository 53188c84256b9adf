#include "class_capacity.h"

#include <algorithm>

namespace zs {

int classCapacity(const ClassTimetable& grid) {
    int capacity = 0;
    for (int d = 0; d < kDays; ++d) {
        const int first = grid.firstHour[d];
        const int last = grid.lastHour[d];
        if (last < first) continue;
        capacity += last - first + 1;
        if (first == 0 || last == 0) continue;
        // Hours past 16 lie outside the grid; only a damaged file holds them.
        for (int h = first; h <= std::min(last, kHoursPerDay); ++h) {
            const int i = slotOf(d + 1, h) - 1;
            if (grid.planes[kOpenPlane][i] == 0 && grid.planes[kOccupantPlane][i] == 0) --capacity;
        }
    }
    return capacity;
}

int classCapacity(const Database& db, Id classId) {
    const ClassTimetable* grid = db.classTimetables.find(classId);
    return grid ? classCapacity(*grid) : 0;
}

} // namespace zs
