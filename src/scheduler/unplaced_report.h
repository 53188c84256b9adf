// "YERLEŞMEYEN DERSLER": every assigned lesson of every teacher with hours still to place.
#pragma once

#include "core/database.h"

#include <string>
#include <vector>

namespace zs::sched {

struct UnplacedRow {
    Id teacherId = 0; // 0: the class lesson has no teacher yet
    Id classId = 0;
    Id lessonId = 0;
    std::string teacherName; // Windows-1254
    std::string className;   // name, a blank, section
    std::string lessonName;
    int remaining = 0; // weekly hours less the hours placed in the class
};

struct UnplacedReport {
    std::vector<UnplacedRow> rows;
    // The hours of class lessons still to place, a common lesson once: a lesson of two
    // teachers shows under both, but counts once, as in a run's closing message; then the
    // hours of the class lessons without a teacher, which a run cannot place.
    int total = 0;
    // What no search can place, from the check a run makes first (Windows-1254 lines).
    std::vector<std::string> impossible;
};

// Whether a run places the class lesson as it stands: it has a teacher, and it is not a
// common lesson's later member, which is placed (and counted) with the first.
bool placedAsUnit(const Database& db, const ClassLesson& cl);

// Weekly hours less the hours placed, over the class lessons placed as a unit.
int unplacedClassHours(const Database& db);

// Teachers in list order, each one's lessons in list order; a row per teacher lesson
// whose class still lacks hours of it, so a shared lesson shows under every teacher.
// Then the class lessons no teacher holds, in table order, so that hours nobody can place
// count in the total too.
UnplacedReport unplacedReport(const Database& db);

// The teacher column of a class lesson without a teacher, Windows-1254.
const std::string& noTeacherText();

} // namespace zs::sched
