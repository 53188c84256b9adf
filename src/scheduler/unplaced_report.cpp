#include "unplaced_report.h"

#include "timetable_view.h"

#include "core/cp1254.h"

namespace zs::sched {

namespace {

std::string classText(const Database& db, Id classId) {
    const SchoolClass* c = db.classes.find(classId);
    return c ? c->name + " " + c->section : std::string();
}

std::string lessonText(const Database& db, Id lessonId) {
    const Lesson* l = db.lessons.find(lessonId);
    return l ? l->name : std::string();
}

void addTeacherless(const Database& db, UnplacedReport& report) {
    for (const ClassLesson& cl : db.classLessons) {
        if (cl.teacherCount != 0) continue;
        const int remaining = lessonRemaining(db, cl.classId, cl.lessonId);
        if (remaining <= 0) continue;
        report.rows.push_back({0, cl.classId, cl.lessonId, noTeacherText(),
                               classText(db, cl.classId), lessonText(db, cl.lessonId), remaining});
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
            UnplacedRow row{tl.teacherId, tl.classId, tl.lessonId, t.name, {}, {}, remaining};
            if (const SchoolClass* c = db.classes.find(tl.classId))
                row.className = c->name + " " + c->section;
            if (const Lesson* l = db.lessons.find(tl.lessonId)) row.lessonName = l->name;
            report.rows.push_back(std::move(row));
            report.total += remaining;
        }
    }
    addTeacherless(db, report);
    return report;
}

} // namespace zs::sched
