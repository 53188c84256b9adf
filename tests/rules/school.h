// A small school built in memory for the grid and cascade tests.
#pragma once

#include "core/database.h"
#include "core/entities.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace zs::test {

struct School {
    Database db;

    // A lesson of `weekly` hours in blocks of two (and a single hour for an odd count).
    School& lesson(Id id, u8 weekly, Id groupId = 0) {
        Pattern p{};
        int left = weekly;
        for (int i = 0; i < kPatternSize && left > 0; ++i) {
            p[i] = static_cast<u8>(left >= 2 && i < kPatternSize - 1 ? 2 : left);
            left -= p[i];
        }
        addLesson(db, id, groupId, weekly, p, "L" + std::to_string(id),
                  "LESSON " + std::to_string(id), 1);
        return *this;
    }
    School& klass(Id id, std::string name = "", std::string section = "A") {
        addSchoolClass(db, id, name.empty() ? std::to_string(id) : name, section);
        addClassTimetable(db, id);
        return *this;
    }
    School& teacher(Id id) {
        addTeacher(db, id, "TEACHER " + std::to_string(id), "", "", "");
        addTeacherTimetable(db, id);
        return *this;
    }
    School& room(Id id) {
        addRoom(db, id, "ROOM " + std::to_string(id));
        addRoomTimetable(db, id);
        return *this;
    }
    // A class lesson with its teachers and rooms; for a member of a common group, give
    // the teachers and rooms through `group` instead.
    School& classLesson(Id c, Id l, std::initializer_list<Id> teachers = {},
                        std::initializer_list<Id> rooms = {}) {
        addClassLesson(db, c, l);
        for (Id t : teachers) addTeacherLesson(db, t, c, l);
        for (Id r : rooms) addRoomTo(c, l, r);
        return *this;
    }
    // A common group of existing class lessons, then its teachers and rooms on every member.
    School& group(Id id, std::initializer_list<std::pair<Id, Id>> members,
                  std::initializer_list<Id> teachers = {}, std::initializer_list<Id> rooms = {}) {
        addCommonGroup(db, id);
        for (auto [c, l] : members) addCommonGroupMember(db, id, c, l);
        for (auto [c, l] : members) {
            for (Id t : teachers) addTeacherLesson(db, t, c, l);
            for (Id r : rooms) addRoomTo(c, l, r);
        }
        return *this;
    }
    School& hours(Id c, u8 first, u8 last) {
        ClassTimetable* g = db.classTimetables.find(c);
        g->firstHour.fill(first);
        g->lastHour.fill(last);
        return *this;
    }

    void addRoomTo(Id c, Id l, Id r) {
        ClassLesson* cl = db.classLessons.find(c, l);
        cl->rooms[cl->roomCount++] = r;
    }

    TeacherTimetable& tt(Id id) { return *db.teacherTimetables.find(id); }
    ClassTimetable& ct(Id id) { return *db.classTimetables.find(id); }
    RoomTimetable& rt(Id id) { return *db.roomTimetables.find(id); }
    const ClassLesson& cl(Id c, Id l) { return *db.classLessons.find(c, l); }
};

// Plane byte at (day, hour) of a grid.
template <class Grid> u8 at(const Grid& g, int plane, int day, int hour) {
    return g.planes[plane][slotOf(day, hour) - 1];
}

} // namespace zs::test
