// The grids that hold one hour of a class lesson: each teacher's, each room's, and the
// class's own, or every member class's when the class lesson is in a common group.
#pragma once

#include "core/database.h"

#include <array>
#include <cstdint>

namespace zs {

// A class grid and the lesson it holds for this class lesson (a member's own lesson).
struct ClassCell {
    std::int16_t grid = -1; // position in db.classTimetables, -1 when the class has none
    Id classId = 0;
    Id lessonId = 0;
};

// Table positions, valid until the next change to the tables themselves (not the grids).
// Teachers and rooms without a timetable record are left out, as are repeated ones.
struct GridsConcerned {
    bool classLessonFound = false;
    int teacherCount = 0;
    std::array<std::int16_t, kMaxTeachersPerClassLesson> teachers{};
    int roomCount = 0;
    std::array<std::int16_t, kMaxRoomsPerClassLesson> rooms{};
    int classCount = 0; // the class itself comes first
    std::array<ClassCell, kMaxGroupMembers + 1> classes{};

    // Whether a teacher or room cell holding this class belongs to the class lesson:
    // for a common group the cell names the member class through which it was placed.
    bool holds(Id occupant) const {
        for (int i = 0; i < classCount; ++i)
            if (classes[i].classId == occupant) return true;
        return false;
    }
};

GridsConcerned gridsConcerned(const Database& db, Id classId, Id lessonId);

} // namespace zs
