// The refusal of an automatic run on tables or grids that disagree: a run would spread
// the damage.
#pragma once

#include "core/database.h"

#include <QString>

class QWidget;

namespace zs::ui {

// The notice naming the first faults; shown to the user instead of the run.
QString dataFaultsNotice(const std::vector<std::string>& faults);

// Whether the tables have faults; if so the user has been told and nothing runs.
bool refusedOnFaults(QWidget* parent, const Database& db);

} // namespace zs::ui
