#include "cell_texts.h"

#include "school_facts.h"

namespace zs::print {

CellLines teacherPageCell(const Database& db, Id teacherId, int day, int hour, bool rooms) {
    CellLines lines;
    const Id classId = teacherClassAt(db, teacherId, day, hour);
    if (!classId) return lines;
    const Id lessonId = classLessonAt(db, classId, day, hour);
    lines[0] = classWithSection(db, classId);
    lines[1] = lessonShortName(db, lessonId);
    if (rooms) lines[2] = firstRoomName(db, classId, lessonId);
    return lines;
}

CellLines classPageCell(const Database& db, Id classId, int day, int hour, bool rooms) {
    CellLines lines;
    const Id lessonId = classLessonAt(db, classId, day, hour);
    if (!lessonId) return lines;
    lines[0] = lessonShortName(db, lessonId);
    lines[1] = firstTeacherOrder(db, classId, lessonId);
    if (rooms) lines[2] = firstRoomName(db, classId, lessonId);
    return lines;
}

CellLines roomPageCell(const Database& db, Id roomId, int day, int hour) {
    CellLines lines;
    const Id classId = roomClassAt(db, roomId, day, hour);
    if (!classId) return lines;
    const SchoolClass* c = db.classes.find(classId);
    lines[0] = c ? c->name : "";
    lines[1] = lessonShortName(db, classLessonAt(db, classId, day, hour));
    return lines;
}

SheetLines teacherSheetCell(const Database& db, Id classId, bool sections) {
    if (!classId) return {};
    const SchoolClass* c = db.classes.find(classId);
    if (!c) return {};
    SheetLines lines{c->name};
    if (sections) lines.push_back(c->section);
    return lines;
}

SheetLines classSheetCell(const Database& db, Id classId, int day, int hour) {
    const Id lessonId = classLessonAt(db, classId, day, hour);
    if (!lessonId) return {};
    return {lessonShortName(db, lessonId), firstTeacherOrder(db, classId, lessonId)};
}

SheetLines roomSheetCell(const Database& db, Id roomId, int day, int hour) {
    const Id classId = roomClassAt(db, roomId, day, hour);
    if (!classId) return {};
    const Id lessonId = classLessonAt(db, classId, day, hour);
    return {classWithSection(db, classId), lessonShortName(db, lessonId),
            firstTeacherOrder(db, classId, lessonId)};
}

} // namespace zs::print
