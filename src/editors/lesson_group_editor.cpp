#include "lesson_group_editor.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/text.h"

namespace zs::editors {

bool groupNameValid(const std::string& name) {
    return !name.empty();
}

Outcome addEnteredGroup(Database& db, const std::string& name) {
    if (!groupNameValid(name)) return refused(Verdict::Invalid);
    const Id id = nextFreeId(db.lessonGroups);
    if (id == 0 || !addLessonGroup(db, id, name)) return refused(Verdict::TableFull);
    return {Verdict::Done, {{DataFile::Group}}, id};
}

Outcome renameGroup(Database& db, Id groupId, const std::string& name) {
    LessonGroup* g = db.lessonGroups.find(groupId);
    if (!g) return refused(Verdict::NoRecord);
    if (!groupNameValid(name)) return refused(Verdict::Invalid);
    g->name = cut(name, kLessonGroupNameLength);
    return {Verdict::Done, {{DataFile::Group}}, groupId};
}

std::string groupDeleteQuestion(const LessonGroup& group) {
    return group.name + cp1254::lit(" Ders Grubu silinecek !");
}

Outcome removeGroup(Database& db, Id groupId) {
    if (!db.lessonGroups.contains(groupId)) return refused(Verdict::NoRecord);
    deleteLessonGroup(db, groupId);
    return {Verdict::Done, {filesOf(CascadeChange::LessonGroupDeleted)}, groupId};
}

ListRows lessonGroupRows(const Database& db) {
    ListRows rows;
    rows.reserve(db.lessonGroups.rows.size());
    for (const LessonGroup& g : db.lessonGroups)
        rows.push_back({g.id, {std::to_string(g.id), g.name}});
    return rows;
}

} // namespace zs::editors
