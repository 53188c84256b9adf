#include "class_lesson_rooms.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/display_names.h"
#include "lesson_unit.h"
#include "rules/placement.h"
#include "rules/totals.h"

#include <algorithm>

namespace zs {

namespace {

bool holdsRoom(const ClassLesson& cl, Id roomId) {
    return listHolds(cl.rooms, cl.roomCount, roomId);
}

} // namespace

std::vector<Id> roomsOf(const Database& db, Id classId, Id lessonId) {
    std::vector<Id> out;
    if (const ClassLesson* cl = db.classLessons.find(classId, lessonId))
        out.assign(cl->rooms.begin(),
                   cl->rooms.begin() + std::min<int>(cl->roomCount, kMaxRoomsPerClassLesson));
    return out;
}

AddRoomOutcome addRoomToClassLesson(Database& db, Id classId, Id lessonId, Id roomId) {
    ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!cl || !db.rooms.contains(roomId)) return AddRoomOutcome::Missing;
    if (holdsRoom(*cl, roomId)) return AddRoomOutcome::AlreadyThere;
    if (placedCount(db, classId, lessonId) > 0) return AddRoomOutcome::Placed;
    std::vector<ClassLesson*> unit;
    for (const GroupMember& m : lessonUnit(db, classId, lessonId))
        if (ClassLesson* member = db.classLessons.find(m.classId, m.lessonId))
            unit.push_back(member);
    for (const ClassLesson* m : unit)
        if (!holdsRoom(*m, roomId) && m->roomCount >= kMaxRoomsPerClassLesson)
            return AddRoomOutcome::RoomsFull;
    for (ClassLesson* m : unit)
        if (!holdsRoom(*m, roomId)) m->rooms[m->roomCount++] = roomId;
    return AddRoomOutcome::Added;
}

void takeRoomFromClassLesson(Database& db, Id classId, Id lessonId, Id roomId) {
    removeRoomFromClassLesson(db, classId, lessonId, roomId);
}

int roomLoad(const Database& db, Id roomId) {
    return roomWeeklyHours(db, roomId);
}

std::string roomsTitle(const Database& db, Id classId, Id lessonId) {
    return classTitle(db, classId) + cp1254::lit(" sınıfı ") + lessonName(db, lessonId) +
           cp1254::lit(" dersinin okutulduğu derslikler");
}

const std::string& noRoomsNotice() {
    static const std::string text =
        cp1254::lit(" Programda hiçbir Derslik tanımlanmamış. Derslik tanımlamak için SINIFLAR "
                    "bölümünden DERSLİKLER bölümüne giriniz.");
    return text;
}

const std::string& placedRoomNotice() {
    static const std::string text =
        cp1254::lit("Bu ders, haftalık ders programında dağıtılmış. Bu derse, Derslik atamak "
                    "için dersi haftalık ders programından silin");
    return text;
}

const std::string& roomsFullNotice() {
    static const std::string text =
        cp1254::lit("Bir derse en fazla 15 derslik atanabilir. Bu derse başka derslik "
                    "atanamaz.");
    return text;
}

} // namespace zs
