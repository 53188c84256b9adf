// What the printouts read from the tables besides names: the hour columns, the shift of
// a class, who and what stands in a slot, and a teacher's duty text.
#pragma once

#include "core/database.h"
#include "core/display_names.h"

#include <string>

namespace zs::print {

// H: the largest last lesson hour of any class on any weekday, at least 1.
int weeklyHourColumns(const Database& db);
// D: one more than the largest (last − first) of any class on any weekday, at least 2.
int sheetHourColumns(const Database& db);
// A: one more than the smallest last lesson hour of any class on the day (classes with
// lessons that day); 1 when no class has lessons then.
int afternoonStartHour(const Database& db, int day);
bool anySection(const Database& db);

// The occupant byte of a slot; 0 for a missing grid or slot.
Id teacherClassAt(const Database& db, Id teacherId, int day, int hour);
Id classLessonAt(const Database& db, Id classId, int day, int hour);
Id roomClassAt(const Database& db, Id roomId, int day, int hour);

// Name texts, Windows-1254; empty for a missing record.
std::string classWithSection(const Database& db, Id classId);
std::string lessonShortName(const Database& db, Id lessonId);
// The `order` of the class lesson's first teacher, as digits; empty when none.
std::string firstTeacherOrder(const Database& db, Id classId, Id lessonId);
Id firstTeacherId(const Database& db, Id classId, Id lessonId);
// The class lesson's first room's name; empty when it has none.
std::string firstRoomName(const Database& db, Id classId, Id lessonId);

// "PZT., BAHÇE, PER., KANTİN": the teacher's duties in list order.
std::string dutyText(const Database& db, Id teacherId);

// Weekly hours of all the class's lessons, and of the class lessons held in the room.
int classLessonHoursSum(const Database& db, Id classId);

} // namespace zs::print
