// "ÖĞRETMENLERE NÖBET DAĞITIMI": giving a teacher a duty at a place on a day, the lists
// that show who keeps duty where, and deleting duties one by one or all at once.
// Texts are Windows-1254.
#pragma once

#include "editors/change.h"
#include "editors/list_rows.h"

#include "core/database.h"

#include <string>
#include <vector>

namespace zs::duty {

// Days 1..7, or 1..5 while duties are given on weekdays only.
int offeredDayCount(const Settings& settings);

// One row per offered day, its id the day: the day name and the duties at the place on
// that day ("NS"), empty when no place is chosen.
editors::ListRows dayRows(const Database& db, Id placeId);
// NO (hidden), the place name; in place order.
editors::ListRows placeListRows(const Database& db);
// No (hidden: the identifier), NO (the list position), ÖĞRETMENİN ADI; in teacher order.
editors::ListRows teacherListRows(const Database& db);
inline constexpr int kTeacherListNameColumn = 2;

// Duties as a list shows them, row for row. A duty whose teacher or place no longer
// exists has no row.
struct DutyList {
    std::vector<TeacherDuty> duties;
    editors::ListRows rows;
};
// YerNo, GunNo, TeNo (hidden), GÜN, NÖBET YERİ: the teacher's duties in list order.
DutyList dutiesOfTeacher(const Database& db, Id teacherId);
// YerNo, GunNo, TeNo (hidden), ÖĞRETMENİN ADI: the duties at the place on the day.
DutyList dutiesAt(const Database& db, Id placeId, int day);

// "<name> - NÖBET GÜNLERİ"; empty without a teacher.
std::string teacherDutiesTitle(const Database& db, Id teacherId);

// A duty given twice is not given again (Invalid); a missing teacher or place, or a day
// outside 1..7, gives nothing (NoRecord). Writes TEDU.PRG and DUTY.PRG.
editors::Outcome giveDuty(Database& db, Id teacherId, int day, Id placeId);

// "<teacher> adındaki öğretmenden <day> günü, <place> nöbeti silinecek !"
std::string dutyDeleteQuestion(const Database& db, const TeacherDuty& duty);
// Writes DUTY.PRG and TEDU.PRG.
editors::Outcome removeDuty(Database& db, const TeacherDuty& duty);

// "Öğretmenlere vermiş olduğunuz bütün nöbetler silinecek ?"
std::string clearDutiesQuestion();
// Every duty goes; the places stay with no duties. Writes DUTY.PRG and TEDU.PRG.
editors::Outcome clearDuties(Database& db);

// "Yalnız Hafta İçi": duties given on the weekend stay. Writes OPTION.PRG.
editors::Outcome setWeekdaysOnly(Database& db, bool weekdaysOnly);

} // namespace zs::duty
