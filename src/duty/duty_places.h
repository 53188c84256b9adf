// "NÖBET YERLERİ": adding, renaming, ordering and deleting the duty places.
#pragma once

#include "editors/change.h"
#include "editors/list_rows.h"

#include "core/database.h"

#include <string>

namespace zs::duty {

inline constexpr int kPlaceNameLength = 25;
// A name entered for a new place keeps fewer characters than a rename does.
inline constexpr int kNewPlaceNameLength = 15;

bool placeNameValid(const std::string& name);

// A new place at the end of the list with no duties; refused when every identifier is
// taken. Writes DUTY.PRG.
editors::Outcome addEnteredPlace(Database& db, const std::string& name);
// Writes DUTY.PRG.
editors::Outcome renamePlace(Database& db, Id placeId, const std::string& name);
// Writes DUTY.PRG.
editors::Outcome movePlace(Database& db, int row, int direction);

// "<name> Nöbet Yeri silinecek !"
std::string placeDeleteQuestion(const DutyPlace& place);
// The place goes with every duty given at it. Writes DUTY.PRG and TEDU.PRG.
editors::Outcome removePlace(Database& db, Id placeId);

// NO, NO (the list position), NÖBET YERİ.
editors::ListRows placeRows(const Database& db);

} // namespace zs::duty
