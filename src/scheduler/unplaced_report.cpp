#include "unplaced_report.h"

#include "feasibility.h"
#include "timetable_view.h"

#include "core/cp1254.h"
#include "core/display_names.h"

#include <algorithm>

namespace zs::sched {

namespace {

// Hours nobody can place yet: they count in the total too, so that it stays honest after
// a teacher was deleted.
void addTeacherless(const Database& db, UnplacedReport& report) {
    for (const ClassLesson& cl : db.classLessons) {
        if (cl.teacherCount != 0) continue;
        const int remaining = lessonRemaining(db, cl.classId, cl.lessonId);
        if (remaining <= 0) continue;
        report.rows.push_back({0, cl.classId, cl.lessonId, noTeacherText(),
                               classTitle(db, cl.classId), lessonName(db, cl.lessonId), remaining});
        report.total += remaining;
    }
}

} // namespace

const std::string& noTeacherText() {
    static const std::string text = cp1254::lit("ÖĞRETMENİ YOK");
    return text;
}

UnplacedReport unplacedReport(const Database& db) {
    UnplacedReport report;
    for (const Teacher& t : db.teachers) {
        for (const TeacherLesson& tl : db.teacherLessons) {
            if (tl.teacherId != t.id) continue;
            const int remaining = lessonRemaining(db, tl.classId, tl.lessonId);
            if (remaining <= 0) continue;
            report.rows.push_back({tl.teacherId, tl.classId, tl.lessonId, t.name,
                                   classTitle(db, tl.classId), lessonName(db, tl.lessonId),
                                   remaining});
        }
    }
    report.total = unplacedClassHours(db);
    if (report.total > 0) report.impossible = impossibleNow(db);
    addTeacherless(db, report);
    return report;
}

bool placedAsUnit(const Database& db, const ClassLesson& cl) {
    if (cl.teacherCount == 0) return false;
    const CommonGroup* g = db.commonGroups.find(cl.commonGroupId);
    return !g || g->memberCount == 0 || g->memberClass[0] == cl.classId;
}

int unplacedClassHours(const Database& db) {
    int hours = 0;
    for (const ClassLesson& cl : db.classLessons) {
        if (!placedAsUnit(db, cl)) continue;
        hours += std::max(0, lessonRemaining(db, cl.classId, cl.lessonId));
    }
    return hours;
}

} // namespace zs::sched
