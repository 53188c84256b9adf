#include "grids_concerned.h"

#include <algorithm>

namespace zs {

namespace {

template <std::size_t N>
void addPosition(std::array<std::int16_t, N>& list, int& count, int position) {
    if (position < 0) return;
    const auto end = list.begin() + count;
    if (std::find(list.begin(), end, position) != end) return;
    list[count++] = static_cast<std::int16_t>(position);
}

void addClass(const Database& db, GridsConcerned& g, Id classId, Id lessonId) {
    if (classId == 0 || lessonId == 0 || g.classCount >= static_cast<int>(g.classes.size())) return;
    for (int i = 0; i < g.classCount; ++i)
        if (g.classes[i].classId == classId) return;
    g.classes[g.classCount++] = {static_cast<std::int16_t>(db.classTimetables.positionOf(classId)),
                                 classId, lessonId};
}

} // namespace

GridsConcerned gridsConcerned(const Database& db, Id classId, Id lessonId) {
    GridsConcerned g;
    addClass(db, g, classId, lessonId);
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!cl) return g;
    g.classLessonFound = true;
    const int teachers = std::min<int>(cl->teacherCount, kMaxTeachersPerClassLesson);
    for (int i = 0; i < teachers; ++i)
        if (cl->teachers[i])
            addPosition(g.teachers, g.teacherCount,
                        db.teacherTimetables.positionOf(cl->teachers[i]));
    const int rooms = std::min<int>(cl->roomCount, kMaxRoomsPerClassLesson);
    for (int i = 0; i < rooms; ++i)
        if (cl->rooms[i])
            addPosition(g.rooms, g.roomCount, db.roomTimetables.positionOf(cl->rooms[i]));
    if (const CommonGroup* group = db.commonGroups.find(cl->commonGroupId)) {
        const int members = std::min<int>(group->memberCount, kMaxGroupMembers);
        for (int i = 0; i < members; ++i)
            addClass(db, g, group->memberClass[i], group->memberLesson[i]);
    }
    return g;
}

} // namespace zs
