#include "room_editor.h"

#include "ordered_move.h"

#include "cascade/cascade.h"
#include "core/cp1254.h"
#include "core/entities.h"
#include "core/text.h"

namespace zs::editors {

bool roomNameValid(const std::string& name) {
    return !name.empty();
}

Outcome addEnteredRoom(Database& db, const std::string& name) {
    if (!roomNameValid(name)) return refused(Verdict::Invalid);
    const Id id = nextFreeId(db.rooms);
    if (id == 0) return refused(Verdict::TableFull);
    // A grid left behind under this identifier by damaged files is not the new room's.
    db.roomTimetables.erase(id);
    if (!addRoom(db, id, name)) return refused(Verdict::TableFull);
    addRoomTimetable(db, id);
    return {Verdict::Done, {{DataFile::Room, DataFile::RoomTimetable}}, id};
}

Outcome renameRoom(Database& db, Id roomId, const std::string& name) {
    Room* r = db.rooms.find(roomId);
    if (!r) return refused(Verdict::NoRecord);
    if (!roomNameValid(name)) return refused(Verdict::Invalid);
    r->name = cut(name, kRoomNameLength);
    return {Verdict::Done, {{DataFile::Room}}, roomId};
}

Outcome moveRoom(Database& db, int row, int direction) {
    return moveOrdered(db.rooms, DataFile::Room, row, direction);
}

std::string roomDeleteQuestion(const Room& room) {
    return room.name + cp1254::lit(" Dersliği silinecek !");
}

Outcome removeRoom(Database& db, Id roomId) {
    if (!db.rooms.contains(roomId)) return refused(Verdict::NoRecord);
    deleteRoom(db, roomId);
    return {Verdict::Done, {filesOf(CascadeChange::RoomDeleted)}, roomId};
}

ListRows roomRows(const Database& db) {
    ListRows rows;
    rows.reserve(db.rooms.rows.size());
    for (const Room& r : db.rooms)
        rows.push_back({r.id, {std::to_string(r.id), std::to_string(r.order), r.name}});
    return rows;
}

} // namespace zs::editors
