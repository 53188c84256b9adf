// The teachers screen and its edit dialog.
#pragma once

#include "change.h"
#include "list_rows.h"

#include "core/database.h"

#include <string>

namespace zs::editors {

inline constexpr int kTeacherNameLength = 30;
inline constexpr int kBranchLength = 12;
inline constexpr int kHomeroomLength = 8;
inline constexpr int kClubField = 15; // the field takes more than the record keeps
inline constexpr int kClubLength = 12;

struct TeacherEntry {
    std::string name;
    std::string branch;
    std::string homeroomClass;
    std::string club;
};

// Only the name is required.
bool teacherEntryValid(const TeacherEntry& entry);

// A new teacher at the end of the list, with a timetable of open hours and the default
// rules. Writes TEACHER.PRG and TPS.PRG.
Outcome addEnteredTeacher(Database& db, const TeacherEntry& entry);
// Writes TEACHER.PRG.
Outcome editTeacher(Database& db, Id teacherId, const TeacherEntry& entry);
// Writes TEACHER.PRG.
Outcome moveTeacher(Database& db, int row, int direction);

// The edit dialog's fields for a teacher as stored.
TeacherEntry entryOf(const Teacher& teacher);

// "<name> adındaki öğretmen silinecek !", and a line with the placed hours that go too.
std::string teacherDeleteQuestion(const Database& db, const Teacher& teacher);
// The teacher leaves every class lesson (and the members of their common groups) with the
// placed hours, the timetable and the duties.
Outcome removeTeacher(Database& db, Id teacherId);

// NO, NO (the list position, shown), ADI SOYADI, BRANŞI, SINIF ÖĞR., EĞİTSEL KOLU.
ListRows teacherRows(const Database& db);
inline constexpr int kTeacherNameColumn = 2;

} // namespace zs::editors
