#include "grid_check.h"

#include "block_run.h"
#include "core/integrity.h"
#include "slots.h"

namespace zs {

namespace {

std::string n(int v) {
    return std::to_string(v);
}

struct Expected {
    bool known = false;
    Run run;
};

// The block a cell of a teacher or room grid holding class c should carry.
Expected expectedForClassHolder(const Database& db, Id c, int slot) {
    if (c == 0) return {true, {}};
    const ClassTimetable* grid = db.classTimetables.find(c);
    if (!grid || grid->planes[kOccupantPlane][slotIndex(slot)] == 0) return {};
    return {true, runAt(grid->planes[kOccupantPlane], slot)};
}

template <std::size_t N>
void compareBlock(const std::array<Plane, N>& planes, int slot, const Expected& e,
                  const std::string& who, std::vector<std::string>& out) {
    if (!e.known) return;
    const int i = slotIndex(slot);
    const int length = planes[kBlockLengthPlane][i];
    const int start = planes[kBlockStartPlane][i];
    if (length == e.run.length && start == e.run.start) return;
    out.push_back(who + " hücre " + n(slot) + ": blok " + n(length) + "/" + n(start) +
                  ", beklenen " + n(e.run.length) + "/" + n(e.run.start));
}

void checkTeacherCounters(const TeacherTimetable& tt, std::vector<std::string>& out) {
    int total = 0;
    std::array<int, kDays> perDay{};
    for (int s = 1; s <= kSlots; ++s)
        if (tt.planes[kOccupantPlane][slotIndex(s)] != 0) {
            ++total;
            ++perDay[dayOf(s) - 1];
        }
    const std::string who = "öğretmen " + n(tt.teacherId);
    if (tt.placedHours != total)
        out.push_back(who + ": yerleşmiş saat " + n(tt.placedHours) + ", sayılan " + n(total));
    for (int d = 0; d < kDays; ++d)
        if (tt.placedOnDay[d] != perDay[d])
            out.push_back(who + ", gün " + n(d + 1) + ": yerleşmiş saat " + n(tt.placedOnDay[d]) +
                          ", sayılan " + n(perDay[d]));
}

} // namespace

std::vector<std::string> checkGridConsistency(const Database& db) {
    std::vector<std::string> out;
    for (const TeacherTimetable& tt : db.teacherTimetables) {
        checkTeacherCounters(tt, out);
        const std::string who = "öğretmen " + n(tt.teacherId);
        for (int s = 1; s <= kSlots; ++s)
            compareBlock(tt.planes, s,
                         expectedForClassHolder(db, tt.planes[kOccupantPlane][slotIndex(s)], s),
                         who, out);
    }
    for (const ClassTimetable& ct : db.classTimetables) {
        const std::string who = "sınıf " + n(ct.classId);
        for (int s = 1; s <= kSlots; ++s)
            compareBlock(ct.planes, s, {true, runAt(ct.planes[kOccupantPlane], s)}, who, out);
    }
    for (const RoomTimetable& rt : db.roomTimetables) {
        const std::string who = "derslik " + n(rt.roomId);
        for (int s = 1; s <= kSlots; ++s)
            compareBlock(rt.planes, s,
                         expectedForClassHolder(db, rt.planes[kOccupantPlane][slotIndex(s)], s),
                         who, out);
    }
    return out;
}

} // namespace zs

namespace zs {

std::vector<std::string> findDataFaults(const Database& db) {
    auto faults = checkReferences(db);
    for (auto& line : checkGridConsistency(db)) faults.push_back(std::move(line));
    return faults;
}

} // namespace zs
