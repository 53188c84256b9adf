#include "unplaced_report.h"

#include "feasibility.h"
#include "timetable_view.h"

#include <algorithm>

namespace zs::sched {

UnplacedReport unplacedReport(const Database& db) {
    UnplacedReport report;
    for (const Teacher& t : db.teachers) {
        for (const TeacherLesson& tl : db.teacherLessons) {
            if (tl.teacherId != t.id) continue;
            const int remaining = lessonRemaining(db, tl.classId, tl.lessonId);
            if (remaining <= 0) continue;
            UnplacedRow row{tl.teacherId, tl.classId, tl.lessonId, t.name, {}, {}, remaining};
            if (const SchoolClass* c = db.classes.find(tl.classId))
                row.className = c->name + " " + c->section;
            if (const Lesson* l = db.lessons.find(tl.lessonId)) row.lessonName = l->name;
            report.rows.push_back(std::move(row));
        }
    }
    report.total = unplacedClassHours(db);
    if (report.total > 0) report.impossible = impossibleNow(db);
    return report;
}

int unplacedClassHours(const Database& db) {
    int hours = 0;
    for (const ClassLesson& cl : db.classLessons) {
        if (cl.teacherCount == 0) continue;
        if (const CommonGroup* g = db.commonGroups.find(cl.commonGroupId))
            if (g->memberCount > 0 && g->memberClass[0] != cl.classId) continue;
        hours += std::max(0, lessonRemaining(db, cl.classId, cl.lessonId));
    }
    return hours;
}

} // namespace zs::sched
