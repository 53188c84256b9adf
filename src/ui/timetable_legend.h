// The key to the cell colours under a timetable grid.
#pragma once

#include "scheduler/timetable_view.h"

#include <QString>

#include <vector>

class QWidget;

namespace zs::ui {

struct LegendEntry {
    sched::CellColour text;
    sched::CellColour background;
    const char* meaning;
};

std::vector<LegendEntry> teacherLegend();
std::vector<LegendEntry> classLegend();
std::vector<LegendEntry> roomLegend();

// Small swatches with their meanings, a few to a row.
QWidget* timetableLegend(QWidget* parent, const std::vector<LegendEntry>& entries);

} // namespace zs::ui
