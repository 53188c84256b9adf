#include "changed_report.h"

#include "stored_copies.h"

#include <array>

namespace zs::sched {

namespace {

constexpr std::size_t kRecordSize = 464;
constexpr std::size_t kClassPlaneOffset = 137;

} // namespace

std::vector<Id> changedTeachers(const Database& db, const Bytes& stored) {
    std::array<bool, kHighestComparedTeacher + 1> marked{};
    for (std::size_t at = 0; at + kRecordSize <= stored.size(); at += kRecordSize) {
        const Id id = stored[at];
        const TeacherTimetable* tt = db.teacherTimetables.find(id);
        if (id == 0 || id > kHighestComparedTeacher || !tt) continue;
        for (int s = 0; s < kSlots; ++s)
            if (stored[at + kClassPlaneOffset + s] != tt->planes[kOccupantPlane][s]) {
                marked[id] = true;
                break;
            }
    }
    std::vector<Id> ids;
    for (int id = 1; id <= kHighestComparedTeacher; ++id)
        if (marked[id] && db.teachers.contains(static_cast<Id>(id)))
            ids.push_back(static_cast<Id>(id));
    return ids;
}

std::vector<Id> changedTeachers(const Database& db, const DataDir& dir) {
    auto bytes = readFileIfExists(dir.file(kTeacherCopy));
    if (!bytes || !bytes.value()) return {};
    return changedTeachers(db, *bytes.value());
}

} // namespace zs::sched
