// The labels around a timetable grid: its counters, the line that says why the last double
// click did nothing, and the key line under the screen.
#pragma once

#include "scheduler/hand_change.h"

#include <QString>

class QLabel;
class QWidget;

namespace zs::ui {

// A sunken counter box under a timetable grid ("SABAH", "KALAN", ...); the lesson's own
// remainder is the yellow one.
QLabel* counterLabel(QWidget* parent, const char* objectName, bool yellow);

// Maroon text under the grid; empty until something is refused.
QLabel* reasonLine(QWidget* parent);
// What the line says when the cell is closed, and when no lesson is selected.
QString closedCellReason();
QString noLessonReason();
// What the line says after a double click on a cell.
QString handReason(const sched::HandResult& r);

// The function keys of the screen, wrapped to the window's width.
QLabel* timetableKeyLine(const QString& keys, QWidget* parent);

} // namespace zs::ui
