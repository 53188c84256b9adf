// A small sample school with fresh totals, and the hand changes the tests make on it.
#pragma once

#include "rules/placement.h"
#include "rules/totals.h"
#include "sample/sample_school.h"

#include <memory>

namespace zs::test {

inline std::unique_ptr<Database> viewsSchool() {
    auto db = std::make_unique<Database>();
    sched::buildSampleSchool(*db, {4, 3});
    updateAllTeacherWeeklyTotals(*db);
    updateClassWeeklyHours(*db);
    return db;
}

// The first teacher lesson that has a single teacher, no common group and no room.
inline const TeacherLesson* plainLesson(const Database& db) {
    for (const TeacherLesson& tl : db.teacherLessons) {
        const ClassLesson* cl = db.classLessons.find(tl.classId, tl.lessonId);
        if (cl && cl->teacherCount == 1 && cl->commonGroupId == 0 && cl->roomCount == 0) return &tl;
    }
    return nullptr;
}

// The first slot where the lesson can be placed by hand.
inline int freeSlot(const Database& db, const TeacherLesson& tl, int from = 1) {
    for (int s = from; s <= kSlots; ++s)
        if (CanPlace(db, s, tl.classId, tl.lessonId)) return s;
    return 0;
}

} // namespace zs::test
