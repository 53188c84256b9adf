#include "cascade/cascade.h"
#include "core/data_files.h"
#include "core/entities.h"
#include "core/integrity.h"
#include "core/startup.h"
#include "rules/grid_check.h"
#include "rules/lock.h"
#include "rules/placement.h"
#include "school.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

namespace zs {
namespace {

using test::School;

// Teachers A, B, C are 1, 2, 3. Lesson 1 is taught in classes 1, 2 and 3; class lesson
// (1, 2) has teachers A, B, C; classes 3 and 4 share lesson 3 as a group of two, classes
// 1, 2 and 3 share lesson 4 as a group of three; rooms 1 and 2 serve several lessons.
// Lessons 2 and 5 form lesson group 1; teachers A and B keep duties.
School school() {
    School s;
    addLessonGroup(s.db, 1, "SAYISAL");
    s.lesson(1, 4).lesson(2, 3, 1).lesson(3, 2).lesson(4, 2).lesson(5, 2, 1);
    for (Id c = 1; c <= 4; ++c) s.klass(c);
    for (Id t = 1; t <= 4; ++t) s.teacher(t);
    s.room(1).room(2);
    s.classLesson(1, 1, {1}, {1});
    s.classLesson(2, 1, {2});
    s.classLesson(3, 1, {1});
    s.classLesson(1, 2, {1, 2, 3});
    s.classLesson(2, 2, {4});
    s.classLesson(4, 5, {4}, {1});
    s.classLesson(3, 3).classLesson(4, 3);
    s.group(1, {{3, 3}, {4, 3}}, {4}, {2});
    s.classLesson(1, 4).classLesson(2, 4).classLesson(3, 4);
    s.group(2, {{1, 4}, {2, 4}, {3, 4}}, {3}, {1, 2});
    addDutyPlace(s.db, 1, "BAHÇE");
    addDutyPlace(s.db, 2, "KORİDOR");
    addTeacherDuty(s.db, 1, 1, 1);
    addTeacherDuty(s.db, 2, 3, 1);
    addTeacherDuty(s.db, 1, 1, 2);

    // Placed hours of every class lesson, some of them locked.
    const struct {
        int slot;
        Id c, l;
    } hours[] = {{slotOf(1, 1), 1, 1}, {slotOf(1, 2), 1, 1}, {slotOf(1, 3), 1, 2},
                 {slotOf(2, 1), 2, 1}, {slotOf(2, 2), 2, 2}, {slotOf(3, 1), 3, 1},
                 {slotOf(3, 2), 3, 3}, {slotOf(3, 3), 4, 3}, {slotOf(4, 1), 2, 4},
                 {slotOf(4, 2), 1, 4}, {slotOf(5, 1), 4, 5}, {slotOf(5, 2), 1, 2}};
    for (auto h : hours) Place(s.db, h.slot, h.c, h.l);
    ToggleLock(s.db, CellOf::Class, 1, slotOf(1, 1));
    ToggleLock(s.db, CellOf::Teacher, 3, slotOf(4, 1));
    ToggleLock(s.db, CellOf::Class, 3, slotOf(3, 2));
    return s;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

int closedEmptyCells(const Database& db) {
    int n = 0;
    auto count = [&](const auto& g) {
        for (int i = 0; i < kSlots; ++i)
            n += g.planes[kOpenPlane][i] == 0 && g.planes[kOccupantPlane][i] == 0;
    };
    for (const auto& g : db.teacherTimetables) count(g);
    for (const auto& g : db.classTimetables) count(g);
    for (const auto& g : db.roomTimetables) count(g);
    return n;
}

bool anyTeacherLesson(const Database& db, std::function<bool(const TeacherLesson&)> pred) {
    return std::any_of(db.teacherLessons.begin(), db.teacherLessons.end(), pred);
}

std::vector<Id> teachersOf(const School& s, Id c, Id l) {
    const ClassLesson* cl = s.db.classLessons.find(c, l);
    return {cl->teachers.begin(), cl->teachers.begin() + cl->teacherCount};
}

struct CascadeCase {
    const char* name;
    std::vector<CascadeChange> changes; // each change the case makes, in order
    std::function<void(School&)> run;
    std::function<void(School&, const School&)> expect; // after, before
};
void PrintTo(const CascadeCase& c, std::ostream* os) {
    *os << c.name;
}

class Cascade : public ::testing::TestWithParam<CascadeCase> {};

// Each change leaves sound tables and grids, and writing only the files it names over
// the files of the state before gives back exactly the state in memory.
TEST_P(Cascade, LeavesNoDanglingReference) {
    const CascadeCase& c = GetParam();
    School s = school();
    ASSERT_TRUE(checkReferences(s.db).empty()) << joined(checkReferences(s.db));
    ASSERT_TRUE(checkGridConsistency(s.db).empty());
    const School before = s;
    test::TempDir dir;
    const DataDir data{dir.path()};
    ASSERT_TRUE(
        saveTables(s.db, data, std::vector<DataFile>(kLoadOrder.begin(), kLoadOrder.end())));

    c.run(s);
    c.expect(s, before);
    EXPECT_TRUE(checkReferences(s.db).empty()) << joined(checkReferences(s.db));
    EXPECT_TRUE(checkGridConsistency(s.db).empty()) << joined(checkGridConsistency(s.db));
    EXPECT_EQ(closedEmptyCells(s.db), 0);

    for (CascadeChange change : c.changes) ASSERT_TRUE(saveTables(s.db, data, filesOf(change)));
    Database reloaded;
    LoadReport report;
    ASSERT_TRUE(loadWorkingDirectory(reloaded, data, report));
    for (DataFile f : kLoadOrder)
        EXPECT_EQ(encodeTable(reloaded, f), encodeTable(s.db, f)) << fileName(f);
}

INSTANTIATE_TEST_SUITE_P(
    Deletion, Cascade,
    ::testing::Values(
        CascadeCase{"lesson_of_three_classes",
                    {CascadeChange::LessonDeleted},
                    [](School& s) { deleteLesson(s.db, 1); },
                    [](School& s, const School& before) {
                        EXPECT_FALSE(s.db.lessons.contains(1));
                        EXPECT_EQ(firstClassLessonOfLesson(s.db, 1), nullptr);
                        EXPECT_FALSE(anyTeacherLesson(
                            s.db, [](const TeacherLesson& r) { return r.lessonId == 1; }));
                        for (Id c : {1, 2, 3}) EXPECT_EQ(placedCount(s.db, c, 1), 0);
                        // Other lessons' hours in those classes stay.
                        for (auto [c, l] : {std::pair<Id, Id>{1, 2}, {2, 2}, {3, 3}, {1, 4}})
                            EXPECT_EQ(placedCount(s.db, c, l), placedCount(before.db, c, l));
                        EXPECT_EQ(s.tt(1).placedHours, 2); // lesson 2 in class 1 twice
                    }},
        CascadeCase{"class_lesson_of_a_group_of_two",
                    {CascadeChange::ClassLessonDeleted},
                    [](School& s) { deleteClassLesson(s.db, 3, 3); },
                    [](School& s, const School&) {
                        EXPECT_FALSE(s.db.classLessons.contains(3, 3));
                        EXPECT_FALSE(s.db.commonGroups.contains(1));
                        EXPECT_EQ(s.cl(4, 3).commonGroupId, 0);
                        EXPECT_EQ(placedCount(s.db, 4, 3), 0);
                    }},
        CascadeCase{"unassign_from_one_member_of_three",
                    {CascadeChange::TeacherUnassigned},
                    [](School& s) { EXPECT_EQ(unassignTeacher(s.db, 3, 2, 4), 3); },
                    [](School& s, const School&) {
                        for (Id c : {1, 2, 3}) {
                            EXPECT_EQ(s.cl(c, 4).teacherCount, 0);
                            EXPECT_EQ(placedCount(s.db, c, 4), 0);
                        }
                        EXPECT_FALSE(anyTeacherLesson(s.db, [](const TeacherLesson& r) {
                            return r.teacherId == 3 && r.lessonId == 4;
                        }));
                        EXPECT_EQ(s.tt(3).placedHours, 2); // lesson 2 of class 1 stays
                        EXPECT_EQ(s.tt(3).placedOnDay[3], 0);
                    }},
        CascadeCase{"teachers_a_b_c_remove_a",
                    {CascadeChange::TeacherUnassigned},
                    [](School& s) { EXPECT_EQ(unassignTeacher(s.db, 1, 1, 2), 1); },
                    [](School& s, const School&) {
                        EXPECT_EQ(teachersOf(s, 1, 2), (std::vector<Id>{3, 2}));
                        EXPECT_EQ(s.cl(1, 2).teachers[2], 0);
                        EXPECT_EQ(placedCount(s.db, 1, 2), 0);
                    }},
        CascadeCase{"teacher_not_in_the_list",
                    {CascadeChange::TeacherUnassigned},
                    [](School& s) {
                        EXPECT_EQ(unassignTeacher(s.db, 4, 1, 2), 1);
                        EXPECT_EQ(unassignTeacher(s.db, 2, 1, 1), 1); // a list of one
                    },
                    [](School& s, const School& before) {
                        EXPECT_EQ(teachersOf(s, 1, 2), (std::vector<Id>{1, 2, 3}));
                        EXPECT_EQ(teachersOf(s, 1, 1), (std::vector<Id>{1}));
                        for (DataFile f : kLoadOrder)
                            EXPECT_EQ(encodeTable(s.db, f), encodeTable(before.db, f));
                    }},
        CascadeCase{"second_of_four_classes",
                    {CascadeChange::ClassDeleted},
                    [](School& s) { deleteClass(s.db, 2); },
                    [](School& s, const School&) {
                        ASSERT_EQ(s.db.classes.count(), 3);
                        for (int i = 0; i < 3; ++i) EXPECT_EQ(s.db.classes.rows[i].order, i + 1);
                        EXPECT_EQ(s.db.classes.rows[1].id, 3);
                        EXPECT_FALSE(s.db.classTimetables.contains(2));
                        EXPECT_EQ(firstClassLessonOfClass(s.db, 2), nullptr);
                        EXPECT_EQ(s.db.commonGroups.find(2)->memberCount, 2);
                    }},
        CascadeCase{"room_of_every_member",
                    {CascadeChange::RoomDeleted},
                    [](School& s) { deleteRoom(s.db, 1); },
                    [](School& s, const School&) {
                        for (const ClassLesson& cl : s.db.classLessons) {
                            const auto end = cl.rooms.begin() + cl.roomCount;
                            EXPECT_EQ(std::find(cl.rooms.begin(), end, 1), end);
                            EXPECT_EQ(std::count(end, cl.rooms.end(), 0),
                                      kMaxRoomsPerClassLesson - cl.roomCount);
                        }
                        for (Id c : {1, 2, 3}) EXPECT_EQ(s.cl(c, 4).roomCount, 1);
                        EXPECT_FALSE(s.db.roomTimetables.contains(1));
                        EXPECT_EQ(s.db.rooms.rows[0].order, 1);
                        EXPECT_EQ(placedCount(s.db, 1, 1), 2); // the hours stay placed
                    }},
        CascadeCase{"room_from_a_member",
                    {CascadeChange::RoomRemovedFromClassLesson},
                    [](School& s) { removeRoomFromClassLesson(s.db, 3, 4, 2); },
                    [](School& s, const School&) {
                        for (Id c : {1, 2, 3}) EXPECT_EQ(s.cl(c, 4).roomCount, 1);
                        EXPECT_EQ(s.rt(2).planes[kOccupantPlane][slotOf(4, 1) - 1], 0);
                        EXPECT_NE(s.rt(2).planes[kOccupantPlane][slotOf(3, 2) - 1], 0);
                        EXPECT_NE(s.rt(1).planes[kOccupantPlane][slotOf(4, 1) - 1], 0);
                    }},
        CascadeCase{"teacher_with_duties",
                    {CascadeChange::TeacherDeleted},
                    [](School& s) { deleteTeacher(s.db, 1); },
                    [](School& s, const School&) {
                        EXPECT_FALSE(s.db.teacherTimetables.contains(1));
                        EXPECT_EQ(s.db.teacherDuties.size(), 1u);
                        EXPECT_EQ(s.db.dutyPlaces.find(1)->dutyCount[0], 1);
                        EXPECT_EQ(s.db.dutyPlaces.find(2)->dutyCount[2], 0);
                        EXPECT_EQ(teachersOf(s, 1, 2), (std::vector<Id>{3, 2}));
                        EXPECT_EQ(placedCount(s.db, 1, 1), 0);
                        EXPECT_EQ(placedCount(s.db, 2, 1), 1); // taught by B
                        for (int i = 0; i < 3; ++i) EXPECT_EQ(s.db.teachers.rows[i].order, i + 1);
                    }},
        CascadeCase{"lesson_group",
                    {CascadeChange::LessonGroupDeleted},
                    [](School& s) { deleteLessonGroup(s.db, 1); },
                    [](School& s, const School&) {
                        EXPECT_EQ(s.db.lessonGroups.count(), 0);
                        for (const Lesson& l : s.db.lessons) EXPECT_EQ(l.groupId, 0);
                    }},
        CascadeCase{"member_of_a_group_of_three",
                    {CascadeChange::TeacherUnassigned, CascadeChange::CommonGroupMemberRemoved},
                    [](School& s) {
                        // The group's hours go first, as the common lessons screen requires.
                        unassignTeacher(s.db, 3, 1, 4);
                        removeFromCommonGroup(s.db, 1, 4);
                    },
                    [](School& s, const School&) {
                        EXPECT_EQ(s.cl(1, 4).commonGroupId, 0);
                        const CommonGroup& g = *s.db.commonGroups.find(2);
                        EXPECT_EQ(g.memberCount, 2);
                        EXPECT_EQ(g.memberClass[0], 3); // the last member moved up
                        EXPECT_EQ(g.memberClass[2], 0);
                    }},
        CascadeCase{"small_groups",
                    {CascadeChange::TeacherUnassigned, CascadeChange::CommonGroupMemberRemoved,
                     CascadeChange::SmallGroupsDissolved},
                    [](School& s) {
                        unassignTeacher(s.db, 4, 3, 3);
                        removeFromCommonGroup(s.db, 3, 3);
                        addCommonGroup(s.db, 7);
                        dissolveSmallGroups(s.db);
                    },
                    [](School& s, const School&) {
                        EXPECT_EQ(s.db.commonGroups.count(), 1);
                        EXPECT_EQ(s.cl(4, 3).commonGroupId, 0);
                    }},
        CascadeCase{"duty_place",
                    {CascadeChange::DutyPlaceDeleted},
                    [](School& s) { deleteDutyPlace(s.db, 1); },
                    [](School& s, const School&) {
                        EXPECT_EQ(s.db.teacherDuties.size(), 1u);
                        EXPECT_EQ(s.db.dutyPlaces.rows[0].order, 1);
                    }},
        CascadeCase{"all_duties",
                    {CascadeChange::DutiesCleared},
                    [](School& s) { clearAllDuties(s.db); },
                    [](School& s, const School&) {
                        EXPECT_TRUE(s.db.teacherDuties.empty());
                        EXPECT_EQ(s.db.dutyPlaces.count(), 2);
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cascade, LockedHoursTakenOutLeaveOpenCells) {
    School s = school();
    for (const ClassTimetable& g : s.db.classTimetables)
        for (int slot = 1; slot <= kSlots; ++slot)
            if (g.planes[kOccupantPlane][slot - 1] && g.planes[kOpenPlane][slot - 1])
                ToggleLock(s.db, CellOf::Class, g.classId, slot);
    for (const ClassTimetable& g : s.db.classTimetables)
        for (int i = 0; i < kSlots; ++i)
            ASSERT_FALSE(g.planes[kOccupantPlane][i] && g.planes[kOpenPlane][i]);

    deleteLesson(s.db, 2);
    deleteTeacher(s.db, 4);
    deleteClass(s.db, 1);
    EXPECT_EQ(closedEmptyCells(s.db), 0);
    EXPECT_TRUE(checkReferences(s.db).empty()) << joined(checkReferences(s.db));
    EXPECT_TRUE(checkGridConsistency(s.db).empty()) << joined(checkGridConsistency(s.db));
}

TEST(Cascade, GuidanceLessonDeletionClearsItsSlots) {
    School s = school();
    Settings& st = s.db.settings;
    st.guidanceLessonId = 5;
    st.guidanceMorningDay = 2;
    st.guidanceMorningHour = 3;
    st.guidanceAfternoonDay = 4;
    st.guidanceAfternoonHour = 8;
    EXPECT_EQ(deleteLesson(s.db, 3), SettingsChange::None);
    EXPECT_EQ(st.guidanceLessonId, 5);
    EXPECT_EQ(deleteLesson(s.db, 5), SettingsChange::Changed);
    EXPECT_EQ(st.guidanceLessonId, 0);
    EXPECT_EQ(st.guidanceMorningDay, 0);
    EXPECT_EQ(st.guidanceMorningHour, 0);
    EXPECT_EQ(st.guidanceAfternoonDay, 0);
    EXPECT_EQ(st.guidanceAfternoonHour, 0);
}

TEST(Cascade, RemovingADutyThatIsNotThereKeepsTheCount) {
    School s = school();
    EXPECT_FALSE(removeTeacherDuty(s.db, 1, 2, 1));
    EXPECT_FALSE(removeTeacherDuty(s.db, 1, 1, 3));
    EXPECT_EQ(s.db.dutyPlaces.find(1)->dutyCount[0], 2);
    EXPECT_TRUE(removeTeacherDuty(s.db, 1, 1, 2));
    EXPECT_EQ(s.db.dutyPlaces.find(1)->dutyCount[0], 1);
}

// Random placements and locks, then random deletions: every state in between is sound.
class RandomDeletions : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomDeletions, KeepTablesAndGridsSound) {
    School s = school();
    Database& db = s.db;
    std::mt19937 rng(GetParam());
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int i = 0; i < 300; ++i) {
        const ClassLesson& cl = db.classLessons.rows[pick(0, db.classLessons.count() - 1)];
        if (pick(0, 4) == 0)
            ToggleLock(db, CellOf::Class, cl.classId, pick(1, kSlots));
        else
            Place(db, pick(1, kSlots), cl.classId, cl.lessonId);
    }
    ASSERT_TRUE(checkReferences(db).empty()) << joined(checkReferences(db));
    for (int step = 0; step < 12 && db.classLessons.count() > 0; ++step) {
        const ClassLesson cl = db.classLessons.rows[pick(0, db.classLessons.count() - 1)];
        const Id teacher = cl.teacherCount ? cl.teachers[0] : 1;
        switch (pick(0, 5)) {
        case 0:
            deleteLesson(db, cl.lessonId);
            break;
        case 1:
            deleteClass(db, cl.classId);
            break;
        case 2:
            deleteTeacher(db, teacher);
            break;
        case 3:
            deleteRoom(db, cl.roomCount ? cl.rooms[0] : 2);
            break;
        case 4:
            deleteClassLesson(db, cl.classId, cl.lessonId);
            break;
        default:
            unassignTeacher(db, teacher, cl.classId, cl.lessonId);
            break;
        }
        ASSERT_TRUE(checkReferences(db).empty()) << "step " << step << "\n"
                                                 << joined(checkReferences(db));
        ASSERT_TRUE(checkGridConsistency(db).empty()) << "step " << step << "\n"
                                                      << joined(checkGridConsistency(db));
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomDeletions, ::testing::Values(3u, 11u, 99u, 500u, 8191u));

} // namespace
} // namespace zs
