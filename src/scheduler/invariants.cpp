#include "invariants.h"

#include "core/integrity.h"
#include "rules/grid_check.h"

namespace zs::sched {

namespace {

template <class Grid> const Plane* planesOf(const Table<Grid>& t, Id owner, int plane) {
    const Grid* g = t.find(owner);
    return g ? &g->planes[plane] : nullptr;
}

} // namespace

RunInvariants::RunInvariants(const Database& db) {
    auto note = [&](int kind, Id owner, const auto& planes) {
        for (int s = 1; s <= kSlots; ++s)
            if (planes[kOpenPlane][s - 1] == 0)
                closed_.push_back({kind, owner, s, planes[kOccupantPlane][s - 1]});
    };
    for (const TeacherTimetable& g : db.teacherTimetables) note(0, g.teacherId, g.planes);
    for (const ClassTimetable& g : db.classTimetables) note(1, g.classId, g.planes);
    for (const RoomTimetable& g : db.roomTimetables) note(2, g.roomId, g.planes);
}

std::vector<std::string> RunInvariants::check(const Database& db) const {
    std::vector<std::string> faults = checkReferences(db);
    for (std::string& line : checkGridConsistency(db)) faults.push_back(std::move(line));
    static const char* kKinds[] = {"öğretmen", "sınıf", "derslik"};
    for (const ClosedCell& c : closed_) {
        const Plane* occupants = c.kind == 0   ? planesOf(db.teacherTimetables, c.owner, 1)
                                 : c.kind == 1 ? planesOf(db.classTimetables, c.owner, 1)
                                               : planesOf(db.roomTimetables, c.owner, 1);
        const u8 now = occupants ? (*occupants)[c.slot - 1] : 0;
        if (now != c.occupant)
            faults.push_back(std::string(kKinds[c.kind]) + " " + std::to_string(c.owner) +
                             " hücre " + std::to_string(c.slot) + ": kapalı hücre değişmiş");
    }
    return faults;
}

} // namespace zs::sched
