#include "display_names.h"

namespace zs {

std::string classTitle(const Database& db, Id classId) {
    const SchoolClass* c = db.classes.find(classId);
    return c ? c->name + " " + c->section : std::string();
}

std::string lessonName(const Database& db, Id lessonId) {
    const Lesson* l = db.lessons.find(lessonId);
    return l ? l->name : std::string();
}

int lessonWeeklyHours(const Database& db, Id lessonId) {
    const Lesson* l = db.lessons.find(lessonId);
    return l ? l->weeklyHours : 0;
}

std::string teacherName(const Database& db, Id teacherId) {
    const Teacher* t = db.teachers.find(teacherId);
    return t ? t->name : std::string();
}

std::string roomName(const Database& db, Id roomId) {
    const Room* r = db.rooms.find(roomId);
    return r ? r->name : std::string();
}

} // namespace zs
