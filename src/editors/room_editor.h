// The rooms screen and its edit dialog.
#pragma once

#include "change.h"
#include "list_rows.h"

#include "core/database.h"

#include <string>

namespace zs::editors {

inline constexpr int kRoomNameLength = 12;

bool roomNameValid(const std::string& name);

// A new room at the end of the list, with its timetable of open hours.
// Writes ROOM.PRG and RPS.PRG.
Outcome addEnteredRoom(Database& db, const std::string& name);
// Writes ROOM.PRG.
Outcome renameRoom(Database& db, Id roomId, const std::string& name);
// Writes ROOM.PRG.
Outcome moveRoom(Database& db, int row, int direction);

// "<name> Dersliği silinecek !"
std::string roomDeleteQuestion(const Room& room);
// The room leaves every class lesson's room list and goes with its timetable.
Outcome removeRoom(Database& db, Id roomId);

// NO, NO (the list position), DERSLİK ADI.
ListRows roomRows(const Database& db);

} // namespace zs::editors
