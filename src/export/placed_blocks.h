// The placed blocks of the timetable as the exports list them: a run of consecutive hours
// of one day in which a class holds one lesson, read from the occupant planes.
#pragma once

#include "core/database.h"

#include <string>
#include <vector>

namespace zs::exporting {

struct PlacedBlock {
    Id classId = 0;
    Id lessonId = 0;
    int day = 1;       // 1..5
    int firstHour = 1; // 1..16
    int hours = 1;
    bool locked = false;
};

// A class's blocks, day by day and hour by hour.
std::vector<PlacedBlock> classBlocks(const Database& db, Id classId);
// A teacher's blocks: where the class or the class's lesson changes, a new block starts.
std::vector<PlacedBlock> teacherBlocks(const Database& db, Id teacherId);
// Any hour placed in any class.
bool anyPlacedHour(const Database& db);

// The block's teachers and rooms from its class lesson, in their order (Windows-1254).
std::vector<std::string> blockTeachers(const Database& db, const PlacedBlock& block);
std::vector<std::string> blockRooms(const Database& db, const PlacedBlock& block);

} // namespace zs::exporting
