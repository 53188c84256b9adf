#include "used_school.h"

#include "editors/class_editor.h"
#include "editors/lesson_editor.h"
#include "editors/placed_hours.h"
#include "editors/teacher_editor.h"

#include <gtest/gtest.h>

namespace zs::editors {
namespace {

using cp1254::lit;

std::string hoursLine(int n) {
    return "\n" + lit("Programa yerleşmiş ") + std::to_string(n) +
           lit(" ders saati de silinecek !");
}

// Each question names the record and, when the deletion takes placed hours (or a
// teacher's duties) with it, how many; a common lesson's teacher takes its hour out of both member
// classes.
TEST(DeletionQuestions, NameThePlacedHoursThatGo) {
    const Database db = test::usedSchool();
    struct Case {
        std::string question;
        std::string expected;
    } cases[] = {
        {teacherDeleteQuestion(db, *db.teachers.find(1)),
         lit("AYŞE KAYA adındaki öğretmen silinecek !") + hoursLine(4) +
             lit("\nÖğretmenin 2 nöbeti de silinecek !")},
        {teacherDeleteQuestion(db, *db.teachers.find(3)),
         lit("ZEYNEP ÖZ adındaki öğretmen silinecek !") + hoursLine(2)},
        {classDeleteQuestion(db, *db.classes.find(2)),
         lit("9 B Sınıfı silinecek !") + hoursLine(3)},
        {lessonDeleteQuestion(db, *db.lessons.find(2)),
         lit("FİZİK Dersi silinecek !") + hoursLine(3)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.question, c.expected);

    Database after = test::usedSchool();
    removeTeacher(after, 1);
    EXPECT_EQ(classDeleteQuestion(after, *after.classes.find(3)),
              lit("10 A Sınıfı silinecek !") + hoursLine(1));
    addEnteredTeacher(after, {lit("YENİ"), "", "", ""});
    EXPECT_EQ(teacherDeleteQuestion(after, *after.teachers.find(1)),
              lit("YENİ adındaki öğretmen silinecek !"));
}

// The figure told is the figure lost: the hours leave every class's week.
TEST(DeletionQuestions, CountWhatTheCascadeRemoves) {
    struct Case {
        int (*count)(const Database&, Id);
        Outcome (*remove)(Database&, Id);
        Id id;
    } cases[] = {{teacherPlacedHours, removeTeacher, 1}, {teacherPlacedHours, removeTeacher, 3},
                 {classPlacedHours, removeClass, 1},     {classPlacedHours, removeClass, 3},
                 {lessonPlacedHours, removeLesson, 1},   {lessonPlacedHours, removeLesson, 2}};
    for (const Case& c : cases) {
        Database db = test::usedSchool();
        const int before = test::placedHours(db);
        const int told = c.count(db, c.id);
        c.remove(db, c.id);
        EXPECT_EQ(before - test::placedHours(db), told) << int(c.id);
    }
}

} // namespace
} // namespace zs::editors
