#include "cascade.h"

#include "core/entities.h"
#include "rules/placement.h"

#include <algorithm>

namespace zs {

std::vector<DataFile> filesOf(CascadeChange change) {
    using F = DataFile;
    switch (change) {
    case CascadeChange::LessonGroupDeleted:
        return {F::Group, F::Lesson};
    case CascadeChange::LessonDeleted:
        return {F::Lesson,           F::ClassLesson,    F::CommonGroup,  F::TeacherLesson,
                F::TeacherTimetable, F::ClassTimetable, F::RoomTimetable};
    case CascadeChange::ClassDeleted:
        return {F::Class,         F::ClassLesson,      F::CommonGroup,
                F::TeacherLesson, F::TeacherTimetable, F::ClassTimetable,
                F::RoomTimetable};
    case CascadeChange::RoomDeleted:
        return {F::Room, F::ClassLesson, F::RoomTimetable};
    case CascadeChange::TeacherDeleted:
        return {F::Teacher,        F::ClassLesson,   F::TeacherLesson, F::TeacherTimetable,
                F::ClassTimetable, F::RoomTimetable, F::Duty,          F::TeacherDuty};
    case CascadeChange::ClassLessonDeleted:
        return {F::ClassLesson,      F::CommonGroup,    F::TeacherLesson,
                F::TeacherTimetable, F::ClassTimetable, F::RoomTimetable};
    case CascadeChange::TeacherUnassigned:
        return {F::TeacherLesson, F::ClassLesson, F::TeacherTimetable, F::ClassTimetable,
                F::RoomTimetable};
    case CascadeChange::RoomRemovedFromClassLesson:
        return {F::ClassLesson, F::RoomTimetable};
    case CascadeChange::CommonGroupMemberRemoved:
    case CascadeChange::SmallGroupsDissolved:
    case CascadeChange::CommonGroupDeleted:
        return {F::ClassLesson, F::CommonGroup};
    case CascadeChange::DutyPlaceDeleted:
    case CascadeChange::TeacherDutyRemoved:
    case CascadeChange::DutiesCleared:
        return {F::Duty, F::TeacherDuty};
    }
    return {};
}

namespace {

// Removes id from the first `count` entries of a list: the last valid entry moves into
// the freed place, the last place is cleared. Repeated entries go as well.
template <std::size_t N> void removeFromList(std::array<Id, N>& list, u8& count, Id id) {
    int n = std::min<int>(count, static_cast<int>(N));
    for (int p = 0; p < n;) {
        if (list[p] != id) {
            ++p;
            continue;
        }
        list[p] = list[n - 1];
        list[n - 1] = 0;
        --n;
    }
    count = static_cast<u8>(n);
}

template <class T, class Pred> void eraseIf(std::vector<T>& v, Pred pred) {
    v.erase(std::remove_if(v.begin(), v.end(), pred), v.end());
}

// A teacher or room cell left holding a class after its hours went (only damaged data
// leaves one) is freed too, so a later class with the same identifier inherits nothing.
template <std::size_t N> bool freeCell(std::array<Plane, N>& planes, int i) {
    if (planes[kOccupantPlane][i] == 0) return false;
    planes[kOccupantPlane][i] = 0;
    planes[kBlockLengthPlane][i] = 0;
    planes[kBlockStartPlane][i] = 0;
    planes[kOpenPlane][i] = 1;
    return true;
}

void freeTeacherCell(TeacherTimetable& tt, int slot) {
    if (!freeCell(tt.planes, slot - 1)) return;
    --tt.placedHours;
    --tt.placedOnDay[dayOf(slot) - 1];
}

void unassignOne(Database& db, Id t, Id c, Id l) {
    TeacherTimetable* tt = db.teacherTimetables.find(t);
    const ClassTimetable* ct = db.classTimetables.find(c);
    if (tt && ct)
        for (int s = 1; s <= kSlots; ++s) {
            if (tt->planes[kOccupantPlane][s - 1] != c || ct->planes[kOccupantPlane][s - 1] != l)
                continue;
            Remove(db, s, c, FreedCell::Open);
            // A teacher missing from the class lesson's list is not among the grids
            // Remove clears.
            if (tt->planes[kOccupantPlane][s - 1] == c) freeTeacherCell(*tt, s);
        }
    eraseIf(db.teacherLessons, [&](const TeacherLesson& r) {
        return r.teacherId == t && r.classId == c && r.lessonId == l;
    });
    if (ClassLesson* cl = db.classLessons.find(c, l))
        removeFromList(cl->teachers, cl->teacherCount, t);
}

// The class lesson's members, or the class lesson alone, copied before any change.
struct Members {
    int count = 0;
    std::array<Id, kMaxGroupMembers> classes{};
    std::array<Id, kMaxGroupMembers> lessons{};
};

Members membersOf(const Database& db, Id c, Id l, const CommonGroup*& group) {
    Members m;
    const ClassLesson* cl = db.classLessons.find(c, l);
    group = cl ? db.commonGroups.find(cl->commonGroupId) : nullptr;
    if (!group) {
        m.count = 1;
        m.classes[0] = c;
        m.lessons[0] = l;
        return m;
    }
    m.count = std::min<int>(group->memberCount, kMaxGroupMembers);
    m.classes = group->memberClass;
    m.lessons = group->memberLesson;
    return m;
}

void removeAllHoursOf(Database& db, Id c, Id l) {
    const ClassTimetable* ct = db.classTimetables.find(c);
    if (!ct || l == 0) return;
    for (int s = 1; s <= kSlots; ++s)
        if (ct->planes[kOccupantPlane][s - 1] == l) Remove(db, s, c, FreedCell::Open);
}

void freeCellsOfClass(Database& db, Id c) {
    for (TeacherTimetable& tt : db.teacherTimetables)
        for (int s = 1; s <= kSlots; ++s)
            if (tt.planes[kOccupantPlane][s - 1] == c) freeTeacherCell(tt, s);
    for (RoomTimetable& rt : db.roomTimetables)
        for (int i = 0; i < kSlots; ++i)
            if (rt.planes[kOccupantPlane][i] == c) freeCell(rt.planes, i);
}

} // namespace

void deleteLessonGroup(Database& db, Id groupId) {
    if (groupId == 0) return;
    for (Lesson& l : db.lessons)
        if (l.groupId == groupId) l.groupId = 0;
    db.lessonGroups.erase(groupId);
}

SettingsChange deleteLesson(Database& db, Id lessonId) {
    if (lessonId == 0) return SettingsChange::None;
    while (const ClassLesson* cl = firstClassLessonOfLesson(db, lessonId))
        deleteClassLesson(db, cl->classId, lessonId);
    // Hours of the lesson without a class lesson of their own would come back under the
    // next lesson that receives this identifier.
    for (const ClassTimetable& ct : db.classTimetables) removeAllHoursOf(db, ct.classId, lessonId);
    eraseIf(db.teacherLessons, [&](const TeacherLesson& r) { return r.lessonId == lessonId; });
    db.lessons.erase(lessonId);

    Settings& s = db.settings;
    if (s.guidanceLessonId != lessonId) return SettingsChange::None;
    s.guidanceLessonId = 0;
    s.guidanceMorningDay = 0;
    s.guidanceMorningHour = 0;
    s.guidanceAfternoonDay = 0;
    s.guidanceAfternoonHour = 0;
    return SettingsChange::Changed;
}

void deleteClass(Database& db, Id classId) {
    if (classId == 0) return;
    while (const ClassLesson* cl = firstClassLessonOfClass(db, classId))
        deleteClassLesson(db, classId, cl->lessonId);
    freeCellsOfClass(db, classId);
    eraseIf(db.teacherLessons, [&](const TeacherLesson& r) { return r.classId == classId; });
    while (db.classTimetables.erase(classId)) {
    }
    db.classes.erase(classId);
    renumber(db.classes);
}

void deleteRoom(Database& db, Id roomId) {
    if (roomId == 0) return;
    for (std::size_t k = 0; k < db.classLessons.rows.size(); ++k) {
        const ClassLesson& cl = db.classLessons.rows[k];
        if (cl.roomCount != 0) removeRoomFromClassLesson(db, cl.classId, cl.lessonId, roomId);
    }
    while (db.roomTimetables.erase(roomId)) {
    }
    db.rooms.erase(roomId);
    renumber(db.rooms);
}

void deleteTeacher(Database& db, Id teacherId) {
    if (teacherId == 0) return;
    for (std::size_t k = 0; k < db.classLessons.rows.size(); ++k) {
        const ClassLesson& cl = db.classLessons.rows[k];
        const auto end =
            cl.teachers.begin() + std::min<int>(cl.teacherCount, kMaxTeachersPerClassLesson);
        if (std::find(cl.teachers.begin(), end, teacherId) != end)
            unassignTeacher(db, teacherId, cl.classId, cl.lessonId);
    }
    eraseIf(db.teacherLessons, [&](const TeacherLesson& r) { return r.teacherId == teacherId; });
    for (std::size_t k = 0; k < db.teacherDuties.size();) {
        const TeacherDuty d = db.teacherDuties[k];
        if (d.teacherId == teacherId)
            removeTeacherDuty(db, d.dutyPlaceId, d.day, teacherId);
        else
            ++k;
    }
    while (db.teacherTimetables.erase(teacherId)) {
    }
    db.teachers.erase(teacherId);
    renumber(db.teachers);
}

void deleteClassLesson(Database& db, Id classId, Id lessonId) {
    while (const ClassLesson* cl = db.classLessons.find(classId, lessonId)) {
        const u8 before = cl->teacherCount;
        if (before == 0) break;
        unassignTeacher(db, cl->teachers[0], classId, lessonId);
        const ClassLesson* after = db.classLessons.find(classId, lessonId);
        if (!after || after->teacherCount >= before) break;
    }
    // A class lesson without teachers may still be placed by hand.
    removeAllHoursOf(db, classId, lessonId);
    removeFromCommonGroup(db, classId, lessonId);
    dissolveSmallGroups(db);
    auto& rows = db.classLessons.rows;
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const ClassLesson& r) {
        return r.classId == classId && r.lessonId == lessonId;
    });
    if (it != rows.end()) rows.erase(it);
    eraseIf(db.teacherLessons,
            [&](const TeacherLesson& r) { return r.classId == classId && r.lessonId == lessonId; });
    db.classLessons.reindex();
    db.commonGroups.reindex();
}

int unassignTeacher(Database& db, Id teacherId, Id classId, Id lessonId) {
    const CommonGroup* group = nullptr;
    const Members m = membersOf(db, classId, lessonId, group);
    for (int i = 0; i < m.count; ++i) unassignOne(db, teacherId, m.classes[i], m.lessons[i]);
    return group ? group->memberCount : 1;
}

void removeRoomFromClassLesson(Database& db, Id classId, Id lessonId, Id roomId) {
    const CommonGroup* group = nullptr;
    const Members m = membersOf(db, classId, lessonId, group);
    RoomTimetable* rt = db.roomTimetables.find(roomId);
    for (int i = 0; i < m.count; ++i) {
        const ClassTimetable* ct = db.classTimetables.find(m.classes[i]);
        if (rt && ct)
            for (int k = 0; k < kSlots; ++k)
                if (rt->planes[kOccupantPlane][k] == m.classes[i] &&
                    ct->planes[kOccupantPlane][k] == m.lessons[i])
                    freeCell(rt->planes, k);
        if (ClassLesson* cl = db.classLessons.find(m.classes[i], m.lessons[i]))
            removeFromList(cl->rooms, cl->roomCount, roomId);
    }
}

void removeFromCommonGroup(Database& db, Id classId, Id lessonId) {
    ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!cl || cl->commonGroupId == 0) return;
    if (CommonGroup* g = db.commonGroups.find(cl->commonGroupId)) {
        const int n = std::min<int>(g->memberCount, kMaxGroupMembers);
        for (int p = 0; p < n; ++p) {
            if (g->memberClass[p] != classId || g->memberLesson[p] != lessonId) continue;
            g->memberClass[p] = g->memberClass[n - 1];
            g->memberLesson[p] = g->memberLesson[n - 1];
            g->memberClass[n - 1] = 0;
            g->memberLesson[n - 1] = 0;
            g->memberCount = static_cast<u8>(n - 1);
            break;
        }
    }
    cl->commonGroupId = 0;
}

void dissolveSmallGroups(Database& db) {
    std::vector<Id> small;
    for (const CommonGroup& g : db.commonGroups)
        if (g.memberCount < 2) small.push_back(g.id);
    for (Id id : small) {
        const CommonGroup* g = db.commonGroups.find(id);
        if (!g) continue;
        if (g->memberCount == 1) {
            const ClassLesson* cl = db.classLessons.find(g->memberClass[0], g->memberLesson[0]);
            if (cl && cl->commonGroupId == id) removeFromCommonGroup(db, cl->classId, cl->lessonId);
        }
        deleteCommonGroup(db, id);
    }
}

void deleteCommonGroup(Database& db, Id groupId) {
    if (groupId == 0) return;
    for (ClassLesson& cl : db.classLessons)
        if (cl.commonGroupId == groupId) cl.commonGroupId = 0;
    db.commonGroups.erase(groupId);
}

bool removeTeacherDuty(Database& db, Id placeId, u8 day, Id teacherId) {
    auto& duties = db.teacherDuties;
    const auto it = std::find_if(duties.begin(), duties.end(), [&](const TeacherDuty& d) {
        return d.dutyPlaceId == placeId && d.day == day && d.teacherId == teacherId;
    });
    if (it == duties.end()) return false;
    duties.erase(it);
    DutyPlace* p = db.dutyPlaces.find(placeId);
    if (p && day >= 1 && day <= kDutyDays && p->dutyCount[day - 1] > 0) --p->dutyCount[day - 1];
    return true;
}

void deleteDutyPlace(Database& db, Id placeId) {
    if (placeId == 0) return;
    for (std::size_t k = 0; k < db.teacherDuties.size();) {
        const TeacherDuty d = db.teacherDuties[k];
        if (d.dutyPlaceId == placeId)
            removeTeacherDuty(db, placeId, d.day, d.teacherId);
        else
            ++k;
    }
    db.dutyPlaces.erase(placeId);
    renumber(db.dutyPlaces);
}

void clearAllDuties(Database& db) {
    db.teacherDuties.clear();
    for (DutyPlace& p : db.dutyPlaces) p.dutyCount.fill(0);
}

} // namespace zs
