#include "core/cp1254.h"
#include "scheduler/explain.h"
#include "scheduler/scheduler.h"
#include "scheduler/unplaced_report.h"
#include "views_school.h"

#include "cascade/cascade.h"
#include "rules/lock.h"

#include <gtest/gtest.h>

#include <set>

namespace zs::test {
namespace {

TEST(UnplacedReport, ListsEveryTeacherLessonWithItsTrueRemainder) {
    auto db = viewsSchool();
    const TeacherLesson* tl = plainLesson(*db);
    ASSERT_NE(tl, nullptr);
    ASSERT_TRUE(Place(*db, freeSlot(*db, *tl), tl->classId, tl->lessonId));
    const sched::UnplacedReport r = sched::unplacedReport(*db);
    int total = 0;
    std::size_t expectedRows = 0;
    for (const TeacherLesson& each : db->teacherLessons) {
        const int left = db->lessons.find(each.lessonId)->weeklyHours -
                         placedCount(*db, each.classId, each.lessonId);
        if (left > 0 && db->teachers.contains(each.teacherId)) ++expectedRows;
    }
    std::set<std::pair<Id, Id>> counted;
    int once = 0; // a lesson of two teachers, or of a common group, counts once
    for (const sched::UnplacedRow& row : r.rows) {
        const ClassLesson* cl = db->classLessons.find(row.classId, row.lessonId);
        const CommonGroup* g = cl ? db->commonGroups.find(cl->commonGroupId) : nullptr;
        const auto key = g ? std::pair<Id, Id>(g->memberClass[0], g->memberLesson[0])
                           : std::pair<Id, Id>(row.classId, row.lessonId);
        if (counted.insert(key).second) once += row.remaining;
        // A recount over the class grid, cell by cell.
        int placed = 0;
        for (int s = 1; s <= kSlots; ++s)
            placed += db->classTimetables.find(row.classId)->planes[kOccupantPlane][s - 1] ==
                      row.lessonId;
        EXPECT_EQ(row.remaining, db->lessons.find(row.lessonId)->weeklyHours - placed);
        EXPECT_GT(row.remaining, 0);
        total += row.remaining;
    }
    EXPECT_EQ(r.rows.size(), expectedRows);
    EXPECT_EQ(r.total, once);
    EXPECT_LT(r.total, total);
    const auto it = std::find_if(r.rows.begin(), r.rows.end(), [&](const sched::UnplacedRow& x) {
        return x.classId == tl->classId && x.lessonId == tl->lessonId;
    });
    ASSERT_GT(db->lessons.find(tl->lessonId)->weeklyHours, 1);
    ASSERT_NE(it, r.rows.end());
    EXPECT_EQ(it->remaining, db->lessons.find(tl->lessonId)->weeklyHours - 1);
}

// A deleted teacher's lessons stay in the classes without a teacher: listed once each,
// with all their hours, after the teachers' rows.
TEST(UnplacedReport, ListsClassLessonsWithoutATeacher) {
    auto db = viewsSchool();
    const TeacherLesson tl = *plainLesson(*db);
    ASSERT_TRUE(Place(*db, freeSlot(*db, tl), tl.classId, tl.lessonId));
    deleteTeacher(*db, tl.teacherId);
    const sched::UnplacedReport r = sched::unplacedReport(*db);
    int total = sched::unplacedClassHours(*db), teacherless = 0;
    for (const sched::UnplacedRow& row : r.rows) {
        if (row.teacherId != 0) continue;
        total += row.remaining;
        ++teacherless;
        EXPECT_EQ(row.teacherName, sched::noTeacherText());
        EXPECT_EQ(db->classLessons.find(row.classId, row.lessonId)->teacherCount, 0);
    }
    EXPECT_EQ(r.total, total);
    int expected = 0;
    for (const ClassLesson& cl : db->classLessons) expected += cl.teacherCount == 0;
    EXPECT_EQ(teacherless, expected);
    const auto it = std::find_if(r.rows.begin(), r.rows.end(), [&](const sched::UnplacedRow& x) {
        return x.teacherId == 0 && x.classId == tl.classId && x.lessonId == tl.lessonId;
    });
    ASSERT_NE(it, r.rows.end());
    EXPECT_EQ(it->remaining, db->lessons.find(tl.lessonId)->weeklyHours);
    EXPECT_EQ(r.rows.back().teacherId, 0);
}

TEST(UnplacedReport, EmptyWhenEverythingIsPlaced) {
    auto db = viewsSchool();
    const TeacherLesson* tl = plainLesson(*db);
    ASSERT_TRUE(Place(*db, freeSlot(*db, *tl), tl->classId, tl->lessonId));
    // Each lesson's weekly hours lowered to what its classes hold: nothing is left over.
    for (Lesson& l : db->lessons)
        for (const ClassLesson& cl : db->classLessons)
            if (cl.lessonId == l.id)
                l.weeklyHours = std::min<u8>(l.weeklyHours, u8(placedCount(*db, cl.classId, l.id)));
    const sched::UnplacedReport r = sched::unplacedReport(*db);
    EXPECT_TRUE(r.rows.empty());
    EXPECT_EQ(r.total, 0);
}

TEST(Explain, NamesTheBusyTeacherAndTheClosedCell) {
    auto db = viewsSchool();
    const TeacherLesson* tl = plainLesson(*db);
    ASSERT_NE(tl, nullptr);
    // Another lesson of the same teacher in another class, placed by hand.
    const TeacherLesson* other = nullptr;
    for (const TeacherLesson& x : db->teacherLessons)
        if (x.teacherId == tl->teacherId && x.classId != tl->classId &&
            db->classLessons.find(x.classId, x.lessonId)->teacherCount == 1)
            other = &x;
    ASSERT_NE(other, nullptr);
    const int busy = freeSlot(*db, *other);
    ASSERT_TRUE(Place(*db, busy, other->classId, other->lessonId));
    // On a later day, so that no block reaches both.
    const int closed = freeSlot(*db, *tl, slotOf(dayOf(busy) + 1, 1));
    ASSERT_GT(closed, 0);
    ASSERT_TRUE(ToggleLock(*db, CellOf::Teacher, tl->teacherId, closed));

    const Bytes before = encodeTable(*db, DataFile::TeacherTimetable);
    const sched::LessonExplanation e = sched::explainLesson(*db, tl->classId, tl->lessonId);
    EXPECT_EQ(encodeTable(*db, DataFile::TeacherTimetable), before);
    ASSERT_GE(e.blockLength, 1);

    // Every block that covers the busy cell names the teacher and what it teaches there.
    const sched::CellExplanation& atBusy = e.cells[busy - 1];
    EXPECT_EQ(atBusy.reason, sched::CellReason::TeacherBusy);
    EXPECT_EQ(atBusy.teacherId, tl->teacherId);
    EXPECT_EQ(atBusy.classId, other->classId);
    EXPECT_EQ(atBusy.lessonId, other->lessonId);
    EXPECT_NE(sched::explanationText(*db, atBusy).find(db->classes.find(other->classId)->name),
              std::string::npos)
        << sched::explanationText(*db, atBusy);
    EXPECT_EQ(e.cells[closed - 1].reason, sched::CellReason::TeacherClosed);
}

// A double click that does nothing is told why, from the checks placing by hand makes.
TEST(Explain, HandRefusalNamesWhatStandsInTheWay) {
    auto db = viewsSchool();
    const TeacherLesson* tl = plainLesson(*db);
    const TeacherLesson* other = nullptr;
    for (const TeacherLesson& x : db->teacherLessons)
        if (x.teacherId == tl->teacherId && x.classId != tl->classId &&
            db->classLessons.find(x.classId, x.lessonId)->teacherCount == 1)
            other = &x;
    ASSERT_NE(other, nullptr);
    const int busy = freeSlot(*db, *other);
    const int free = freeSlot(*db, *tl, busy + 1);
    ASSERT_TRUE(CanPlace(*db, busy, tl->classId, tl->lessonId));
    ASSERT_TRUE(Place(*db, busy, other->classId, other->lessonId));
    const int closed = freeSlot(*db, *tl, free + 1);
    ASSERT_TRUE(ToggleLock(*db, CellOf::Class, tl->classId, closed));
    const ClassTimetable& ct = *db->classTimetables.find(tl->classId);
    const int outside = slotOf(1, ct.lastHour[0] + 1);

    using R = sched::CellReason;
    const struct {
        int slot;
        R reason;
    } cases[] = {{free, R::Fits},
                 {busy, R::TeacherBusy},
                 {closed, R::ClassClosed},
                 {outside, R::OutsideClassHours}};
    for (const auto& c : cases)
        EXPECT_EQ(sched::handRefusal(*db, tl->classId, tl->lessonId, c.slot).reason, c.reason)
            << c.slot;
    const sched::CellExplanation atBusy = sched::handRefusal(*db, tl->classId, tl->lessonId, busy);
    EXPECT_EQ(atBusy.classId, other->classId);

    for (int n = db->lessons.find(tl->lessonId)->weeklyHours; n > 0; --n)
        ASSERT_TRUE(Place(*db, freeSlot(*db, *tl), tl->classId, tl->lessonId));
    EXPECT_EQ(sched::handRefusal(*db, tl->classId, tl->lessonId, free + 1).reason, R::NothingLeft);
}

TEST(Explain, NamesARuleOfTheChain) {
    auto db = viewsSchool();
    const TeacherLesson* tl = plainLesson(*db);
    ASSERT_NE(tl, nullptr);
    // The rules of the settings phase as strict as they go: a free day between parts.
    db->settings.dayBetweenParts = 1;
    const int first = freeSlot(*db, *tl);
    ASSERT_TRUE(Place(*db, first, tl->classId, tl->lessonId));
    const sched::LessonExplanation e = sched::explainLesson(*db, tl->classId, tl->lessonId);
    ASSERT_GT(e.blockLength, 0);
    int rules = 0;
    const std::string byHand = cp1254::lit("elle yerleştirilebilir.");
    const std::string notByHand = cp1254::lit("Elle de yerleştirilemez.");
    auto endsWith = [](const std::string& text, const std::string& end) {
        return text.size() >= end.size() &&
               text.compare(text.size() - end.size(), end.size(), end) == 0;
    };
    for (const auto& c : e.cells) {
        const std::string text = sched::explanationText(*db, c);
        // A rule of the run refuses where the hand may place; a busy cell stops both.
        if (c.reason >= sched::CellReason::SameLessonDay) {
            ++rules;
            EXPECT_TRUE(endsWith(text, byHand)) << text;
        }
        if (c.reason == sched::CellReason::ClassBusy) {
            EXPECT_TRUE(endsWith(text, notByHand)) << text;
        }
    }
    EXPECT_GT(rules, 0);
}

} // namespace
} // namespace zs::test
