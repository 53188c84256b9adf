#include "teacher_editor.h"

#include "ordered_move.h"
#include "placed_hours.h"

#include "core/cascade.h"
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/text.h"

#include <algorithm>

namespace zs::editors {

bool teacherEntryValid(const TeacherEntry& e) {
    return !e.name.empty();
}

Outcome addEnteredTeacher(Database& db, const TeacherEntry& e) {
    if (!teacherEntryValid(e)) return refused(Verdict::Invalid);
    const Id id = nextFreeId(db.teachers);
    if (id == 0) return refused(Verdict::TableFull);
    // A grid left behind under this identifier by damaged files is not the new teacher's.
    db.teacherTimetables.erase(id);
    if (!addTeacher(db, id, e.name, e.branch, e.homeroomClass, e.club))
        return refused(Verdict::TableFull);
    addTeacherTimetable(db, id);
    return {Verdict::Done, {{DataFile::Teacher, DataFile::TeacherTimetable}}, id};
}

Outcome editTeacher(Database& db, Id teacherId, const TeacherEntry& e) {
    Teacher* t = db.teachers.find(teacherId);
    if (!t) return refused(Verdict::NoRecord);
    if (!teacherEntryValid(e)) return refused(Verdict::Invalid);
    t->name = cut(e.name, kTeacherNameLength);
    t->branch = cut(e.branch, kBranchLength);
    t->homeroomClass = cut(e.homeroomClass, kHomeroomLength);
    t->club = cut(e.club, kClubLength);
    return {Verdict::Done, {{DataFile::Teacher}}, teacherId};
}

Outcome moveTeacher(Database& db, int row, int direction) {
    return moveOrdered(db.teachers, DataFile::Teacher, row, direction);
}

TeacherEntry entryOf(const Teacher& t) {
    return {t.name, t.branch, t.homeroomClass, t.club};
}

std::string teacherDeleteQuestion(const Database& db, const Teacher& teacher) {
    std::string question =
        withPlacedHours(teacher.name + cp1254::lit(" adındaki öğretmen silinecek !"),
                        teacherPlacedHours(db, teacher.id));
    // The cascade takes the teacher's duties too: the question says so before it happens.
    const auto duties =
        std::count_if(db.teacherDuties.begin(), db.teacherDuties.end(),
                      [&](const TeacherDuty& d) { return d.teacherId == teacher.id; });
    if (duties > 0)
        question += "\n" + cp1254::lit("Öğretmenin ") + std::to_string(duties) +
                    cp1254::lit(" nöbeti de silinecek !");
    return question;
}

Outcome removeTeacher(Database& db, Id teacherId) {
    if (!db.teachers.contains(teacherId)) return refused(Verdict::NoRecord);
    deleteTeacher(db, teacherId);
    return {Verdict::Done, {filesOf(CascadeChange::TeacherDeleted)}, teacherId};
}

ListRows teacherRows(const Database& db) {
    ListRows rows;
    rows.reserve(db.teachers.rows.size());
    for (const Teacher& t : db.teachers)
        rows.push_back({t.id,
                        {std::to_string(t.id), std::to_string(t.order), t.name, t.branch,
                         t.homeroomClass, t.club}});
    return rows;
}

} // namespace zs::editors
