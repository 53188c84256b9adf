#include "unassigned_lessons.h"

#include "core/display_names.h"

namespace zs {

UnassignedLessons unassignedLessons(const Database& db) {
    UnassignedLessons u;
    for (const ClassLesson& cl : db.classLessons) {
        if (cl.teacherCount != 0) continue;
        u.rows.push_back(&cl);
        u.hours += lessonWeeklyHours(db, cl.lessonId);
    }
    return u;
}

std::string unassignedSummary(const UnassignedLessons& u) {
    return "DERS SAYISI = " + std::to_string(u.rows.size()) +
           "    TOPLAM SAAT = " + std::to_string(u.hours);
}

} // namespace zs
