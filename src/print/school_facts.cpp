#include "school_facts.h"

#include "core/text.h"
#include "rules/daily_hours.h"

#include <algorithm>

namespace zs::print {

int weeklyHourColumns(const Database& db) {
    int h = 1;
    for (const ClassTimetable& g : db.classTimetables)
        for (int d = 1; d <= kDays; ++d) h = std::max(h, dayWindow(g, d).last);
    return h;
}

int sheetHourColumns(const Database& db) {
    int span = 1;
    for (const ClassTimetable& g : db.classTimetables)
        for (int d = 1; d <= kDays; ++d) {
            const DayWindow w = dayWindow(g, d);
            if (!w.empty()) span = std::max(span, w.last - w.first + 1);
        }
    return std::max(2, span);
}

int afternoonStartHour(const Database& db, int day) {
    int smallest = kHoursPerDay + 1;
    for (const ClassTimetable& g : db.classTimetables) {
        const DayWindow w = dayWindow(g, day);
        if (!w.empty()) smallest = std::min(smallest, w.last);
    }
    return smallest > kHoursPerDay ? 1 : smallest + 1;
}

bool anySection(const Database& db) {
    return std::any_of(db.classes.begin(), db.classes.end(),
                       [](const SchoolClass& c) { return !c.section.empty(); });
}

namespace {

template <class Grid> Id occupant(const Grid* grid, int day, int hour) {
    if (!grid || day < 1 || day > kDays || hour < 1 || hour > kHoursPerDay) return 0;
    return grid->planes[kOccupantPlane][static_cast<std::size_t>(slotOf(day, hour) - 1)];
}

} // namespace

Id teacherClassAt(const Database& db, Id teacherId, int day, int hour) {
    return occupant(db.teacherTimetables.find(teacherId), day, hour);
}

Id classLessonAt(const Database& db, Id classId, int day, int hour) {
    return occupant(db.classTimetables.find(classId), day, hour);
}

Id roomClassAt(const Database& db, Id roomId, int day, int hour) {
    return occupant(db.roomTimetables.find(roomId), day, hour);
}

std::string classWithSection(const Database& db, Id classId) {
    const SchoolClass* c = db.classes.find(classId);
    if (!c) return {};
    return c->section.empty() ? c->name : c->name + " " + c->section;
}

std::string lessonShortName(const Database& db, Id lessonId) {
    const Lesson* l = db.lessons.find(lessonId);
    return l ? l->shortName : std::string();
}

Id firstTeacherId(const Database& db, Id classId, Id lessonId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    return cl && cl->teacherCount > 0 ? cl->teachers[0] : 0;
}

std::string firstTeacherOrder(const Database& db, Id classId, Id lessonId) {
    const Teacher* t = db.teachers.find(firstTeacherId(db, classId, lessonId));
    return t ? std::to_string(t->order) : std::string();
}

std::string firstRoomName(const Database& db, Id classId, Id lessonId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    return cl && cl->roomCount > 0 ? roomName(db, cl->rooms[0]) : std::string();
}

std::string dutyText(const Database& db, Id teacherId) {
    std::string out;
    for (const TeacherDuty& d : db.teacherDuties) {
        if (d.teacherId != teacherId || d.day < 1 || d.day > kDutyDays) continue;
        const DutyPlace* p = db.dutyPlaces.find(d.dutyPlaceId);
        if (!out.empty()) out += ", ";
        out += dayPrintName(d.day) + ", " + (p ? p->name : std::string());
    }
    return out;
}

int classLessonHoursSum(const Database& db, Id classId) {
    int sum = 0;
    for (const ClassLesson& cl : db.classLessons)
        if (cl.classId == classId)
            if (const Lesson* l = db.lessons.find(cl.lessonId)) sum += l->weeklyHours;
    return sum;
}

} // namespace zs::print
