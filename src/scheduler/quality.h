// The figures an officer judges a timetable by: the teachers' gaps and who is over the
// gap limits in force, teacher-days over the daily maximum, class lessons with two
// blocks on one day, building changes without a free hour between. They read the rule
// values in force from the prepared teacher records.
#pragma once

#include "core/database.h"

#include <string>

namespace zs::sched {

// One teacher against the rules in force.
struct TeacherQuality {
    int gaps = 0;          // empty open hours between two of its lessons
    int gapsOverLimit = 0; // beyond the weekly (or per-day) number allowed
    int longGaps = 0;      // hours beyond the longest gap allowed between two lessons
    int hoursOverMax = 0;  // hours beyond the daily maximum, summed over the days
    int daysOverMax = 0;
    int buildingChanges = 0; // lessons in two buildings with no free hour between
    bool overGapLimit() const { return gapsOverLimit > 0 || longGaps > 0; }
};

TeacherQuality teacherQuality(const Database& db, const TeacherTimetable& tt);

// Days on which the class holds one lesson in more than one block.
int sameDayBlocks(const ClassTimetable& ct);

struct Quality {
    int gaps = 0;
    int teachersOverGapLimit = 0;
    int teacherDaysOverMax = 0;
    int sameDayBlocks = 0;
    int buildingChanges = 0;
};

Quality measureQuality(const Database& db);

// One line of the figures, Windows-1254.
std::string qualityLine(const Quality& q);

} // namespace zs::sched
