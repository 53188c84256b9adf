#include "cell_description.h"

#include "core/cp1254.h"
#include "core/display_names.h"
#include "rules/slots.h"

#include <cctype>

namespace zs::sched {

namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The class and lesson an owner's cell holds; both 0 when it is empty.
struct Held {
    Id classId = 0;
    Id lessonId = 0;
    bool open = true;
};

Id lessonIn(const Database& db, Id classId, int i) {
    const ClassTimetable* ct = db.classTimetables.find(classId);
    return ct ? ct->planes[kOccupantPlane][i] : Id{0};
}

Held heldAt(const Database& db, CellOf kind, Id ownerId, int i) {
    switch (kind) {
    case CellOf::Teacher:
        if (const TeacherTimetable* g = db.teacherTimetables.find(ownerId)) {
            const Id c = g->planes[kOccupantPlane][i];
            return {c, lessonIn(db, c, i), g->planes[kOpenPlane][i] != 0};
        }
        break;
    case CellOf::Class:
        if (const ClassTimetable* g = db.classTimetables.find(ownerId))
            return {ownerId, g->planes[kOccupantPlane][i], g->planes[kOpenPlane][i] != 0};
        break;
    case CellOf::Room:
        if (const RoomTimetable* g = db.roomTimetables.find(ownerId)) {
            const Id c = g->planes[kOccupantPlane][i];
            return {c, lessonIn(db, c, i), g->planes[kOpenPlane][i] != 0};
        }
        break;
    }
    return {};
}

void addNames(std::string& line, const std::string& name) {
    if (name.empty()) return;
    if (line.back() != ' ') line += ", ";
    line += name;
}

} // namespace

std::string compactClassName(const SchoolClass& c) {
    const std::string name = trimmed(c.name), section = trimmed(c.section);
    if (section.empty()) return name;
    if (name.empty()) return section;
    // "10" and "A" read as one; "10" and "1" need a mark between them.
    const bool sameKind = digit(name.back()) == digit(section.front());
    return name + (sameKind ? "-" : "") + section;
}

std::string cellDescription(const Database& db, CellOf kind, Id ownerId, int slot) {
    using cp1254::lit;
    if (!validSlot(slot)) return {};
    const int i = slotIndex(slot);
    const Held h = heldAt(db, kind, ownerId, i);
    if (h.classId == 0 || h.lessonId == 0) return h.open ? lit("Boş") : lit("Kapalı");

    std::string text = lit("SINIF: ");
    text += classTitle(db, h.classId);
    text += lit("\nDERS: ");
    text += lessonName(db, h.lessonId);
    const ClassLesson* cl = db.classLessons.find(h.classId, h.lessonId);
    if (!cl) return text;
    std::string teachers = lit("\nÖĞRETMEN: ");
    for (int t = 0; t < std::min<int>(cl->teacherCount, kMaxTeachersPerClassLesson); ++t)
        if (const Teacher* teacher = db.teachers.find(cl->teachers[t]))
            addNames(teachers, teacher->name);
    text += teachers;
    // Only the rooms the hour stands in, not every room the lesson may use.
    std::string rooms = lit("\nDERSLİK: ");
    const std::size_t empty = rooms.size();
    for (int r = 0; r < std::min<int>(cl->roomCount, kMaxRoomsPerClassLesson); ++r) {
        const RoomTimetable* rt = db.roomTimetables.find(cl->rooms[r]);
        const Room* room = db.rooms.find(cl->rooms[r]);
        if (rt && room && rt->planes[kOccupantPlane][i] == h.classId) addNames(rooms, room->name);
    }
    if (rooms.size() > empty) text += rooms;
    if (!h.open) text += lit("\n(kilitli)");
    return text;
}

} // namespace zs::sched
