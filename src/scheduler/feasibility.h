// What no search can place, found before a run: a teacher whose hours exceed what the
// open cells, the daily maximum and the fixed hours of the classes leave; a class whose
// hours exceed its open cells; a room needed for more hours than its open cells can take
// within its classes' days; a lesson with more blocks than the days it may take; a
// block longer than any run of hours open in its classes, teachers and rooms at once. Each
// finding names who and gives the arithmetic.
#pragma once

#include "core/database.h"

#include <array>
#include <string>
#include <vector>

namespace zs::sched {

struct Infeasible {
    enum class Kind { TeacherHours, ClassHours, LessonBlocks, BlockLength, RoomHours } kind{};
    Id teacherId = 0;
    Id classId = 0;
    Id lessonId = 0;
    int longestRun = 0; // of a block too long: the longest run open in all its grids
    std::string text;   // Windows-1254, one line
};

struct Feasibility {
    std::vector<Infeasible> findings;
    // The most hours each teacher can hold (-1: not limited below its hours).
    std::array<int, 256> teacherCapacity{};
    // The most hours each room can hold of the lessons that need it (-1: not limited below).
    std::array<int, 256> roomCapacity{};
    bool impossibleBlock(Id classId, Id lessonId) const;
};

// Reads the teachers' prepared values (day windows, daily maximum in force) and the
// grids as they are, so it belongs after the preparation and the guidance lessons.
Feasibility checkFeasibility(const Database& db);

// The findings' lines for a school as it stands, its teachers prepared on a copy from the
// settings in memory: what YERLEŞMEYEN DERSLER shows above its list.
std::vector<std::string> impossibleNow(const Database& db);

// The check that needs no preparation: a teacher with more weekly hours than open cells
// within the day windows of the classes taught. One line per teacher, Windows-1254.
std::vector<std::string> teachersOverOpenCells(const Database& db);

} // namespace zs::sched
