// Totals the timetable screens and the automatic search read: usable and weekly hours of
// the classes, weekly hours of the rooms and teachers, and the class capacity check.
#pragma once

#include "core/database.h"

#include <string>

namespace zs {

// The hours inside the class's daily windows, less the closed empty cells among them.
int usableHours(const ClassTimetable& grid);
int usableHours(const Database& db, Id classId);

// The class's weekly hours: Lesson.weeklyHours of each of its class lessons that has a
// teacher, counted once per class lesson however many teachers share it.
int classWeeklyHours(const Database& db, Id classId);
// Stores classWeeklyHours in byte 1 of every class timetable (byte arithmetic).
void updateClassWeeklyHours(Database& db);

struct CapacityVerdict {
    bool ok = true;
    Id classId = 0;      // the first class that fails
    std::string message; // Windows-1254, for the message dialog
};
// Compares, class by class in class order, the usable hours with byte 1 as last stored
// by updateClassWeeklyHours; the first class short of hours answers no.
CapacityVerdict checkClassCapacity(const Database& db);

// The class screen's figures; nothing is stored.
struct ClassLessonHours {
    int total = 0;
    int unplaced = 0;
};
ClassLessonHours classLessonHours(const Database& db, Id classId);

// Lesson.weeklyHours over the class lessons whose room list names the room.
int roomWeeklyHours(const Database& db, Id roomId);
void updateRoomWeeklyHours(Database& db);

// Bytes 1..4 of a teacher timetable, with the byte arithmetic of the record.
struct TeacherTotals {
    u8 windowSlots = 0; // slots inside the daily hours of at least one of the teacher's classes
    u8 morningHours = 0;
    u8 afternoonHours = 0;
    u8 totalHours = 0;
};
// A common group counts once: its other members' hours come off the side of its first
// member class.
TeacherTotals teacherWeeklyTotals(const Database& db, Id teacherId);
void updateTeacherWeeklyTotals(Database& db, Id teacherId);
void updateAllTeacherWeeklyTotals(Database& db);

} // namespace zs
