#include "scheduler/cell_description.h"
#include "scheduler/timetable_view.h"
#include "views_school.h"

#include "core/cp1254.h"
#include "rules/lock.h"

#include <gtest/gtest.h>

namespace zs::test {
namespace {

using sched::CellColour;

TEST(TeacherCell, ClosedEmptyHourShowsTheMarkInLimeOnRed) {
    auto db = viewsSchool();
    const TeacherLesson* tl = plainLesson(*db);
    ASSERT_NE(tl, nullptr);
    const int slot = freeSlot(*db, *tl);
    ASSERT_TRUE(ToggleLock(*db, CellOf::Teacher, tl->teacherId, slot));
    const sched::TimetableSelection sel{tl->teacherId, tl->classId, tl->lessonId, 0, slot};
    const sched::CellView v = sched::teacherCellView(*db, sel, slot);
    EXPECT_EQ(v.text, "   _");
    EXPECT_EQ(v.textColour, CellColour::Lime);
    EXPECT_EQ(v.background, CellColour::Red);
    EXPECT_FALSE(v.frame);
}

TEST(TeacherCell, SelectedLessonIsYellowAndFreeCellIsLimeWithFrame) {
    auto db = viewsSchool();
    const TeacherLesson* tl = plainLesson(*db);
    const int slot = freeSlot(*db, *tl);
    sched::TimetableSelection sel{tl->teacherId, tl->classId, tl->lessonId, 0, slot};
    sched::CellView v = sched::teacherCellView(*db, sel, slot);
    EXPECT_EQ(v.background, CellColour::Lime);
    EXPECT_TRUE(v.frame);
    ASSERT_TRUE(Place(*db, slot, tl->classId, tl->lessonId));
    v = sched::teacherCellView(*db, sel, slot);
    EXPECT_EQ(v.textColour, CellColour::Yellow);
    EXPECT_EQ(v.background, CellColour::Black);
    EXPECT_EQ(v.text, sched::compactClassName(*db->classes.find(tl->classId)));
    EXPECT_FALSE(v.frame);
}

// Tenth-grade classes must not all read "10".
TEST(TeacherCell, ClassNameKeepsItsSection) {
    const struct {
        const char* name;
        const char* section;
        const char* shown;
    } cases[] = {{"10", "A", "10A"},
                 {"10", "1", "10-1"},
                 {"9", "", "9"},
                 {"ANA", "B", "ANA-B"},
                 {"10 ", " A", "10A"}};
    for (const auto& c : cases) {
        SchoolClass k;
        k.name = c.name;
        k.section = c.section;
        EXPECT_EQ(sched::compactClassName(k), c.shown) << c.name << c.section;
    }
}

TEST(CellDescription, NamesClassLessonTeachersAndRoom) {
    auto db = viewsSchool();
    const TeacherLesson* tl = plainLesson(*db);
    const int slot = freeSlot(*db, *tl);
    EXPECT_EQ(cp1254::toUtf8(sched::cellDescription(*db, CellOf::Teacher, tl->teacherId, slot)),
              "Boş");
    ASSERT_TRUE(Place(*db, slot, tl->classId, tl->lessonId));
    const SchoolClass* c = db->classes.find(tl->classId);
    const std::string expected =
        cp1254::toUtf8(cp1254::lit("SINIF: ") + c->name + " " + c->section +
                       cp1254::lit("\nDERS: ") + db->lessons.find(tl->lessonId)->name +
                       cp1254::lit("\nÖĞRETMEN: ") + db->teachers.find(tl->teacherId)->name);
    for (CellOf kind : {CellOf::Teacher, CellOf::Class}) {
        const Id owner = kind == CellOf::Teacher ? tl->teacherId : tl->classId;
        EXPECT_EQ(cp1254::toUtf8(sched::cellDescription(*db, kind, owner, slot)), expected);
    }
}

TEST(Counters, FollowAPlacement) {
    auto db = viewsSchool();
    const TeacherLesson* tl = plainLesson(*db);
    const sched::TimetableSelection sel{tl->teacherId, tl->classId, tl->lessonId, 0, 0};
    const sched::TeacherCounters before = sched::teacherCounters(*db, sel);
    ASSERT_TRUE(Place(*db, freeSlot(*db, *tl), tl->classId, tl->lessonId));
    const sched::TeacherCounters after = sched::teacherCounters(*db, sel);
    EXPECT_EQ(after.remaining, before.remaining - 1);
    EXPECT_EQ(after.lessonRemaining, before.lessonRemaining - 1);
    EXPECT_EQ(after.total, after.morning + after.afternoon);
}

TEST(ClassCell, ClosedClassCellIsRed) {
    auto db = viewsSchool();
    const TeacherLesson* tl = plainLesson(*db);
    const int slot = freeSlot(*db, *tl);
    ASSERT_TRUE(ToggleLock(*db, CellOf::Class, tl->classId, slot));
    const sched::TimetableSelection sel{tl->teacherId, tl->classId, tl->lessonId, 0, slot};
    const sched::CellView v = sched::classCellView(*db, sel, slot);
    EXPECT_EQ(v.background, CellColour::Red);
}

} // namespace
} // namespace zs::test
