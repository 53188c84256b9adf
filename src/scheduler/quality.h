// The figures an officer judges a timetable by: the gaps of the teachers held to a gap
// limit, and the breaks of every rule in force, counted by the rules' own functions.
#pragma once

#include "core/database.h"
#include "rules/rule_breaks.h"

#include <string>

namespace zs::sched {

struct Quality {
    int gaps = 0; // of the teachers not allowed gaps
    RuleCounts breaks;
    std::array<bool, kRuleCount> inForce{};
};

Quality measureQuality(const Database& db);

// The figures as lines of text, Windows-1254: the gaps, then each rule in force with its
// count of breaks.
std::string qualityLine(const Quality& q);

} // namespace zs::sched
