#include "curriculum/class_lesson_pattern.h"
#include "curriculum_school.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::CurriculumSchool;

TEST(ClassLessonPattern, StoresTheClassesOwnPatternAndDivisibility) {
    CurriculumSchool s;
    s.lesson(1, 4, "FİZİK").klass(1, "9").klass(2, "10").teach(1, 1).teach(2, 1);
    ASSERT_TRUE(storeClassLessonPattern(s.db, 1, 1, "H", "2+2"));
    EXPECT_EQ(s.cl(1, 1).pattern, (Pattern{2, 2, 0, 0, 0}));
    EXPECT_EQ(s.cl(1, 1).blockCount, 2);
    EXPECT_EQ(s.cl(1, 1).divisible, 0);
    ASSERT_TRUE(storeClassLessonPattern(s.db, 1, 1, "E", "4"));
    EXPECT_EQ(s.cl(1, 1).pattern, (Pattern{4, 0, 0, 0, 0}));
    EXPECT_EQ(s.cl(1, 1).blockCount, 1);
    EXPECT_EQ(s.cl(1, 1).divisible, 1);
    // The lesson and the other class keep theirs.
    EXPECT_EQ(s.cl(2, 1).pattern, (Pattern{1, 1, 1, 1, 0}));
    EXPECT_EQ(s.db.lessons.find(1)->pattern, (Pattern{1, 1, 1, 1, 0}));

    EXPECT_FALSE(storeClassLessonPattern(s.db, 1, 1, "E", "3+1+1"));
    EXPECT_FALSE(storeClassLessonPattern(s.db, 1, 1, "", "2+2"));
    EXPECT_FALSE(storeClassLessonPattern(s.db, 2, 2, "E", "2+2"));
    EXPECT_EQ(s.cl(1, 1).pattern, (Pattern{4, 0, 0, 0, 0}));
    test::expectSound(s.db);
}

} // namespace
} // namespace zs
