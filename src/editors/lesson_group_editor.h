// The lesson groups screen and its edit dialog.
#pragma once

#include "change.h"
#include "list_rows.h"

#include "core/database.h"

#include <string>

namespace zs::editors {

inline constexpr int kLessonGroupNameLength = 20;

// A group needs a name.
bool groupNameValid(const std::string& name);

// A new group with the lowest free identifier. Writes GROUP.PRG.
Outcome addEnteredGroup(Database& db, const std::string& name);
// Writes GROUP.PRG.
Outcome renameGroup(Database& db, Id groupId, const std::string& name);

// "<name> Ders Grubu silinecek !"
std::string groupDeleteQuestion(const LessonGroup& group);
// Its lessons are left in no group.
Outcome removeGroup(Database& db, Id groupId);

// NO, DERS GRUBU.
ListRows lessonGroupRows(const Database& db);

} // namespace zs::editors
