#include "core/cp1254.h"
#include "core/entities.h"
#include "core/menu_conditions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zs {
namespace {

struct Contents {
    bool lesson = false;
    bool schoolClass = false;
    bool teacher = false;
    bool classLesson = false;
    bool teacherLesson = false;
};

Database make(const Contents& c) {
    Database db;
    if (c.lesson || c.classLesson || c.teacherLesson)
        addLesson(db, 1, 0, 2, Pattern{2, 0, 0, 0, 0}, "MAT", "MATEMATIK", 1);
    if (c.schoolClass || c.classLesson || c.teacherLesson) addSchoolClass(db, 1, "9", "A");
    if (c.teacher || c.teacherLesson) addTeacher(db, 1, "AYSE", "", "", "");
    if (c.classLesson || c.teacherLesson) addClassLesson(db, 1, 1);
    if (c.teacherLesson) addTeacherLesson(db, 1, 1, 1);
    db.reindexAll();
    return db;
}

// Open, refuse silently, no-class notice, no-lesson-no-class notice, what the distribution
// lacks (teachers, lessons given to classes, both), no lesson given to a teacher.
enum Expect { O, R, N1, N2, DT, DL, DB, NT };

struct Case {
    const char* name;
    Contents contents;
    // DailyLessonCounts, ClassLessons, TeacherDistribution, TeacherTimetable,
    // ClassTimetable, NewTimetable
    Expect expect[6];
};

const Case kCases[] = {
    {"empty", {}, {N1, N2, DB, NT, NT, R}},
    {"lessonsOnly", {.lesson = true}, {N1, R, DB, NT, NT, R}},
    {"classesOnly", {.schoolClass = true}, {O, R, DB, NT, NT, R}},
    {"teachersOnly", {.teacher = true}, {N1, N2, DL, NT, NT, R}},
    {"lessonsAndClasses", {.lesson = true, .schoolClass = true}, {O, O, DB, NT, NT, R}},
    {"teachersAndClasses", {.schoolClass = true, .teacher = true}, {O, R, DL, NT, NT, O}},
    {"classLessonNoTeacher", {.classLesson = true}, {O, O, DT, NT, NT, R}},
    {"classLessonAndTeacher", {.teacher = true, .classLesson = true}, {O, O, O, NT, NT, O}},
    {"teacherLesson", {.teacherLesson = true}, {O, O, O, O, O, O}},
};

const MenuButton kConditional[6] = {MenuButton::DailyLessonCounts,   MenuButton::ClassLessons,
                                    MenuButton::TeacherDistribution, MenuButton::TeacherTimetable,
                                    MenuButton::ClassTimetable,      MenuButton::NewTimetable};

class MenuConditionTest : public ::testing::TestWithParam<Case> {};

TEST_P(MenuConditionTest, ConditionalButtons) {
    const Case& c = GetParam();
    const Database db = make(c.contents);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const MenuAnswer a = menuCondition(db, kConditional[i]);
        switch (c.expect[i]) {
        case O:
            EXPECT_EQ(a.verdict, MenuVerdict::Open);
            break;
        case R:
            EXPECT_EQ(a.verdict, MenuVerdict::Refuse);
            break;
        case N1:
            EXPECT_EQ(a.verdict, MenuVerdict::Notice);
            EXPECT_EQ(a.notice, noClassNotice());
            break;
        case N2:
            EXPECT_EQ(a.verdict, MenuVerdict::Notice);
            EXPECT_EQ(a.notice, noLessonNoClassNotice());
            break;
        case DT:
        case DL:
        case DB:
            EXPECT_EQ(a.verdict, MenuVerdict::Notice);
            EXPECT_EQ(a.notice, distributionNotice(c.expect[i] == DL, c.expect[i] == DT));
            break;
        case NT:
            EXPECT_EQ(a.verdict, MenuVerdict::Notice);
            EXPECT_EQ(a.notice, noTeacherLessonNotice());
            break;
        }
        if (c.expect[i] == O || c.expect[i] == R) {
            EXPECT_TRUE(a.notice.empty());
        }
    }
}

TEST_P(MenuConditionTest, UnconditionalButtonsAlwaysOpen) {
    const Database db = make(GetParam().contents);
    for (MenuButton b : {MenuButton::Lessons, MenuButton::ClassesRooms, MenuButton::Teachers,
                         MenuButton::Backup, MenuButton::Help, MenuButton::Exit})
        EXPECT_EQ(menuCondition(db, b).verdict, MenuVerdict::Open);
}

INSTANTIATE_TEST_SUITE_P(States, MenuConditionTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MenuNotices, AreTheExactCodePageTexts) {
    EXPECT_EQ(cp1254::toUtf8(noClassNotice()),
              "Programda hiçbir SINIF tanımlanmamış. SINIF tanımlamak için SINIFLAR bölümüne "
              "giriniz.");
    EXPECT_EQ(cp1254::toUtf8(noLessonNoClassNotice()),
              "Programda hiçbir DERS ve SINIF tanımlanmamış. DERS tanımlamak için DERSLER "
              "bölümüne, SINIF tanımlamak için SINIFLAR bölümüne giriniz.");
    // One byte per letter: "ı" is 0xFD and "ş" 0xFE in the code page, never UTF-8 pairs.
    for (const std::string* text : {&noClassNotice(), &noLessonNoClassNotice()}) {
        const std::string utf8 = cp1254::toUtf8(*text);
        std::size_t letters = 0;
        for (unsigned char c : utf8) letters += (c & 0xC0) != 0x80;
        EXPECT_EQ(text->size(), letters);
    }
    EXPECT_EQ(cp1254::toUtf8(distributionNotice(false, false)),
              "Programda hiçbir ÖĞRETMEN tanımlanmamış. ÖĞRETMEN tanımlamak için ÖĞRETMENLER "
              "bölümüne giriniz. Sınıflara hiç ders verilmemiş. Sınıflara ders vermek için "
              "SINIFTA OKUTULAN DERSLER bölümüne giriniz.");
    EXPECT_EQ(cp1254::toUtf8(noTeacherLessonNotice()),
              "Öğretmenlere hiç ders verilmemiş. Öğretmenlere ders vermek için ÖĞRETMEN DERS "
              "DAĞITIMI bölümüne giriniz.");
    EXPECT_NE(noClassNotice().find('\xFD'), std::string::npos);
    EXPECT_NE(noClassNotice().find('\xFE'), std::string::npos);
}

} // namespace
} // namespace zs
