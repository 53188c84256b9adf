#include "sample_school.h"

#include "core/cp1254.h"
#include "core/entities.h"
#include "core/settings_file.h"
#include "rules/totals.h"
#include "sample_curriculum.h"
#include "sample_staff.h"

#include <algorithm>

namespace zs::sched {

using namespace sample;

namespace {

std::string sectionText(int index) {
    std::string s;
    for (int i = index;; i = i / 26 - 1) {
        s.insert(s.begin(), static_cast<char>('A' + i % 26));
        if (i < 26) break;
    }
    return s;
}

void addLessons(Database& db) {
    for (Group g : {kScience, kSocial, kArts})
        addLessonGroup(db, static_cast<Id>(g), cp1254::lit(groupName(g)));
    Id id = 0;
    for (const LessonDef& l : lessons()) {
        ++id;
        addLesson(db, id, static_cast<Id>(l.group), l.weeklyHours, l.pattern,
                  cp1254::lit(l.shortName), cp1254::lit(l.name), l.divisible);
    }
    sortLessons(db);
}

// Grades 9..12 in equal runs of sections. A school of six classes or more has its last
// class in the annex building as a vocational class; from eight classes on, grade 9
// studies in the afternoon.
std::vector<ClassPlan> addClasses(Database& db, int count) {
    std::vector<ClassPlan> plans;
    std::array<int, 13> sectionsSoFar{};
    for (int k = 0; k < count; ++k) {
        ClassPlan p;
        p.id = static_cast<Id>(k + 1);
        p.grade = 9 + k * 4 / count;
        p.vocational = count >= 6 && k == count - 1;
        p.afternoon = count >= 8 && p.grade == 9 && !p.vocational;
        p.section = sectionsSoFar[p.grade]++;
        const std::string section = p.vocational ? "M" : sectionText(p.section);
        addSchoolClass(db, p.id, std::to_string(p.grade), section);
        addClassTimetable(db, p.id);
        ClassTimetable& grid = *db.classTimetables.find(p.id);
        grid.firstHour.fill(p.afternoon ? 9 : 1);
        grid.lastHour.fill(p.afternoon ? 16 : 8);
        if (p.vocational) db.annexFlags[p.id] = 1;
        for (Id lessonId : curriculum(p.grade, p.vocational)) addClassLesson(db, p.id, lessonId);
        plans.push_back(p);
    }
    return plans;
}

// Two sections of one grade take the lesson together.
void addCommonGroups(Database& db, const std::vector<ClassPlan>& classes) {
    struct Wanted {
        int grade;
        Id lessonId;
    };
    Id groupId = 0;
    for (Wanted w :
         {Wanted{11, kGermanLesson}, Wanted{12, kPsychology}, Wanted{10, kMusicLesson}}) {
        std::vector<Id> members;
        for (const ClassPlan& c : classes)
            if (c.grade == w.grade && !c.vocational && members.size() < 2) members.push_back(c.id);
        if (members.size() < 2) continue;
        ++groupId;
        addCommonGroup(db, groupId);
        for (Id c : members) addCommonGroupMember(db, groupId, c, w.lessonId);
    }
}

void bindRoom(Database& db, Id classId, Id lessonId, Id roomId) {
    ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (cl && cl->roomCount < kMaxRoomsPerClassLesson && cl->commonGroupId == 0)
        cl->rooms[cl->roomCount++] = roomId;
}

// The laboratories serve the first four classes of grade 11; the sports hall the
// team-taught sports lessons; the workshop the vocational class.
void addRooms(Database& db, const std::vector<ClassPlan>& classes, const Staff& staff) {
    const char* names[] = {"FİZİK LAB.", "KİMYA LAB.", "SPOR SALONU", "ATÖLYE"};
    for (Id r = 1; r <= 4; ++r) {
        addRoom(db, r, cp1254::lit(names[r - 1]));
        addRoomTimetable(db, r);
    }
    int labClasses = 0;
    for (const ClassPlan& c : classes) {
        if (c.grade == 11 && !c.vocational && labClasses < 4) {
            ++labClasses;
            bindRoom(db, c.id, kElectivePhysics, 1);
            bindRoom(db, c.id, kElectiveChemistry, 2);
        }
        if (c.vocational) bindRoom(db, c.id, kWorkshop, 4);
    }
    for (Id c : staff.teamTaughtSport) bindRoom(db, c, kSportLesson, 3);
}

void setSettings(Database& db) {
    Settings s;
    s.guidanceLessonId = kGuidanceLesson;
    s.guidanceMorningDay = 5;
    s.guidanceMorningHour = 7;
    s.guidanceAfternoonDay = 5;
    s.guidanceAfternoonHour = 15;
    s.schoolName = cp1254::lit("ZAMANSERİ ANADOLU LİSESİ");
    s.principalName = cp1254::lit("HÜLYA KARAMAN");
    s.deputyName = cp1254::lit("ERKAN SOYLU");
    const char* starts[16] = {"08:00", "08:50", "09:40", "10:30", "11:20", "12:10",
                              "13:00", "13:50", "14:40", "15:30", "16:20", "17:10",
                              "18:00", "18:50", "19:40", "20:30"};
    for (int h = 0; h < 16; ++h) s.startTimes[h] = starts[h];
    db.settings = s;
}

// A few classes keep one hour closed where their day has room to spare.
void closeClassCells(Database& db, const std::vector<ClassPlan>& classes) {
    int closed = 0;
    for (const ClassPlan& c : classes) {
        if (closed == 2 || c.vocational || c.grade < 11) continue;
        ClassTimetable& grid = *db.classTimetables.find(c.id);
        const int day = closed == 0 ? 5 : 3;
        grid.planes[kOpenPlane][slotOf(day, grid.lastHour[day - 1]) - 1] = 0;
        ++closed;
    }
}

} // namespace

void buildSampleSchool(Database& db, const SampleOptions& options) {
    const int count = std::clamp(options.classes, 1, kMaxRecords);
    SampleRandom rng(options.seed);
    db.clearTables();
    db.annexFlags = {};
    setSettings(db);
    addLessons(db);
    const std::vector<ClassPlan> classes = addClasses(db, count);
    addCommonGroups(db, classes);
    const Staff staff = addStaff(db, classes, rng);
    addRooms(db, classes, staff);
    closeClassCells(db, classes);
    db.reindexAll();
    updateClassWeeklyHours(db);
    updateRoomWeeklyHours(db);
    updateAllTeacherWeeklyTotals(db);
}

Status writeSampleSchool(const DataDir& dir, const SampleOptions& options) {
    Database db;
    buildSampleSchool(db, options);
    WriteBatch batch;
    addTables(batch, db, dir, std::vector<DataFile>(kLoadOrder.begin(), kLoadOrder.end()));
    if (auto s = addSettings(batch, dir, db.settings); !s) return s;
    addAnnexFlags(batch, dir, db.annexFlags);
    return batch.commit();
}

} // namespace zs::sched
