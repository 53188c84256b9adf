#include "core/entities.h"
#include "core/integrity.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

Database school() {
    Database db;
    addSchoolClass(db, 1, "9", "A");
    addSchoolClass(db, 2, "9", "B");
    addLesson(db, 1, 0, 2, {2, 0, 0, 0, 0}, "", "MAT", 1);
    addTeacher(db, 1, "A", "", "", "");
    addRoom(db, 1, "LAB");
    addClassLesson(db, 1, 1);
    addClassLesson(db, 2, 1);
    addTeacherLesson(db, 1, 1, 1);
    addTeacherTimetable(db, 1);
    addClassTimetable(db, 1);
    addClassTimetable(db, 2);
    addRoomTimetable(db, 1);
    return db;
}

bool mentions(const std::vector<std::string>& faults, const std::string& text) {
    for (const auto& f : faults)
        if (f.find(text) != std::string::npos) return true;
    return false;
}

TEST(Integrity, SoundSchoolHasNoFaults) {
    EXPECT_TRUE(checkReferences(school()).empty());
}

TEST(Integrity, EachBrokenReferenceIsNamed) {
    struct Case {
        const char* name;
        void (*breakIt)(Database&);
        const char* expected;
    } cases[] = {
        {"teacher list without record", [](Database& db) { db.teacherLessons.clear(); },
         "öğretmen dersi kaydı yok"},
        {"record without list entry",
         [](Database& db) {
             auto& cl = *db.classLessons.find(1, 1);
             cl.teacherCount = 0;
             cl.teachers[0] = 0;
         },
         "öğretmen listesinde yok"},
        {"missing class", [](Database& db) { db.classes.erase(2); }, "olmayan sınıf"},
        {"order gap", [](Database& db) { db.classes.rows[1].order = 5; }, "sıra 5"},
        {"group member not pointing back",
         [](Database& db) {
             addCommonGroup(db, 1);
             addCommonGroupMember(db, 1, 1, 1);
             db.classLessons.find(1, 1)->commonGroupId = 0;
         },
         "başka gruba bağlı"},
        {"teacher cell without class hour",
         [](Database& db) { db.teacherTimetables.find(1)->planes[kOccupantPlane][0] = 1; },
         "programında ders yok"},
        {"class hour without teacher cell",
         [](Database& db) { db.classTimetables.find(1)->planes[kOccupantPlane][0] = 1; },
         "öğretmen 1 programında yok"},
        {"room missing its timetable", [](Database& db) { db.roomTimetables.erase(1); },
         "derslik programı kaydı yok"},
        {"duty count off",
         [](Database& db) {
             addDutyPlace(db, 1, "BAHÇE");
             db.dutyPlaces.find(1)->dutyCount[2] = 4;
         },
         "sayı 4"},
        {"duty on no day",
         [](Database& db) {
             addDutyPlace(db, 1, "BAHÇE");
             db.teacherDuties.push_back({1, 8, 1});
         },
         "gün 8 1..7 dışında"},
        {"duty twice",
         [](Database& db) {
             addDutyPlace(db, 1, "BAHÇE");
             addTeacherDuty(db, 1, 2, 1);
             addTeacherDuty(db, 1, 2, 1);
         },
         "iki kez"},
    };
    for (const auto& c : cases) {
        Database db = school();
        c.breakIt(db);
        EXPECT_TRUE(mentions(checkReferences(db), c.expected)) << c.name;
    }
}

} // namespace
} // namespace zs
