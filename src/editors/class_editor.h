// The classes screen and its edit dialog, with the annex-building flag of a class.
#pragma once

#include "change.h"
#include "list_rows.h"

#include "core/database.h"

#include <string>

namespace zs::editors {

inline constexpr int kClassNameField = 4; // what the screens let be typed
inline constexpr int kClassSectionField = 3;
inline constexpr int kClassTextLength = 6; // what a record holds

struct ClassEntry {
    std::string name;
    std::string section; // may stay empty
};

bool classEntryValid(const ClassEntry& entry);

// A new class at the end of the list, with its timetable of six open hours a day.
// Writes CLASS.PRG and CPS.PRG.
Outcome addEnteredClass(Database& db, const ClassEntry& entry);
// Writes CLASS.PRG.
Outcome editClass(Database& db, Id classId, const ClassEntry& entry);
// Writes CLASS.PRG.
Outcome moveClass(Database& db, int row, int direction);
// Between the main building and the annex. Writes ADD.PRG, which holds the flags of
// classes 1..250 only: the flag of a later class is refused as not stored.
Outcome toggleAnnex(Database& db, Id classId);

// "<name> <section> Sınıfı silinecek !", and a line with the placed hours that go too.
std::string classDeleteQuestion(const Database& db, const SchoolClass& c);
// The class goes with its class lessons, their teachers, its placed hours and its timetable;
// its annex flag stays for a later class of the same identifier.
Outcome removeClass(Database& db, Id classId);

// NO, RECNO, SINIF, BÖLÜMÜ, BİNA ("EKBİNA" in the annex).
ListRows classRows(const Database& db);
inline constexpr int kClassNameColumn = 2;

} // namespace zs::editors
