#include "curriculum_rows.h"

#include "core/display_names.h"
#include "curriculum/class_lessons.h"

#include <string>

namespace zs::ui {

editors::ListRows classRows(const Database& db) {
    editors::ListRows rows;
    for (const SchoolClass& c : db.classes)
        rows.push_back({c.id, {std::to_string(c.id), c.name, c.section}});
    return rows;
}

editors::ListRows lessonRows(const Database& db) {
    editors::ListRows rows;
    for (const Lesson& l : db.lessons)
        rows.push_back({l.id, {std::to_string(l.id), l.name, std::to_string(l.weeklyHours)}});
    return rows;
}

editors::ListRows classLessonRows(const Database& db, Id classId, bool withRoom) {
    editors::ListRows rows;
    for (const ClassLesson* cl : classLessonsOf(db, classId)) {
        editors::ListRow row{cl->lessonId,
                             {std::to_string(cl->classId), std::to_string(cl->lessonId),
                              lessonName(db, cl->lessonId),
                              std::to_string(lessonWeeklyHours(db, cl->lessonId))}};
        if (withRoom) row.cells.push_back(cl->roomCount ? roomName(db, cl->rooms[0]) : "");
        rows.push_back(std::move(row));
    }
    return rows;
}

int rowOf(const editors::ListRows& rows, Id id) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].id == id) return static_cast<int>(i);
    return -1;
}

} // namespace zs::ui
