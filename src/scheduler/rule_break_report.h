// "KURAL İHLALLERİ": every break of a rule in force in the timetables as they stand, with
// whom it concerns, the day and the hours.
#pragma once

#include "core/database.h"
#include "rules/rule_breaks.h"

#include <string>
#include <vector>

namespace zs::sched {

struct RuleBreakRow {
    RuleBreak at;
    std::string ruleText;    // Windows-1254
    std::string teacherName; // empty when no teacher is concerned
    std::string className;   // empty for a teacher's own rule
    std::string lessonName;
};

// The breaks by the settings in memory and each teacher's own rule bytes, the teachers
// prepared on a copy, so the list reads the same before and after a run. Teacher rules
// first, in teacher order, then the class rules.
std::vector<RuleBreakRow> ruleBreakReport(const Database& db);

} // namespace zs::sched
