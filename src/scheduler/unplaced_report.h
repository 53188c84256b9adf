// "YERLEŞMEYEN DERSLER": every assigned lesson of every teacher with hours still to place.
#pragma once

#include "core/database.h"

#include <string>
#include <vector>

namespace zs::sched {

struct UnplacedRow {
    Id teacherId = 0;
    Id classId = 0;
    Id lessonId = 0;
    std::string teacherName; // Windows-1254
    std::string className;   // name, a blank, section
    std::string lessonName;
    int remaining = 0; // weekly hours less the hours placed in the class
};

struct UnplacedReport {
    std::vector<UnplacedRow> rows;
    int total = 0;
};

// Teachers in list order, each one's lessons in list order; a row per teacher lesson
// whose class still lacks hours of it, so a shared lesson shows under every teacher.
UnplacedReport unplacedReport(const Database& db);

} // namespace zs::sched
