// Giving class lessons to teachers and taking them back. A class lesson of a common group
// goes to, and comes back from, every member at once. Texts are Windows-1254.
#pragma once

#include "core/data_files.h"
#include "core/database.h"

#include <string>
#include <vector>

namespace zs {

enum class GiveVerdict {
    Give,         // nothing stands in the way
    AskAgain,     // others teach it already: ask before adding one more
    Placed,       // refused: hours of it are placed
    AlreadyGiven, // refused: the teacher has it
    TeachersFull, // refused: it (or a member of its group) has the most teachers allowed
    Missing,      // no such teacher or class lesson
};

struct GiveCheck {
    GiveVerdict verdict = GiveVerdict::Missing;
    std::string text; // the notice of a refusal; the present teachers when asking again
};

// Looks at the chosen class lesson only, in the order: placed, no teacher yet, already
// given, full, ask.
GiveCheck checkGive(const Database& db, Id teacherId, Id classId, Id lessonId);

// The present teachers as the question shows them: " NAME," each, in list order.
std::string presentTeachersText(const Database& db, Id classId, Id lessonId);

// Gives the class lesson, or every member of its common group in member order, to the
// teacher; members that already have the teacher are left as they are. Nothing is given
// when any of them would exceed 15 teachers. Answers the number of class lessons given.
int giveClassLesson(Database& db, Id teacherId, Id classId, Id lessonId);
inline const std::vector<DataFile> kLessonGivenFiles = {DataFile::TeacherLesson,
                                                        DataFile::ClassLesson};

std::string takeBackQuestion(const Database& db, Id teacherId, Id classId, Id lessonId);
// The teacher's placed hours of it leave every grid; answers the number of class lessons
// taken back (the group's member count for a common lesson).
int takeBackClassLesson(Database& db, Id teacherId, Id classId, Id lessonId);
std::vector<DataFile> lessonTakenBackFiles();
// The row (0-based) the teacher's list selects after `taken` of its rows went with the
// selected row `row`, `rowCount` rows being left: the same row while it exists, else the
// row `taken` places above; -1 for an empty list.
int rowAfterTakingBack(int row, int rowCount, int taken);

// The teacher's lessons in list order.
std::vector<const TeacherLesson*> teacherLessonsOf(const Database& db, Id teacherId);

const std::string& placedLessonNotice();
const std::string& alreadyGivenNotice();
const std::string& teachersFullNotice();

} // namespace zs
