// The key to the cell colours under a timetable grid, and the line that says why the last
// double click in the grid did nothing.
#pragma once

#include "scheduler/timetable_view.h"

#include <QString>

#include <vector>

class QLabel;
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

// Maroon text under the grid; empty until something is refused.
QLabel* reasonLine(QWidget* parent);
// What the line says when the cell is closed, and when no lesson is selected.
QString closedCellReason();
QString noLessonReason();

} // namespace zs::ui
