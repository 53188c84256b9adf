// The lessons a class is taught: listing them, adding one within the class's capacity,
// copying another class's lessons, and the deletion question. Texts are Windows-1254.
#pragma once

#include "core/data_files.h"
#include "core/database.h"

#include <string>
#include <vector>

namespace zs {

// The class's class lessons in table order (the class's list order).
std::vector<const ClassLesson*> classLessonsOf(const Database& db, Id classId);
// The weekly hours of the class's lessons added up ("TOPLAM SAAT").
int classLessonsTotal(const Database& db, Id classId);

enum class AddLessonOutcome {
    Added,
    AlreadyTaught, // nothing created, nothing to tell
    OverCapacity,  // tell overCapacityMessage
    Missing,       // no such class or lesson
};

struct AddLessonResult {
    AddLessonOutcome outcome = AddLessonOutcome::Missing;
    int capacity = 0;
};

// The capacity is tested before the duplicate, so a full class refuses even a lesson it
// already has. A new class lesson takes its place in the class's lesson-name order.
AddLessonResult addLessonToClass(Database& db, Id classId, Id lessonId);
std::string overCapacityMessage(int capacity);
inline const std::vector<DataFile> kClassLessonAddedFiles = {DataFile::ClassLesson};

// The class just before the target in class order; the target itself when it is first.
Id defaultCopySource(const Database& db, Id targetClassId);
// Gives the target every lesson of the source it lacks, in the source's order, appended
// behind the target's own lessons. No capacity test. Answers the number added.
int copyClassLessons(Database& db, Id sourceClassId, Id targetClassId);
std::string copySourceLine(const Database& db, Id sourceClassId);
std::string copyTargetLine(const Database& db, Id targetClassId);

std::string deleteClassLessonQuestion(const Database& db, Id classId, Id lessonId);

} // namespace zs
