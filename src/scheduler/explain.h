// Why the next block of a lesson cannot go to a cell: for every cell of the week, the
// first check of the automatic search that refuses it there, or that it fits. Nothing
// in the tables changes.
#pragma once

#include "cell_reason.h"
#include "core/database.h"

#include <array>
#include <string>

namespace zs::sched {

struct LessonExplanation {
    int blockLength = 0;
    std::array<CellExplanation, kSlots> cells{}; // index slot - 1
};

// The checks the search makes for the block its next run would place, in the search's
// order, with the rules of the settings phase at the settings in memory.
LessonExplanation explainLesson(const Database& db, Id classId, Id lessonId);

// One line for the cell, Windows-1254.
std::string explanationText(const Database& db, const CellExplanation& e);

} // namespace zs::sched
