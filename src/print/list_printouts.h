// The teacher list and the duty chart.
#pragma once

#include "page_model.h"

#include "core/database.h"

#include <array>
#include <string>
#include <vector>

namespace zs::print {

void drawTeacherList(Page& page, const Database& db);

// What the chart shows of a duty place: per day (index 0..6) the names of the teachers on
// duty there, in the order the duties were given. Windows-1254.
using DutyNames = std::array<std::vector<std::string>, kDutyDays>;
DutyNames dutyNames(const Database& db, Id placeId);

void drawDutyChart(Page& page, const Database& db);

} // namespace zs::print
