// The teacher list and the duty chart.
#pragma once

#include "page_model.h"

#include "core/database.h"

namespace zs::print {

void drawTeacherList(Page& page, const Database& db);

void drawDutyChart(Page& page, const Database& db);

} // namespace zs::print
