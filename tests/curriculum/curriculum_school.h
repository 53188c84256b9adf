// A school built in memory for the curriculum tests, and the check that it stays sound.
#pragma once

#include "core/cp1254.h"
#include "core/database.h"
#include "core/entities.h"
#include "core/integrity.h"
#include "rules/grid_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zs::test {

struct CurriculumSchool {
    Database db;

    // A lesson of `weekly` hours placed one hour a day (pattern all ones up to five).
    CurriculumSchool& lesson(Id id, u8 weekly, const std::string& name) {
        Pattern p{};
        for (int i = 0; i < kPatternSize; ++i) p[i] = i < weekly ? 1 : 0;
        if (weekly > kPatternSize) p = {weekly, 0, 0, 0, 0};
        addLesson(db, id, 0, weekly, p, name.substr(0, 3), cp1254::lit(name), 0);
        sortLessons(db);
        return *this;
    }
    // A class taught hours first..last every weekday.
    CurriculumSchool& klass(Id id, const std::string& name, u8 first = 1, u8 last = 6) {
        addSchoolClass(db, id, cp1254::lit(name), "A");
        addClassTimetable(db, id);
        ClassTimetable* g = db.classTimetables.find(id);
        g->firstHour.fill(first);
        g->lastHour.fill(last);
        return *this;
    }
    CurriculumSchool& teacher(Id id, const std::string& name) {
        addTeacher(db, id, cp1254::lit(name), "", "", "");
        addTeacherTimetable(db, id);
        return *this;
    }
    CurriculumSchool& room(Id id, const std::string& name) {
        addRoom(db, id, cp1254::lit(name));
        addRoomTimetable(db, id);
        return *this;
    }
    CurriculumSchool& teach(Id classId, Id lessonId) {
        addClassLesson(db, classId, lessonId);
        return *this;
    }

    ClassTimetable& ct(Id id) { return *db.classTimetables.find(id); }
    TeacherTimetable& tt(Id id) { return *db.teacherTimetables.find(id); }
    RoomTimetable& rt(Id id) { return *db.roomTimetables.find(id); }
    ClassLesson& cl(Id c, Id l) { return *db.classLessons.find(c, l); }
};

// What the check command would report: nothing.
inline void expectSound(const Database& db) {
    const std::vector<std::string> refs = checkReferences(db);
    const std::vector<std::string> grids = checkGridConsistency(db);
    EXPECT_TRUE(refs.empty()) << refs.front();
    EXPECT_TRUE(grids.empty()) << grids.front();
}

inline u8 cell(const Plane& plane, int day, int hour) {
    return plane[slotOf(day, hour) - 1];
}

} // namespace zs::test
