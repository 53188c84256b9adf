// Every printout by kind: which page family it uses, which entities it covers, and
// drawing it whole onto a canvas.
#pragma once

#include "canvas.h"
#include "page_model.h"

#include "core/database.h"
#include "core/result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zs::print {

enum class Printout {
    Teacher,
    Class,
    Room,
    TeacherSheet,
    ClassSheet,
    RoomSheet,
    TeacherList,
    DutyChart
};

Family familyOf(Printout what);

// The title the printout's pages carry, Windows-1254.
std::string printoutTitle(Printout what);
// The name of its print job, Windows-1254: the title and, for weekly pages, whom they are
// for ("HAFTALIK ÖĞRETMEN DERS PROGRAMI – HATİCE KURT"; the first and the last of several).
std::string jobName(const Database& db, Printout what, const std::vector<Id>& ids);
// The weekly pages cover entities; the others draw the whole school.
bool coversEntities(Printout what);

// "teacher", "class-sheet", "duty-chart", ... as the tool names them.
std::optional<Printout> printoutNamed(std::string_view name);

// The entities in list order from `first` to the last; from the start when `first` is 0
// or not in the list.
std::vector<Id> entitiesFrom(const Database& db, Printout what, Id first);

// Draws the printout from the canvas's current page on. Weekly pages: one page per entity
// of `ids` (a teacher twice on one sheet when the two copies are asked for). Refuses,
// drawing nothing, when the margins leave no room on the page.
Status drawPrintout(Canvas& canvas, const Database& db, Printout what, const std::vector<Id>& ids,
                    const std::string& date);

} // namespace zs::print
