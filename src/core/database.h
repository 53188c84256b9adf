// The shared tables: the whole state of a school's timetable in memory.
#pragma once

#include "records.h"
#include "settings.h"
#include "table.h"

#include <string>
#include <vector>

namespace zs {

struct Database {
    Table<LessonGroup> lessonGroups;
    Table<Lesson> lessons;
    Table<SchoolClass> classes;
    Table<Room> rooms;
    Table<Teacher> teachers;
    Table<DutyPlace> dutyPlaces;
    ClassLessonTable classLessons;
    Table<CommonGroup> commonGroups;
    std::vector<TeacherDuty> teacherDuties;    // no index: searched in sequence
    std::vector<TeacherLesson> teacherLessons; // no index: searched in sequence
    Table<TeacherTimetable> teacherTimetables;
    Table<ClassTimetable> classTimetables;
    Table<RoomTimetable> roomTimetables;

    Settings settings;
    AnnexFlags annexFlags{};

    // Empties every table and grid (not the settings).
    void clearTables();
    void reindexAll();
};

} // namespace zs
