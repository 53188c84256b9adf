#include "duty_places.h"

#include "editors/ordered_move.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/text.h"

namespace zs::duty {

using editors::Outcome;
using editors::refused;
using editors::Verdict;

bool placeNameValid(const std::string& name) {
    return !name.empty();
}

Outcome addEnteredPlace(Database& db, const std::string& name) {
    if (!placeNameValid(name)) return refused(Verdict::Invalid);
    const Id id = nextFreeId(db.dutyPlaces);
    if (id == 0 || !addDutyPlace(db, id, cut(name, kNewPlaceNameLength)))
        return refused(Verdict::TableFull);
    return {Verdict::Done, {{DataFile::Duty}}, id};
}

Outcome renamePlace(Database& db, Id placeId, const std::string& name) {
    DutyPlace* p = db.dutyPlaces.find(placeId);
    if (!p) return refused(Verdict::NoRecord);
    if (!placeNameValid(name)) return refused(Verdict::Invalid);
    p->name = cut(name, kPlaceNameLength);
    return {Verdict::Done, {{DataFile::Duty}}, placeId};
}

Outcome movePlace(Database& db, int row, int direction) {
    return editors::moveOrdered(db.dutyPlaces, DataFile::Duty, row, direction);
}

std::string placeDeleteQuestion(const DutyPlace& place) {
    return place.name + cp1254::lit(" Nöbet Yeri silinecek !");
}

Outcome removePlace(Database& db, Id placeId) {
    if (!db.dutyPlaces.contains(placeId)) return refused(Verdict::NoRecord);
    deleteDutyPlace(db, placeId);
    return {Verdict::Done, {filesOf(CascadeChange::DutyPlaceDeleted)}, placeId};
}

editors::ListRows placeRows(const Database& db) {
    editors::ListRows rows;
    rows.reserve(db.dutyPlaces.rows.size());
    for (const DutyPlace& p : db.dutyPlaces)
        rows.push_back({p.id, {std::to_string(p.id), std::to_string(p.order), p.name}});
    return rows;
}

} // namespace zs::duty
