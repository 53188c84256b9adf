#include "core/cp1254.h"
#include "core/entities.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using cp1254::lit;

Pattern pat(u8 a, u8 b = 0, u8 c = 0) {
    return {a, b, c, 0, 0};
}

std::vector<std::string> lessonNames(const Database& db) {
    std::vector<std::string> names;
    for (const auto& l : db.lessons) names.push_back(cp1254::toUtf8(l.name));
    return names;
}

TEST(Entities, NextFreeIdTakesTheLowestGap) {
    Database db;
    for (Id id : {1, 2, 4}) ASSERT_TRUE(addLesson(db, id, 0, 2, pat(2), "X", "L", 1));
    EXPECT_EQ(nextFreeId(db.lessons), 3);
    ASSERT_TRUE(db.lessons.erase(1));
    EXPECT_EQ(nextFreeId(db.lessons), 1);
}

TEST(Entities, AFullTableRefusesTheAddition) {
    Database db;
    for (int id = 1; id <= 255; ++id) ASSERT_TRUE(addRoom(db, static_cast<Id>(id), "R"));
    EXPECT_EQ(nextFreeId(db.rooms), 0);
    EXPECT_FALSE(addRoom(db, 0, "R"));
    EXPECT_EQ(db.rooms.count(), 255);
    EXPECT_EQ(db.rooms.rows.back().order, 255);
}

TEST(Entities, AdditionsRefuseTakenIdsAndMissingReferences) {
    Database db;
    ASSERT_TRUE(addSchoolClass(db, 1, "9", "A"));
    EXPECT_FALSE(addSchoolClass(db, 1, "9", "B"));
    EXPECT_FALSE(addClassLesson(db, 1, 5)); // no lesson 5
    ASSERT_TRUE(addLesson(db, 5, 0, 3, pat(2, 1), "MAT", "MATEMATİK", 1));
    ASSERT_TRUE(addClassLesson(db, 1, 5));
    EXPECT_FALSE(addClassLesson(db, 1, 5));
    EXPECT_FALSE(addTeacherLesson(db, 9, 1, 5)); // no teacher 9
    EXPECT_FALSE(addTeacherDuty(db, 1, 3, 1));   // no duty place 1
}

TEST(Entities, LessonsSortByTurkishKey) {
    Database db;
    addLesson(db, 1, 0, 1, pat(1), "", lit("ÇİZİM"), 1);
    addLesson(db, 2, 0, 1, pat(1), "", lit("DİN"), 1);
    addLesson(db, 3, 0, 1, pat(1), "", lit("CEBİR"), 1);
    sortLessons(db);
    EXPECT_EQ(lessonNames(db), (std::vector<std::string>{"CEBİR", "ÇİZİM", "DİN"}));
    EXPECT_EQ(db.lessons.find(3), &db.lessons.rows[0]);

    // A renamed lesson stays in place until the next addition sorts again.
    db.lessons.find(3)->name = lit("ZOOLOJİ");
    EXPECT_EQ(lessonNames(db).front(), "ZOOLOJİ");
    addLesson(db, 4, 0, 1, pat(1), "", "BEDEN", 1);
    sortLessons(db);
    EXPECT_EQ(lessonNames(db), (std::vector<std::string>{"BEDEN", "ÇİZİM", "DİN", "ZOOLOJİ"}));
}

TEST(Entities, DigitsAndBlankSortAsTheirKeysSay) {
    Database db;
    addLesson(db, 1, 0, 1, pat(1), "", "A", 1);
    addLesson(db, 2, 0, 1, pat(1), "", "1A", 1);
    addLesson(db, 3, 0, 1, pat(1), "", "9A", 1);
    addLesson(db, 4, 0, 1, pat(1), "", " A", 1);
    sortLessons(db);
    EXPECT_EQ(lessonNames(db), (std::vector<std::string>{"9A", "A", " A", "1A"}));
}

TEST(Entities, EqualOrderKeepsRelativePositionAndMovesSwapNeighbours) {
    Database db;
    addTeacher(db, 1, "A", "", "", "");
    addTeacher(db, 2, "B", "", "", "");
    addTeacher(db, 3, "C", "", "", "");
    db.teachers.rows[0].order = 2;
    db.teachers.rows[1].order = 2;
    db.teachers.rows[2].order = 1;
    sortByOrder(db.teachers);
    EXPECT_EQ(db.teachers.rows[0].id, 3);
    EXPECT_EQ(db.teachers.rows[1].id, 1);
    EXPECT_EQ(db.teachers.rows[2].id, 2);
    // Two records of one place (damaged data): the move renumbers first, so it moves.
    ASSERT_TRUE(moveRecord(db.teachers, 2, -1));
    EXPECT_EQ(db.teachers.rows[1].id, 2);
    EXPECT_EQ(db.teachers.rows[2].id, 1);
    EXPECT_EQ(db.teachers.find(2)->order, 2);
    EXPECT_FALSE(moveRecord(db.teachers, 0, -1));
    EXPECT_FALSE(moveRecord(db.teachers, 2, +1));
}

TEST(Entities, ClassLessonsOfAClassStandInLessonNameOrder) {
    Database db;
    addSchoolClass(db, 1, "9", "A");
    addSchoolClass(db, 2, "9", "B");
    addLesson(db, 1, 0, 1, pat(1), "", "TARİH", 1);
    addLesson(db, 2, 0, 1, pat(1), "", "BİYOLOJİ", 1);
    addLesson(db, 3, 0, 1, pat(1), "", "KİMYA", 1);
    addClassLesson(db, 1, 1);
    addClassLesson(db, 2, 1);
    addClassLesson(db, 1, 3);
    addClassLesson(db, 1, 2);
    std::vector<std::pair<int, int>> order;
    for (const auto& r : db.classLessons) order.emplace_back(r.classId, r.lessonId);
    // Class 1's lessons are BİYOLOJİ, KİMYA, TARİH in the places class 1 held; class 2 keeps its
    // place.
    EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{1, 2}, {2, 1}, {1, 3}, {1, 1}}));
    EXPECT_EQ(db.classLessons.find(1, 1), &db.classLessons.rows[3]);
    EXPECT_EQ(db.classLessons.find(1, 2)->pattern, pat(1));
}

TEST(Entities, TeacherLessonsOrderByHoursThenNameThenClass) {
    Database db;
    addSchoolClass(db, 1, "9", "A");
    addSchoolClass(db, 2, "9", "B");
    addTeacher(db, 1, "T", "", "", "");
    addTeacher(db, 2, "U", "", "", "");
    addLesson(db, 1, 0, 2, pat(2), "", "FİZİK", 1);
    addLesson(db, 2, 0, 4, pat(2, 2), "", "MATEMATİK", 1);
    addLesson(db, 3, 0, 2, pat(2), "", "BİYOLOJİ", 1);
    for (Id c : {1, 2})
        for (Id l : {1, 2, 3}) addClassLesson(db, c, l);
    addTeacherLesson(db, 1, 2, 1);
    addTeacherLesson(db, 2, 1, 3);
    addTeacherLesson(db, 1, 1, 1);
    addTeacherLesson(db, 1, 2, 2);
    addTeacherLesson(db, 1, 1, 3);
    std::vector<std::tuple<int, int, int>> got;
    for (const auto& r : db.teacherLessons) got.emplace_back(r.teacherId, r.classId, r.lessonId);
    EXPECT_EQ(got, (std::vector<std::tuple<int, int, int>>{
                       {1, 2, 2}, {2, 1, 3}, {1, 1, 3}, {1, 1, 1}, {1, 2, 1}}));
    const ClassLesson* cl = db.classLessons.find(2, 2);
    EXPECT_EQ(cl->teacherCount, 1);
    EXPECT_EQ(cl->teachers[0], 1);
    EXPECT_NE(findTeacherLesson(db, 2, 1, 3), nullptr);
    EXPECT_EQ(findTeacherLesson(db, 2, 1, 1), nullptr);
}

TEST(Entities, ClassLessonTeacherListStopsAtFifteen) {
    Database db;
    addSchoolClass(db, 1, "9", "A");
    addLesson(db, 1, 0, 1, pat(1), "", "L", 1);
    addClassLesson(db, 1, 1);
    for (int t = 1; t <= 16; ++t) addTeacher(db, static_cast<Id>(t), "T", "", "", "");
    for (int t = 1; t <= 15; ++t) ASSERT_TRUE(addTeacherLesson(db, static_cast<Id>(t), 1, 1));
    EXPECT_FALSE(addTeacherLesson(db, 16, 1, 1));
    EXPECT_EQ(db.teacherLessons.size(), 15u);
    EXPECT_EQ(db.classLessons.find(1, 1)->teacherCount, 15);
}

TEST(Entities, QueriesFindFirstInTableOrder) {
    Database db;
    addLessonGroup(db, 3, "FEN");
    addLessonGroup(db, 1, "FEN");
    EXPECT_EQ(lessonGroupIdByName(db, "FEN"), 3);
    EXPECT_EQ(lessonGroupIdByName(db, "fen"), 0);
    addSchoolClass(db, 1, "9", "A");
    addLesson(db, 1, 0, 1, pat(1), "", "L", 1);
    EXPECT_EQ(firstClassLessonOfClass(db, 1), nullptr);
    addClassLesson(db, 1, 1);
    EXPECT_EQ(firstClassLessonOfLesson(db, 1)->classId, 1);
    EXPECT_TRUE(classLessonExists(db, 1, 1));
}

} // namespace
} // namespace zs
