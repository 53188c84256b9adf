// The lessons screen and the lesson edit dialog: what a new or edited lesson must hold,
// what adding, editing and deleting do to the tables, and the rows of the lesson list.
// Every text is code-page bytes as the fields hold it.
#pragma once

#include "change.h"
#include "list_rows.h"

#include "core/database.h"

#include <string>
#include <string_view>

namespace zs::editors {

inline constexpr int kLessonNameLength = 30;
inline constexpr int kLessonShortNameLength = 4;
inline constexpr int kHoursDigits = 2;
inline constexpr int kPatternLength = 10;

// A digits field's number; an empty field is 0.
int fieldNumber(std::string_view digits);

// The four entry fields of the lessons screen.
struct LessonEntry {
    std::string name;
    std::string shortName;
    std::string weeklyHours;
    std::string pattern;
};

// A lesson has at least one hour and no more than a week has cells.
inline constexpr int kMaxWeeklyHours = kSlots;

// Name, short name, hours and pattern typed, the hours possible and the pattern fitting
// them.
bool entryValid(const LessonEntry& entry);

// Why typed hours and pattern cannot be stored, for the line under the fields; empty when
// they can, and while the hours are still empty.
std::string hoursProblem(std::string_view weeklyHours, std::string_view pattern);

// A new lesson with the lowest free identifier, in no group, not divisible and without hour
// limits; the lessons are sorted by name again. Writes LESSON.PRG.
Outcome addEnteredLesson(Database& db, const LessonEntry& entry);

// The fields of the lesson edit dialog.
struct LessonEdit {
    std::string name;
    std::string shortName;
    std::string group; // a group name; one that matches no group means none
    std::string weeklyHours;
    std::string pattern;
    std::string divisible; // "E" or "H"
    std::string notAtHour; // empty for none
    std::string notAfterHour;
};

// The dialog's fields for a lesson as it stands.
LessonEdit editOf(const Database& db, const Lesson& lesson);
bool editValid(const LessonEdit& edit);

// Stores the fields into the lesson, then gives each of its class lessons the lesson's
// pattern and divisibility, replacing a pattern of their own. The list is not re-sorted.
// Writes LESSON.PRG and CLLE.PRG.
Outcome editLesson(Database& db, Id lessonId, const LessonEdit& edit);

// "<name> Dersi silinecek !", and a line with the placed hours that go too.
std::string lessonDeleteQuestion(const Database& db, const Lesson& lesson);

// The lesson goes with its class lessons, their teachers and their placed hours.
Outcome removeLesson(Database& db, Id lessonId);

// NO, DERSİN ADI, K.ADI, HDS, Y.B., GRUBU.
ListRows lessonRows(const Database& db);
inline constexpr int kLessonNameColumn = 1;

} // namespace zs::editors
