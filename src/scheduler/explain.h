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

// Why one hour of the lesson cannot be placed by hand at `slot`, from the checks placing
// by hand makes: nothing left to place, outside the class's day, or the first closed or
// busy cell of its teachers, classes and rooms. Fits when it can be placed.
CellExplanation handRefusal(const Database& db, Id classId, Id lessonId, int slot);

// One line for the cell, Windows-1254.
std::string explanationText(const Database& db, const CellExplanation& e);

} // namespace zs::sched
