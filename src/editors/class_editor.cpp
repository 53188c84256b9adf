#include "class_editor.h"

#include "ordered_move.h"
#include "placed_hours.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/text.h"

namespace zs::editors {

bool classEntryValid(const ClassEntry& e) {
    return !e.name.empty();
}

Outcome addEnteredClass(Database& db, const ClassEntry& e) {
    if (!classEntryValid(e)) return refused(Verdict::Invalid);
    const Id id = nextFreeId(db.classes);
    if (id == 0) return refused(Verdict::TableFull);
    // A grid left behind under this identifier by damaged files is not the new class's.
    db.classTimetables.erase(id);
    if (!addSchoolClass(db, id, e.name, e.section)) return refused(Verdict::TableFull);
    addClassTimetable(db, id);
    return {Verdict::Done, {{DataFile::Class, DataFile::ClassTimetable}}, id};
}

Outcome editClass(Database& db, Id classId, const ClassEntry& e) {
    SchoolClass* c = db.classes.find(classId);
    if (!c) return refused(Verdict::NoRecord);
    if (!classEntryValid(e)) return refused(Verdict::Invalid);
    c->name = cut(e.name, kClassTextLength);
    c->section = cut(e.section, kClassTextLength);
    return {Verdict::Done, {{DataFile::Class}}, classId};
}

Outcome moveClass(Database& db, int row, int direction) {
    return moveOrdered(db.classes, DataFile::Class, row, direction);
}

Outcome toggleAnnex(Database& db, Id classId) {
    if (!db.classes.contains(classId)) return refused(Verdict::NoRecord);
    u8& flag = db.annexFlags[classId];
    if (!flag && classId > kAnnexFileSize) return refused(Verdict::NotStored);
    flag = flag ? 0 : 1;
    Change change;
    change.annexFlags = true;
    return {Verdict::Done, change, classId};
}

std::string classDeleteQuestion(const Database& db, const SchoolClass& c) {
    return withPlacedHours(c.name + " " + c.section + cp1254::lit(" Sınıfı silinecek !"),
                           classPlacedHours(db, c.id));
}

Outcome removeClass(Database& db, Id classId) {
    if (!db.classes.contains(classId)) return refused(Verdict::NoRecord);
    deleteClass(db, classId);
    return {Verdict::Done, {filesOf(CascadeChange::ClassDeleted)}, classId};
}

ListRows classRows(const Database& db) {
    static const std::string annex = cp1254::lit("EKBİNA");
    ListRows rows;
    rows.reserve(db.classes.rows.size());
    for (const SchoolClass& c : db.classes)
        rows.push_back({c.id,
                        {std::to_string(c.id), std::to_string(c.order), c.name, c.section,
                         db.annexFlags[c.id] ? annex : std::string()}});
    return rows;
}

} // namespace zs::editors
