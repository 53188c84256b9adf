// "NÖBET ÇİZELGESİ": the whole duty rota at a glance, for the screen and the printout.
#pragma once

#include "editors/list_rows.h"

#include "core/database.h"

#include <array>
#include <string>
#include <vector>

namespace zs::duty {

// One duty place: its duties on days 1..7 (index 0..6) and the names of the teachers on
// duty, in the order the duties were given. Counts and names come from the same duty
// records, so they always agree.
struct DutyChartRow {
    Id placeId = 0;
    std::string placeName; // Windows-1254
    std::array<int, kDutyDays> counts{};
    int total = 0;
    std::array<std::vector<std::string>, kDutyDays> names;
};

// One row per duty place, in place order; all seven days whatever the weekdays setting.
// A duty whose teacher no longer exists is not counted.
std::vector<DutyChartRow> dutyChart(const Database& db);

// No (hidden), NÖBET YERLERİ, TOP., then the seven day counts.
editors::ListRows chartRows(const std::vector<DutyChartRow>& chart);
// The row of the place, row 0 when it has none, -1 for an empty chart.
int chartRowOf(const std::vector<DutyChartRow>& chart, Id placeId);

} // namespace zs::duty
