#include "common_groups.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/display_names.h"
#include "core/entities.h"

#include <algorithm>

namespace zs {

NewGroup newCommonGroup(Database& db) {
    for (const CommonGroup& g : db.commonGroups)
        if (g.memberCount < 2) return {g.id, false};
    const Id id = nextFreeId(db.commonGroups);
    if (id == 0 || !addCommonGroup(db, id)) return {};
    db.commonGroups.reindex();
    return {id, true};
}

std::optional<std::string> joinRefusal(const Database& db, Id groupId, Id classId, Id lessonId) {
    using cp1254::lit;
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    const CommonGroup* g = db.commonGroups.find(groupId);
    if (!cl || !g) return std::string();
    const std::vector<GroupMember> members = groupMembers(db, groupId);
    auto any = [&](auto pred) { return std::any_of(members.begin(), members.end(), pred); };
    const int hours = lessonWeeklyHours(db, lessonId);

    if (cl->commonGroupId != 0)
        return lit("Bu ders ") + std::to_string(cl->commonGroupId) +
               lit(" nolu grupta ortak ders olarak atanmış.");
    if (cl->teacherCount != 0)
        return lit("Bu dersin Öğretmenlere dağıtımı yapılmış. Öğretmenlere Dağıtımı yapılmış "
                   "bir dersi Ortak atayamazsınız.Bu dersi ortak atamak için öğretmen ders "
                   "dağıtımından silin. Öğretmen Ders Dağıtımını Ortak atadıktan sonra yapın");
    if (any([&](const GroupMember& m) {
            const ClassLesson* other = db.classLessons.find(m.classId, m.lessonId);
            return other && other->teacherCount != 0;
        }))
        return lit("Bu grupta Öğretmenlere dağıtımı yapılmış dersler var. Bu dersi ortak "
                   "atamak için bu gruptaki dersleri öğretmen ders dağıtımından silin. Öğretmen "
                   "Dağıtımını Ortak atadıktan sonra yapın");
    if (any([&](const GroupMember& m) { return m.classId == classId; }))
        return lit("Bu grupta aynı sınıftan ders var. Bir grupta aynı sınıftan sadece bir ders "
                   "atayabilirsiniz");
    if (any([&](const GroupMember& m) { return lessonWeeklyHours(db, m.lessonId) != hours; }))
        return lit("Aynı gruptaki derslerin Haftalık Ders Saatleri aynı olmalıdır.");
    if (cl->roomCount != 0)
        return lit("Bu ders için Derslik atanmış. Derslik atanmış bir dersi ortak "
                   "atayamazsınız.Bu dersi ortak atamak için derslik atamasını kaldırın. "
                   "Derslik atamasını Ortak atadıktan sonra yapın");
    if (any([&](const GroupMember& m) { return m.lessonId != lessonId; }))
        return lit("Aynı ortak gruptaki bütün dersler aynı olmalıdır.");
    if (g->memberCount >= kMaxGroupMembers)
        return lit("Bir ortak ders grubunda en fazla 15 ders olabilir. Bu gruba başka ders "
                   "eklenemez.");
    return std::nullopt;
}

std::optional<std::string> joinCommonGroup(Database& db, Id groupId, Id classId, Id lessonId) {
    if (auto refusal = joinRefusal(db, groupId, classId, lessonId)) return refusal;
    addCommonGroupMember(db, groupId, classId, lessonId);
    return std::nullopt;
}

std::string leaveGroupQuestion(const Database& db, Id classId, Id lessonId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    return classTitle(db, classId) + cp1254::lit(" sınıfı ") + lessonName(db, lessonId) +
           cp1254::lit(" dersi ") + std::to_string(cl ? cl->commonGroupId : 0) +
           cp1254::lit(" nolu ortak ders grubundan silinecek ?");
}

void leaveCommonGroup(Database& db, Id classId, Id lessonId) {
    removeFromCommonGroup(db, classId, lessonId);
    db.commonGroups.reindex();
}

std::vector<DataFile> groupLeftFiles() {
    return filesOf(CascadeChange::CommonGroupMemberRemoved);
}

void closeCommonGroups(Database& db) {
    dissolveSmallGroups(db);
    db.commonGroups.reindex();
}

std::vector<DataFile> groupsClosedFiles() {
    return filesOf(CascadeChange::SmallGroupsDissolved);
}

} // namespace zs
