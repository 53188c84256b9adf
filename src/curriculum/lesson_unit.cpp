#include "lesson_unit.h"

namespace zs {

std::vector<GroupMember> groupMembers(const Database& db, Id groupId) {
    std::vector<GroupMember> out;
    if (const CommonGroup* g = db.commonGroups.find(groupId))
        for (int i = 0; i < std::min<int>(g->memberCount, kMaxGroupMembers); ++i)
            out.push_back({g->memberClass[i], g->memberLesson[i]});
    return out;
}

std::vector<GroupMember> lessonUnit(const Database& db, Id classId, Id lessonId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (cl && db.commonGroups.contains(cl->commonGroupId))
        return groupMembers(db, cl->commonGroupId);
    return {{classId, lessonId}};
}

} // namespace zs
