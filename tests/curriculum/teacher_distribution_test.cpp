#include "core/display_names.h"
#include "curriculum/common_groups.h"
#include "curriculum/teacher_distribution.h"
#include "curriculum/teacher_load.h"
#include "curriculum/unassigned_lessons.h"
#include "curriculum_school.h"
#include "rules/placement.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::cell;
using test::CurriculumSchool;
using test::expectSound;

// Classes 1..3 share lesson 1 (2 hours) as common group 1; class 1 also has lesson 2.
CurriculumSchool groupSchool() {
    CurriculumSchool s;
    s.lesson(1, 2, "SEÇMELİ").lesson(2, 4, "FİZİK");
    s.klass(1, "9").klass(2, "10").klass(3, "11");
    s.teacher(1, "ALİ").teacher(2, "AYŞE");
    s.room(1, "LAB");
    s.teach(1, 1).teach(2, 1).teach(3, 1).teach(1, 2);
    const NewGroup g = newCommonGroup(s.db);
    for (Id c : {1, 2, 3}) EXPECT_FALSE(joinCommonGroup(s.db, g.groupId, c, 1));
    return s;
}

std::vector<std::pair<Id, Id>> lessonsOf(const Database& db, Id teacherId) {
    std::vector<std::pair<Id, Id>> out;
    for (const TeacherLesson* r : teacherLessonsOf(db, teacherId))
        out.emplace_back(r->classId, r->lessonId);
    return out;
}

TEST(TeacherDistribution, TheChecksAnswerInTheirOrder) {
    struct Case {
        const char* name;
        std::function<void(CurriculumSchool&)> setup;
        GiveVerdict verdict;
        std::string text;
    } cases[] = {
        {"free_lesson", [](CurriculumSchool&) {}, GiveVerdict::Give, ""},
        {"another_teacher_has_it", [](CurriculumSchool& s) { giveClassLesson(s.db, 2, 1, 2); },
         GiveVerdict::AskAgain, " AYŞE,"},
        {"this_teacher_has_it", [](CurriculumSchool& s) { giveClassLesson(s.db, 1, 1, 2); },
         GiveVerdict::AlreadyGiven, "Bu ders, bu öğretmene verilmiş."},
        {"placed_comes_first",
         [](CurriculumSchool& s) {
             giveClassLesson(s.db, 1, 1, 2);
             ASSERT_TRUE(Place(s.db, slotOf(1, 1), 1, 2));
         },
         GiveVerdict::Placed,
         "Bu ders, haftalık ders programında yerleştirilmiş.  Bu dersi birden fazla öğretmene "
         "vermek için önce programdan bu dersi silin."},
        {"fifteen_teachers",
         [](CurriculumSchool& s) {
             for (Id t = 3; t < 3 + kMaxTeachersPerClassLesson; ++t) {
                 s.teacher(t, "T" + std::to_string(t));
                 giveClassLesson(s.db, t, 1, 2);
             }
         },
         GiveVerdict::TeachersFull,
         "Bir derse en fazla 15 öğretmen verilebilir. Bu ders başka bir öğretmene verilemez."},
    };
    for (const Case& c : cases) {
        CurriculumSchool s = groupSchool();
        c.setup(s);
        const GiveCheck check = checkGive(s.db, 1, 1, 2);
        EXPECT_EQ(check.verdict, c.verdict) << c.name;
        EXPECT_EQ(cp1254::toUtf8(check.text), c.text) << c.name;
    }
}

TEST(TeacherDistribution, TheSixteenthTeacherIsRefusedWithoutWritingPastTheList) {
    CurriculumSchool s = groupSchool();
    for (Id t = 3; t < 3 + kMaxTeachersPerClassLesson; ++t) {
        s.teacher(t, "T" + std::to_string(t));
        ASSERT_EQ(giveClassLesson(s.db, t, 1, 2), 1);
    }
    EXPECT_EQ(giveClassLesson(s.db, 1, 1, 2), 0);
    EXPECT_EQ(s.cl(1, 2).teacherCount, kMaxTeachersPerClassLesson);
    EXPECT_TRUE(teacherLessonsOf(s.db, 1).empty());
    expectSound(s.db);
}

TEST(TeacherDistribution, SeveralTeachersAreListedInTheQuestion) {
    CurriculumSchool s = groupSchool();
    giveClassLesson(s.db, 2, 1, 2);
    giveClassLesson(s.db, 1, 1, 2);
    EXPECT_EQ(cp1254::toUtf8(presentTeachersText(s.db, 1, 2)), " AYŞE, ALİ,");
}

TEST(TeacherDistribution, AGroupLessonGoesToEveryMember) {
    CurriculumSchool s = groupSchool();
    EXPECT_EQ(checkGive(s.db, 1, 2, 1).verdict, GiveVerdict::Give);
    EXPECT_EQ(giveClassLesson(s.db, 1, 2, 1), 3);
    EXPECT_EQ(lessonsOf(s.db, 1), (std::vector<std::pair<Id, Id>>{{1, 1}, {2, 1}, {3, 1}}));
    for (Id c : {1, 2, 3}) {
        EXPECT_EQ(s.cl(c, 1).teacherCount, 1);
        EXPECT_EQ(s.cl(c, 1).teachers[0], 1);
    }
    EXPECT_EQ(checkGive(s.db, 1, 3, 1).verdict, GiveVerdict::AlreadyGiven);
    expectSound(s.db);
}

TEST(TeacherDistribution, TakingAGroupLessonBackEmptiesEveryMembersGrid) {
    CurriculumSchool s = groupSchool();
    ASSERT_EQ(giveClassLesson(s.db, 1, 1, 1), 3);
    ASSERT_EQ(giveClassLesson(s.db, 1, 1, 2), 1);
    ASSERT_TRUE(Place(s.db, slotOf(2, 1), 2, 1));
    ASSERT_TRUE(Place(s.db, slotOf(2, 2), 2, 1));
    ASSERT_TRUE(Place(s.db, slotOf(3, 1), 1, 2));
    ASSERT_EQ(s.tt(1).placedHours, 3);
    for (Id c : {1, 2, 3}) ASSERT_EQ(cell(s.ct(c).planes[kOccupantPlane], 2, 1), 1);
    expectSound(s.db);

    EXPECT_EQ(cp1254::toUtf8(takeBackQuestion(s.db, 1, 3, 1)),
              "ALİ adındaki öğretmenden, 11 A sınıfının SEÇMELİ Dersi silinecek !");
    EXPECT_EQ(takeBackClassLesson(s.db, 1, 3, 1), 3);
    for (Id c : {1, 2, 3}) {
        EXPECT_EQ(placedCount(s.db, c, 1), 0) << "class " << int(c);
        EXPECT_EQ(s.cl(c, 1).teacherCount, 0);
    }
    EXPECT_EQ(s.tt(1).placedHours, 1); // the other lesson stays
    EXPECT_EQ(cell(s.ct(1).planes[kOccupantPlane], 3, 1), 2);
    EXPECT_EQ(lessonsOf(s.db, 1), (std::vector<std::pair<Id, Id>>{{1, 2}}));
    expectSound(s.db);
}

TEST(TeacherDistribution, ALessonTakenBackFromOneOfTwoTeachersStaysWithTheOther) {
    CurriculumSchool s = groupSchool();
    giveClassLesson(s.db, 1, 1, 2);
    giveClassLesson(s.db, 2, 1, 2);
    EXPECT_EQ(takeBackClassLesson(s.db, 1, 1, 2), 1);
    EXPECT_EQ(s.cl(1, 2).teacherCount, 1);
    EXPECT_EQ(s.cl(1, 2).teachers[0], 2);
    EXPECT_EQ(lessonTakenBackFiles(),
              (std::vector<DataFile>{DataFile::TeacherLesson, DataFile::ClassLesson,
                                     DataFile::TeacherTimetable, DataFile::ClassTimetable,
                                     DataFile::RoomTimetable}));
    expectSound(s.db);
}

TEST(TeacherDistribution, TheLoadSplitsMorningAndAfternoonAndCountsAGroupOnce) {
    CurriculumSchool s;
    s.lesson(1, 3, "A").lesson(2, 2, "B");
    s.klass(1, "9").klass(2, "10", 5, 10).klass(3, "11");
    s.teacher(1, "ALİ");
    s.teach(1, 1).teach(2, 2);
    giveClassLesson(s.db, 1, 1, 1);
    giveClassLesson(s.db, 1, 2, 2);
    TeacherLoad load = refreshTeacherLoad(s.db, 1);
    EXPECT_EQ(cp1254::toUtf8(teacherLoadText(load)), "DERS SAYISI=2, SBH=3, ÖĞL=2, TOP.=5");
    EXPECT_EQ(s.tt(1).morningHours, 3);
    EXPECT_EQ(s.tt(1).afternoonHours, 2);
    EXPECT_EQ(s.tt(1).totalHours, 5);
    EXPECT_EQ(cp1254::toUtf8(classShiftText(s.db, 1)), "SABAH");
    EXPECT_EQ(cp1254::toUtf8(classShiftText(s.db, 2)), "ÖĞLE");

    // Lesson 2 in classes 1 and 3 too, as one common group with class 2's.
    s.teach(1, 2).teach(3, 2);
    takeBackClassLesson(s.db, 1, 2, 2);
    const NewGroup g = newCommonGroup(s.db);
    for (Id c : {1, 2, 3}) ASSERT_FALSE(joinCommonGroup(s.db, g.groupId, c, 2));
    giveClassLesson(s.db, 1, 2, 2);
    load = refreshTeacherLoad(s.db, 1);
    EXPECT_EQ(load.lessons, 4);
    // Two morning and one afternoon member; the other two members' hours come off the
    // side of the first member's class.
    EXPECT_EQ(load.morning, 3 + 2 + 2 - 2 * 2);
    EXPECT_EQ(load.afternoon, 2);
    EXPECT_EQ(load.total, 5);
}

TEST(TeacherDistribution, RowAfterTakingBack) {
    struct Case {
        int row, count, taken, expected;
    } cases[] = {
        {0, 2, 1, 0},                // the next row moves up into the selection
        {2, 2, 1, 1},                // the last row went: the new last row
        {1, 1, 1, 0},                // one row left
        {0, 0, 1, -1},               // none left
        {4, 2, 3, 1},                // a group of three went from the end
        {3, 1, 3, 0},  {5, 2, 3, 1}, // never past the end
    };
    for (const Case& c : cases)
        EXPECT_EQ(rowAfterTakingBack(c.row, c.count, c.taken), c.expected)
            << c.row << " " << c.count << " " << c.taken;
}

TEST(TeacherDistribution, UnassignedLessonsAreThoseWithoutTeacher) {
    CurriculumSchool s = groupSchool();
    UnassignedLessons u = unassignedLessons(s.db);
    EXPECT_EQ(u.rows.size(), 4u);
    EXPECT_EQ(cp1254::toUtf8(unassignedSummary(u)), "DERS SAYISI = 4    TOPLAM SAAT = 10");
    giveClassLesson(s.db, 2, 2, 1);
    u = unassignedLessons(s.db);
    ASSERT_EQ(u.rows.size(), 1u);
    EXPECT_EQ(u.rows[0]->lessonId, 2);
    EXPECT_EQ(u.hours, 4);
}

} // namespace
} // namespace zs
