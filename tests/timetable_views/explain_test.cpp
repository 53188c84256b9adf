#include "scheduler/explain.h"
#include "views_school.h"

#include "rules/lock.h"
#include "rules/patterns.h"
#include "rules/prepare_teacher.h"
#include "rules/slots.h"

#include <gtest/gtest.h>

namespace zs::test {
namespace {

using sched::CellReason;

// A plain teacher lesson whose next block has `length` hours and whose teacher works in
// one shift only.
const TeacherLesson* plainLessonWithBlock(Database& db, int length) {
    for (const TeacherLesson& tl : db.teacherLessons) {
        const ClassLesson* cl = db.classLessons.find(tl.classId, tl.lessonId);
        if (!cl || cl->teacherCount != 1 || cl->commonGroupId != 0 || cl->roomCount != 0) continue;
        if (nextBlock(db, tl.classId, tl.lessonId) != length) continue;
        PrepareTeacher(db, tl.teacherId);
        const TeacherTimetable* tt = db.teacherTimetables.find(tl.teacherId);
        if (tt && run_values::bothShifts(*tt) == 0) return &tl;
    }
    return nullptr;
}

CellReason reasonAt(const Database& db, const TeacherLesson& tl, int day, int hour) {
    return sched::explainLesson(db, tl.classId, tl.lessonId).cells[slotOf(day, hour) - 1].reason;
}

TEST(Explain, NamesTheBlocksOnPairsRule) {
    auto db = viewsSchool();
    db->settings.guidanceLessonId = 0;
    db->settings.blocksOnPairs = 1;
    for (ClassTimetable& ct : db->classTimetables) {
        ct.firstHour.fill(1);
        ct.lastHour.fill(6);
    }
    const TeacherLesson* tl = plainLessonWithBlock(*db, 2);
    ASSERT_NE(tl, nullptr);
    EXPECT_EQ(reasonAt(*db, *tl, 1, 2), CellReason::BlocksOnPairs);
    EXPECT_EQ(reasonAt(*db, *tl, 1, 4), CellReason::BlocksOnPairs);
    EXPECT_NE(reasonAt(*db, *tl, 1, 3), CellReason::BlocksOnPairs);
    const auto e = sched::explainLesson(*db, tl->classId, tl->lessonId);
    EXPECT_EQ(sched::explanationText(*db, e.cells[slotOf(1, 2) - 1]).rfind("Kural", 0), 0u);

    // A day that does not end at hour 6 or 12 takes the rule out of force.
    db->classTimetables.rows.front().lastHour[4] = 7;
    EXPECT_NE(reasonAt(*db, *tl, 1, 2), CellReason::BlocksOnPairs);
    db->classTimetables.rows.front().lastHour[4] = 6;
    db->settings.blocksOnPairs = 0;
    EXPECT_NE(reasonAt(*db, *tl, 1, 2), CellReason::BlocksOnPairs);
}

TEST(Explain, NamesTheLessonsLastHourWhileAnEarlierDayHasRoom) {
    auto db = viewsSchool();
    const TeacherLesson* tl = plainLessonWithBlock(*db, 1);
    ASSERT_NE(tl, nullptr);
    db->lessons.find(tl->lessonId)->notAfterHour = 2;
    const ClassTimetable& ct = *db->classTimetables.find(tl->classId);
    const int first = ct.firstHour[0];
    ASSERT_GE(ct.lastHour[0], first + 2);
    EXPECT_EQ(reasonAt(*db, *tl, 1, first + 2), CellReason::NotAfterHour);
    EXPECT_NE(reasonAt(*db, *tl, 1, first + 1), CellReason::NotAfterHour);

    // With no early hour open for the teacher on any day, the block may go later.
    for (int day = 1; day <= kDays; ++day) {
        const int f = db->classTimetables.find(tl->classId)->firstHour[std::size_t(day - 1)];
        for (int h = f; f != 0 && h < f + 2; ++h) {
            TeacherTimetable& tt = *db->teacherTimetables.find(tl->teacherId);
            if (tt.planes[kOpenPlane][slotIndex(slotOf(day, h))] != 0) {
                ASSERT_TRUE(ToggleLock(*db, CellOf::Teacher, tl->teacherId, slotOf(day, h)));
            }
        }
    }
    EXPECT_NE(reasonAt(*db, *tl, 1, first + 2), CellReason::NotAfterHour);
}

} // namespace
} // namespace zs::test
