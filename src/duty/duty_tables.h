// The tables a duty change touches, kept so that a change whose files cannot be written
// is taken back and memory stays as the files are.
#pragma once

#include "core/database.h"

#include <vector>

namespace zs::duty {

struct DutyTables {
    Table<DutyPlace> places;
    std::vector<TeacherDuty> duties;
    u8 weekdaysOnly = 1;
};

DutyTables keepDutyTables(const Database& db);
void restoreDutyTables(Database& db, const DutyTables& kept);

} // namespace zs::duty
