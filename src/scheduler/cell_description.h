// What one cell of the teacher, class or room week holds, told in words: the class as the
// grid writes it, and the tooltip with class, lesson, teachers and rooms.
#pragma once

#include "core/database.h"
#include "rules/lock.h"

#include <string>

namespace zs::sched {

// Name and section as compact as they stay readable: "10A", "10-1", "9" (no section).
std::string compactClassName(const SchoolClass& c);

// Lines "SINIF: ", "DERS: ", "ÖĞRETMEN: ", "DERSLİK: " for a placed hour; "Boş" or
// "Kapalı" for an empty cell. Windows-1254.
std::string cellDescription(const Database& db, CellOf kind, Id ownerId, int slot);

} // namespace zs::sched
