// Duties read from the files made to agree with the places and teachers read with them.
#pragma once

#include "data_files.h"
#include "database.h"

namespace zs {

// Drops every duty that names a missing teacher or place, and every repeat of a duty, so
// that no list shows a blank row; then recounts each place's duties per day from the
// duties left. Each change is noted in the report.
void settleLoadedDuties(Database& db, LoadReport& report);

} // namespace zs
