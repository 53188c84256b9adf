#include "sample_school.h"

#include "core/cp1254.h"
#include "core/entities.h"
#include "core/settings_file.h"
#include "rules/totals.h"
#include "sample_curriculum.h"
#include "sample_staff.h"

#include <algorithm>
#include <iterator>

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

// The lessons whose hours and pattern vary from school to school, with the forms they
// take: the usual ranges of a Turkish secondary school.
struct Variant {
    Id lessonId;
    std::array<std::pair<u8, Pattern>, 3> forms;
};

constexpr Variant kVariants[] = {
    {1, {{{4, {2, 2, 0, 0, 0}}, {5, {2, 2, 1, 0, 0}}, {6, {2, 2, 2, 0, 0}}}}},
    {2, {{{4, {2, 2, 0, 0, 0}}, {5, {2, 2, 1, 0, 0}}, {6, {2, 2, 2, 0, 0}}}}},
    {9, {{{3, {2, 1, 0, 0, 0}}, {4, {2, 2, 0, 0, 0}}, {4, {2, 1, 1, 0, 0}}}}},
    {8, {{{1, {1, 0, 0, 0, 0}}, {2, {1, 1, 0, 0, 0}}, {2, {2, 0, 0, 0, 0}}}}},
    {11, {{{2, {2, 0, 0, 0, 0}}, {2, {1, 1, 0, 0, 0}}, {3, {2, 1, 0, 0, 0}}}}},
    {3, {{{2, {2, 0, 0, 0, 0}}, {2, {1, 1, 0, 0, 0}}, {3, {2, 1, 0, 0, 0}}}}},
    {6, {{{2, {2, 0, 0, 0, 0}}, {2, {1, 1, 0, 0, 0}}, {3, {2, 1, 0, 0, 0}}}}},
};

// A class week holds 40 hours; the curricula keep two of them free.
constexpr int kMaxClassHours = 38;

int curriculumHours(const std::vector<LessonDef>& defs, int grade, bool vocational) {
    int sum = 0;
    for (Id id : curriculum(grade, vocational)) sum += defs[id - 1].weeklyHours;
    return sum;
}

std::vector<LessonDef> variedLessons(SampleRandom& rng) {
    std::vector<LessonDef> defs(lessons().begin(), lessons().end());
    std::vector<int> chosen;
    for (std::size_t k = 0; k < std::size(kVariants); ++k) chosen.push_back(rng.below(3));
    auto apply = [&] {
        for (std::size_t k = 0; k < chosen.size(); ++k) {
            LessonDef& d = defs[kVariants[k].lessonId - 1];
            d.weeklyHours = kVariants[k].forms[chosen[k]].first;
            d.pattern = kVariants[k].forms[chosen[k]].second;
        }
    };
    apply();
    // A school whose curriculum outgrows the week takes the smaller forms, in order.
    for (std::size_t k = 0; k < chosen.size(); ++k) {
        int most = 0;
        for (int grade = 9; grade <= 12; ++grade)
            most = std::max(most, curriculumHours(defs, grade, false));
        most = std::max(most, curriculumHours(defs, 12, true));
        if (most <= kMaxClassHours) break;
        chosen[k] = 0;
        apply();
    }
    return defs;
}

void addLessons(Database& db, const std::vector<LessonDef>& defs) {
    for (Group g : {kScience, kSocial, kArts})
        addLessonGroup(db, static_cast<Id>(g), cp1254::lit(groupName(g)));
    Id id = 0;
    for (const LessonDef& l : defs) {
        ++id;
        addLesson(db, id, static_cast<Id>(l.group), l.weeklyHours, l.pattern,
                  cp1254::lit(l.shortName), cp1254::lit(l.name), l.divisible);
    }
    sortLessons(db);
}

// What the seed decides about the school beyond its size.
struct Shape {
    std::array<int, 4> gradeWeight{}; // sections of grades 9..12 in proportion
    int afternoonGrades = 0;          // grade 9, or 9 and 10, study in the afternoon
    int annexClasses = 0;             // vocational classes in the annex
    int commonGroups = 0;
    int teamTaught = 0;
    int closedClassCells = 0;
    int teacherClosedOneIn = 6; // one teacher in so many keeps two hours closed
};

Shape shapeOf(int count, SampleRandom& rng) {
    Shape sh;
    for (int& w : sh.gradeWeight) w = 2 + rng.below(4);
    sh.afternoonGrades = count >= 8 ? rng.below(3) : 0;
    sh.annexClasses = count >= 6 ? rng.below(3) : 0;
    sh.commonGroups = rng.below(5);
    sh.teamTaught = rng.below(5);
    sh.closedClassCells = rng.below(5);
    sh.teacherClosedOneIn = 3 + rng.below(6);
    return sh;
}

// Grades 9..12 in runs of sections as the shape weighs them; the annex's vocational
// classes come last among the classes whose annex flag can be stored.
std::vector<ClassPlan> addClasses(Database& db, int count, const Shape& sh) {
    std::vector<ClassPlan> plans;
    std::array<int, 13> sectionsSoFar{};
    const int weights =
        sh.gradeWeight[0] + sh.gradeWeight[1] + sh.gradeWeight[2] + sh.gradeWeight[3];
    const int lastStored = std::min(count, static_cast<int>(kAnnexFileSize));
    int vocationalSoFar = 0;
    for (int k = 0; k < count; ++k) {
        ClassPlan p;
        p.id = static_cast<Id>(k + 1);
        int upTo = 0;
        p.grade = 12;
        for (int g = 0; g < 4; ++g) {
            upTo += sh.gradeWeight[g];
            if (k * weights < upTo * count) {
                p.grade = 9 + g;
                break;
            }
        }
        p.vocational = k >= lastStored - sh.annexClasses && k < lastStored;
        p.afternoon = !p.vocational && p.grade < 9 + sh.afternoonGrades;
        std::string section;
        if (p.vocational) {
            section = 'M';
            section += std::to_string(++vocationalSoFar);
        } else {
            p.section = sectionsSoFar[p.grade]++;
            section = sectionText(p.section);
        }
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

// Two sections of one grade take the lesson together, in as many groups as the shape
// asks, each of its own grade and lesson.
void addCommonGroups(Database& db, const std::vector<ClassPlan>& classes, int groups) {
    struct Wanted {
        int grade;
        Id lessonId;
    };
    constexpr Wanted kCandidates[] = {
        {11, kGermanLesson}, {12, kPsychology}, {10, kMusicLesson}, {9, kGermanLesson}};
    Id groupId = 0;
    for (Wanted w : kCandidates) {
        if (groupId >= groups) break;
        std::vector<Id> members;
        for (const ClassPlan& c : classes)
            if (c.grade == w.grade && !c.vocational && members.size() < 2 &&
                (members.empty() || classes[members[0] - 1].afternoon == c.afternoon))
                members.push_back(c.id);
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

// A few classes keep one hour closed at the end of a day.
void closeClassCells(Database& db, const std::vector<ClassPlan>& classes, int cells,
                     SampleRandom& rng) {
    for (int n = 0; n < cells && !classes.empty(); ++n) {
        const ClassPlan& c = classes[rng.below(static_cast<int>(classes.size()))];
        ClassTimetable& grid = *db.classTimetables.find(c.id);
        const int day = 1 + rng.below(kDays);
        if (usableHours(grid) <= classWeeklyHours(db, c.id)) continue;
        grid.planes[kOpenPlane][slotOf(day, grid.lastHour[day - 1]) - 1] = 0;
    }
}

// Break-time duties: a few places with two teachers each on every weekday, taken in turn
// through the staff so that everyone keeps about as many duties and nobody two at once.
void addDuties(Database& db) {
    const char* places[] = {"BAHÇE", "KANTİN", "GİRİŞ KATI", "1. KAT KORİDOR"};
    constexpr int kPlaces = static_cast<int>(std::size(places));
    for (int k = 0; k < kPlaces; ++k)
        addDutyPlace(db, static_cast<Id>(k + 1), cp1254::lit(places[k]));
    const std::size_t staff = db.teachers.rows.size();
    const std::size_t perDay = std::min<std::size_t>(2 * kPlaces, staff);
    std::size_t next = 0;
    for (int day = 1; day <= kDays; ++day)
        for (std::size_t k = 0; k < perDay; ++k)
            addTeacherDuty(db, static_cast<Id>(k % kPlaces + 1), static_cast<u8>(day),
                           db.teachers.rows[next++ % staff].id);
}

void keepFreeDays(Database& db) {
    for (TeacherTimetable& tt : db.teacherTimetables) {
        if (tt.totalHours == 0 || tt.totalHours > 24) continue;
        const int day = 1 + tt.teacherId % kDays;
        for (int hour = 1; hour <= kHoursPerDay; ++hour)
            tt.planes[kOpenPlane][slotOf(day, hour) - 1] = 0;
    }
}

} // namespace

void buildSampleSchool(Database& db, const SampleOptions& options) {
    const int count = std::clamp(options.classes, 1, kMaxRecords);
    SampleRandom rng(options.seed);
    db.clearTables();
    db.annexFlags = {};
    setSettings(db);
    const std::vector<LessonDef> defs = variedLessons(rng);
    addLessons(db, defs);
    const Shape shape = shapeOf(count, rng);
    const std::vector<ClassPlan> classes = addClasses(db, count, shape);
    addCommonGroups(db, classes, shape.commonGroups);
    const Staff staff = addStaff(db, classes, rng, {shape.teamTaught, shape.teacherClosedOneIn});
    addRooms(db, classes, staff);
    db.reindexAll();
    closeClassCells(db, classes, shape.closedClassCells, rng);
    addDuties(db);
    updateClassWeeklyHours(db);
    updateRoomWeeklyHours(db);
    updateAllTeacherWeeklyTotals(db);
    if (options.freeDays) {
        keepFreeDays(db);
        updateAllTeacherWeeklyTotals(db);
    }
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
