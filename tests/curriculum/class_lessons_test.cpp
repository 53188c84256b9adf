#include "core/display_names.h"
#include "curriculum/class_lessons.h"
#include "curriculum_school.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::CurriculumSchool;
using test::expectSound;

std::vector<std::string> namesOf(const Database& db, Id classId) {
    std::vector<std::string> out;
    for (const ClassLesson* cl : classLessonsOf(db, classId))
        out.push_back(cp1254::toUtf8(lessonName(db, cl->lessonId)));
    return out;
}

// Class 1 runs 30 hours a week; lessons of 20, 8, 2 and 3 hours.
CurriculumSchool thirtyHours() {
    CurriculumSchool s;
    s.lesson(1, 20, "TÜRKÇE").lesson(2, 8, "MATEMATİK").lesson(3, 2, "MÜZİK");
    s.lesson(4, 3, "RESİM");
    s.klass(1, "9");
    return s;
}

TEST(ClassLessons, CapacityLimitsTheLessonsAdded) {
    struct Case {
        const char* name;
        Id lesson;
        AddLessonOutcome outcome;
    } cases[] = {
        {"two_hours_fill_the_week", 3, AddLessonOutcome::Added},
        {"three_hours_are_one_too_many", 4, AddLessonOutcome::OverCapacity},
    };
    for (const Case& c : cases) {
        CurriculumSchool s = thirtyHours();
        ASSERT_EQ(addLessonToClass(s.db, 1, 1).outcome, AddLessonOutcome::Added);
        ASSERT_EQ(addLessonToClass(s.db, 1, 2).outcome, AddLessonOutcome::Added);
        ASSERT_EQ(classLessonsTotal(s.db, 1), 28);
        const AddLessonResult r = addLessonToClass(s.db, 1, c.lesson);
        EXPECT_EQ(r.outcome, c.outcome) << c.name;
        EXPECT_EQ(r.capacity, 30) << c.name;
        EXPECT_EQ(s.db.classLessons.contains(1, c.lesson), c.outcome == AddLessonOutcome::Added)
            << c.name;
        expectSound(s.db);
    }
}

TEST(ClassLessons, OverCapacityMessageNamesTheCapacity) {
    EXPECT_EQ(cp1254::toUtf8(overCapacityMessage(30)),
              "Bu sınıfa 30 den fazla ders veremezsiniz. Bu sınıfta bu dersin okutulup "
              "okutulmadığını kontrol ediniz. Okutuluyorsa, daha önceden okutulmayan bir ders "
              "girmiş veya günlük ders sayılarını yanlış girmiş olabilirsiniz.");
}

TEST(ClassLessons, ALessonAlreadyTaughtIsIgnoredUnlessTheClassIsFull) {
    CurriculumSchool s = thirtyHours();
    ASSERT_EQ(addLessonToClass(s.db, 1, 2).outcome, AddLessonOutcome::Added);
    EXPECT_EQ(addLessonToClass(s.db, 1, 2).outcome, AddLessonOutcome::AlreadyTaught);
    EXPECT_EQ(s.db.classLessons.count(), 1);
    ASSERT_EQ(addLessonToClass(s.db, 1, 1).outcome, AddLessonOutcome::Added);
    // 28 of 30 hours taken: the capacity test comes first and refuses the 8 hours again.
    EXPECT_EQ(addLessonToClass(s.db, 1, 2).outcome, AddLessonOutcome::OverCapacity);
    EXPECT_EQ(s.db.classLessons.count(), 2);
}

TEST(ClassLessons, AClassWithoutLessonsCountsNothing) {
    CurriculumSchool s = thirtyHours();
    EXPECT_TRUE(classLessonsOf(s.db, 1).empty());
    EXPECT_EQ(classLessonsTotal(s.db, 1), 0);
}

TEST(ClassLessons, CopyingAppendsTheMissingLessonsInTheSourcesOrder) {
    CurriculumSchool s;
    s.lesson(1, 2, "A").lesson(2, 2, "B").lesson(3, 2, "C");
    s.klass(1, "9").klass(2, "10");
    s.teach(1, 1).teach(1, 2).teach(2, 2).teach(2, 3);
    EXPECT_EQ(copyClassLessons(s.db, 1, 2), 1);
    EXPECT_EQ(namesOf(s.db, 2), (std::vector<std::string>{"B", "C", "A"}));
    EXPECT_EQ(namesOf(s.db, 1), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(copyClassLessons(s.db, 2, 2), 0);
    expectSound(s.db);
}

TEST(ClassLessons, CopyingTakesTheLessonsPatternAndMakesNoCapacityTest) {
    CurriculumSchool s;
    s.lesson(1, 20, "A").lesson(2, 20, "B");
    s.klass(1, "9").klass(2, "10", 1, 2); // ten hours a week
    s.teach(1, 1).teach(1, 2);
    s.db.lessons.find(2)->divisible = 1;
    EXPECT_EQ(copyClassLessons(s.db, 1, 2), 2);
    EXPECT_EQ(classLessonsTotal(s.db, 2), 40);
    const ClassLesson& copied = s.cl(2, 2);
    EXPECT_EQ(copied.divisible, 1);
    EXPECT_EQ(copied.pattern, (Pattern{20, 0, 0, 0, 0}));
    EXPECT_EQ(copied.blockCount, 1);
    EXPECT_EQ(copied.teacherCount, 0);
    EXPECT_EQ(copied.commonGroupId, 0);
    // The add on the screen still refuses any more once the week is overfull.
    s.lesson(3, 1, "C");
    EXPECT_EQ(addLessonToClass(s.db, 2, 3).outcome, AddLessonOutcome::OverCapacity);
}

TEST(ClassLessons, TheCopySourceIsTheClassBefore) {
    CurriculumSchool s;
    s.klass(1, "9").klass(2, "10").klass(3, "11");
    EXPECT_EQ(defaultCopySource(s.db, 3), 2);
    EXPECT_EQ(defaultCopySource(s.db, 2), 1);
    EXPECT_EQ(defaultCopySource(s.db, 1), 1);
    EXPECT_EQ(cp1254::toUtf8(copySourceLine(s.db, 2)), "10 A Sınıfının Dersleri");
    EXPECT_EQ(cp1254::toUtf8(copyTargetLine(s.db, 3)), "11 A Sınıfına Kopyalanacak");
}

TEST(ClassLessons, DeletionAsksByClassAndLesson) {
    CurriculumSchool s = thirtyHours();
    s.teach(1, 2);
    EXPECT_EQ(cp1254::toUtf8(deleteClassLessonQuestion(s.db, 1, 2)),
              "9 A Sınıfından MATEMATİK Dersi silinecek !");
}

} // namespace
} // namespace zs
