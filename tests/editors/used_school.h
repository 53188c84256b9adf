// A school in which every lesson, class, room and teacher is used everywhere it can be:
// class lessons with teachers and rooms, a common group, placed and locked hours, duties,
// a lesson group and the guidance lesson. Shared by the editor and screen tests.
#pragma once

#include "core/cp1254.h"
#include "core/database.h"
#include "core/entities.h"
#include "rules/lock.h"
#include "rules/placement.h"

namespace zs::test {

// Lessons 1 MATEMATİK (4 h, 2+2), 2 FİZİK (2 h), 3 REHBERLİK (1 h, the guidance lesson),
// 2 and 3 in group 1 "SAYISAL"; classes 1 "9 A", 2 "9 B", 3 "10 A"; teachers 1..3;
// rooms 1 "LAB", 2 "SPOR".
// Class lessons: (1,1) teacher 1 room 1; (2,1) teachers 1 and 2; (1,2) and (2,2) a common
// group taught by teacher 3 in room 2; (3,2) teacher 2 room 1; (3,3) teacher 1.
// Every class lesson has placed hours, some locked; teachers 1 and 2 keep duties.
inline Database usedSchool() {
    using cp1254::lit;
    Database db;
    addLessonGroup(db, 1, "SAYISAL");
    addLesson(db, 1, 0, 4, {2, 2, 0, 0, 0}, "MAT", lit("MATEMATİK"), 1);
    addLesson(db, 2, 1, 2, {2, 0, 0, 0, 0}, lit("FİZ"), lit("FİZİK"), 0);
    addLesson(db, 3, 1, 1, {1, 0, 0, 0, 0}, "REH", lit("REHBERLİK"), 0);
    sortLessons(db);
    const char* classNames[][2] = {{"9", "A"}, {"9", "B"}, {"10", "A"}};
    for (Id c = 1; c <= 3; ++c) {
        addSchoolClass(db, c, classNames[c - 1][0], classNames[c - 1][1]);
        addClassTimetable(db, c);
    }
    const char* teacherNames[] = {"AYŞE KAYA", "ALİ CAN", "ZEYNEP ÖZ"};
    for (Id t = 1; t <= 3; ++t) {
        addTeacher(db, t, lit(teacherNames[t - 1]), "", "", "");
        addTeacherTimetable(db, t);
    }
    addRoom(db, 1, "LAB");
    addRoom(db, 2, "SPOR");
    addRoomTimetable(db, 1);
    addRoomTimetable(db, 2);

    auto room = [&](Id c, Id l, Id r) {
        ClassLesson* cl = db.classLessons.find(c, l);
        cl->rooms[cl->roomCount++] = r;
    };
    addClassLesson(db, 1, 1);
    addTeacherLesson(db, 1, 1, 1);
    room(1, 1, 1);
    addClassLesson(db, 2, 1);
    addTeacherLesson(db, 1, 2, 1);
    addTeacherLesson(db, 2, 2, 1);
    addClassLesson(db, 1, 2);
    addClassLesson(db, 2, 2);
    addCommonGroup(db, 1);
    addCommonGroupMember(db, 1, 1, 2);
    addCommonGroupMember(db, 1, 2, 2);
    for (Id c : {Id(1), Id(2)}) {
        addTeacherLesson(db, 3, c, 2);
        room(c, 2, 2);
    }
    addClassLesson(db, 3, 2);
    addTeacherLesson(db, 2, 3, 2);
    room(3, 2, 1);
    addClassLesson(db, 3, 3);
    addTeacherLesson(db, 1, 3, 3);

    const struct {
        int slot;
        Id c, l;
    } hours[] = {{slotOf(1, 1), 1, 1}, {slotOf(1, 2), 1, 1}, {slotOf(2, 1), 2, 1},
                 {slotOf(3, 1), 1, 2}, {slotOf(4, 1), 3, 2}, {slotOf(5, 1), 3, 3}};
    for (auto h : hours) Place(db, h.slot, h.c, h.l);
    ToggleLock(db, CellOf::Class, 1, slotOf(1, 1));
    ToggleLock(db, CellOf::Teacher, 3, slotOf(3, 1));
    ToggleLock(db, CellOf::Room, 1, slotOf(4, 1));

    addDutyPlace(db, 1, lit("BAHÇE"));
    addTeacherDuty(db, 1, 1, 1);
    addTeacherDuty(db, 1, 2, 2);
    addTeacherDuty(db, 1, 3, 1);

    db.settings.guidanceLessonId = 3;
    db.settings.guidanceMorningDay = 5;
    db.settings.guidanceMorningHour = 1;
    db.annexFlags[2] = 1;
    db.reindexAll();
    return db;
}

// Placed hours over every class grid.
inline int placedHours(const Database& db) {
    int n = 0;
    for (const ClassTimetable& ct : db.classTimetables)
        for (u8 cell : ct.planes[kOccupantPlane]) n += cell != 0;
    return n;
}

} // namespace zs::test
