// "BOŞ DERSLER": the class lessons no teacher holds yet.
#pragma once

#include "core/database.h"

#include <string>
#include <vector>

namespace zs {

struct UnassignedLessons {
    std::vector<const ClassLesson*> rows; // table order
    int hours = 0;                        // their weekly hours added up
};

UnassignedLessons unassignedLessons(const Database& db);

// "DERS SAYISI = 3    TOPLAM SAAT = 7" (Windows-1254).
std::string unassignedSummary(const UnassignedLessons& u);

} // namespace zs
