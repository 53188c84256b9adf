// Additions, queries and orderings over the shared tables.
#pragma once

#include "database.h"

#include <string>
#include <string_view>

namespace zs {

// The lowest identifier 1..255 that no record of the table holds; 0 when the table is full.
template <class T> Id nextFreeId(const Table<T>& table) {
    for (int id = 1; id <= kMaxRecords; ++id)
        if (!table.contains(static_cast<Id>(id))) return static_cast<Id>(id);
    return 0;
}

// Each addition appends one record at the end and answers false, changing nothing,
// when the table is full, the identifier is 0 or already taken, or a referred record is missing.
bool addLessonGroup(Database& db, Id id, std::string_view name);
bool addLesson(Database& db, Id id, Id groupId, u8 weeklyHours, const Pattern& pattern,
               std::string_view shortName, std::string_view name, u8 divisible);
bool addSchoolClass(Database& db, Id id, std::string_view name, std::string_view section);
bool addRoom(Database& db, Id id, std::string_view name);
bool addTeacher(Database& db, Id id, std::string_view name, std::string_view branch,
                std::string_view homeroomClass, std::string_view club);
bool addDutyPlace(Database& db, Id id, std::string_view name);
// Appended, then moved into the class's lesson-name order.
bool addClassLesson(Database& db, Id classId, Id lessonId);
bool addCommonGroup(Database& db, Id id);
bool addCommonGroupMember(Database& db, Id groupId, Id classId, Id lessonId);
bool addTeacherDuty(Database& db, Id dutyPlaceId, u8 day, Id teacherId);
// Appended, then moved into the teacher's order; also lists the teacher in the class lesson.
bool addTeacherLesson(Database& db, Id teacherId, Id classId, Id lessonId);
bool addTeacherToClassLesson(Database& db, Id teacherId, Id classId, Id lessonId);
bool addTeacherTimetable(Database& db, Id teacherId);
bool addClassTimetable(Database& db, Id classId);
bool addRoomTimetable(Database& db, Id roomId);

// Queries.
const TeacherLesson* findTeacherLesson(const Database& db, Id teacherId, Id classId, Id lessonId);
bool classLessonExists(const Database& db, Id classId, Id lessonId);
Id lessonGroupIdByName(const Database& db, std::string_view name);
const ClassLesson* firstClassLessonOfClass(const Database& db, Id classId);
const ClassLesson* firstClassLessonOfLesson(const Database& db, Id lessonId);

// Orderings. Each sort exchanges the first pair of neighbours in the wrong order and
// starts again, so equal keys never move; the index is rebuilt afterwards.
void sortLessons(Database& db);
void sortByOrder(Table<SchoolClass>& t);
void sortByOrder(Table<Room>& t);
void sortByOrder(Table<Teacher>& t);
void sortByOrder(Table<DutyPlace>& t);
// Renumbers `order` 1..count in table order.
void renumber(Table<SchoolClass>& t);
void renumber(Table<Room>& t);
void renumber(Table<Teacher>& t);
void renumber(Table<DutyPlace>& t);
// Swaps the `order` of the record at `position` with its neighbour above (-1) or below (+1)
// and sorts again; false when there is no such neighbour.
bool moveRecord(Table<SchoolClass>& t, int position, int direction);
bool moveRecord(Table<Room>& t, int position, int direction);
bool moveRecord(Table<Teacher>& t, int position, int direction);
bool moveRecord(Table<DutyPlace>& t, int position, int direction);

// The key that orders a teacher's lessons: more weekly hours first, then lesson name,
// then class position.
std::string teacherLessonKey(const Database& db, const TeacherLesson& r);

} // namespace zs
