#include "duty_chart.h"

namespace zs::duty {

std::vector<DutyChartRow> dutyChart(const Database& db) {
    std::vector<DutyChartRow> chart;
    chart.reserve(db.dutyPlaces.rows.size());
    for (const DutyPlace& p : db.dutyPlaces) chart.push_back({p.id, p.name, {}, 0, {}});
    for (const TeacherDuty& d : db.teacherDuties) {
        const int row = db.dutyPlaces.positionOf(d.dutyPlaceId);
        const Teacher* teacher = db.teachers.find(d.teacherId);
        if (row < 0 || !teacher || d.day < 1 || d.day > kDutyDays) continue;
        DutyChartRow& r = chart[static_cast<std::size_t>(row)];
        ++r.counts[d.day - 1];
        ++r.total;
        r.names[d.day - 1].push_back(teacher->name);
    }
    return chart;
}

editors::ListRows chartRows(const std::vector<DutyChartRow>& chart) {
    editors::ListRows rows;
    rows.reserve(chart.size());
    for (const DutyChartRow& r : chart) {
        std::vector<std::string> cells{std::to_string(r.placeId), r.placeName,
                                       std::to_string(r.total)};
        for (int count : r.counts) cells.push_back(std::to_string(count));
        rows.push_back({r.placeId, std::move(cells)});
    }
    return rows;
}

int chartRowOf(const std::vector<DutyChartRow>& chart, Id placeId) {
    if (chart.empty()) return -1;
    for (std::size_t i = 0; i < chart.size(); ++i)
        if (chart[i].placeId == placeId) return static_cast<int>(i);
    return 0;
}

} // namespace zs::duty
