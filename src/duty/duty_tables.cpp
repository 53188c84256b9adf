#include "duty_tables.h"

namespace zs::duty {

DutyTables keepDutyTables(const Database& db) {
    return {db.dutyPlaces, db.teacherDuties, db.settings.dutyWeekdaysOnly};
}

void restoreDutyTables(Database& db, const DutyTables& kept) {
    db.dutyPlaces = kept.places;
    db.teacherDuties = kept.duties;
    db.settings.dutyWeekdaysOnly = kept.weekdaysOnly;
}

} // namespace zs::duty
