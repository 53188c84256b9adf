#include "new_timetable.h"

#include "previous_set.h"
#include "rules/daily_hours.h"

#include <array>

namespace zs::maintenance {

namespace {

constexpr std::array<DataFile, 3> kTimetableFiles = {
    DataFile::TeacherTimetable, DataFile::ClassTimetable, DataFile::RoomTimetable};

// Opens and empties every slot, or only the open ones.
template <std::size_t N> void clearSlots(std::array<Plane, N>& planes, bool openClosed) {
    for (int i = 0; i < kSlots; ++i) {
        if (!openClosed && planes[kOpenPlane][i] == 0) continue;
        planes[kOpenPlane][i] = 1;
        planes[kOccupantPlane][i] = 0;
        planes[kBlockLengthPlane][i] = 0;
        planes[kBlockStartPlane][i] = 0;
    }
}

} // namespace

void clearTimetables(Database& db, const NewTimetableOptions& options) {
    for (const auto& teacher : db.teachers) {
        TeacherTimetable* t = db.teacherTimetables.find(teacher.id);
        if (!t) continue;
        t->placedHours = 0;
        t->placedOnDay.fill(0);
        if (options.resetTeacherSettings) t->teacherRules = kDefaultTeacherRules;
        clearSlots(t->planes, options.openClosedSlots);
        for (int s = 1; s <= kSlots; ++s) {
            if (t->planes[kOccupantPlane][s - 1] == 0) continue;
            ++t->placedOnDay[dayOf(s) - 1];
            ++t->placedHours;
        }
    }
    for (const auto& schoolClass : db.classes) {
        ClassTimetable* c = db.classTimetables.find(schoolClass.id);
        if (!c) continue;
        // A day without lessons has no hours, not last - first + 1 = 1.
        for (int d = 1; d <= kDays; ++d)
            c->freeOnDay[d - 1] = static_cast<u8>(dayWindow(*c, d).hours());
        clearSlots(c->planes, options.openClosedSlots);
        for (int s = 1; s <= kSlots; ++s)
            if (c->planes[kOccupantPlane][s - 1] != 0) --c->freeOnDay[dayOf(s) - 1];
    }
    for (const auto& room : db.rooms) {
        RoomTimetable* r = db.roomTimetables.find(room.id);
        if (r) clearSlots(r->planes, options.openClosedSlots);
    }
}

Result<std::filesystem::path> startNewTimetable(Database& db, const DataDir& dir,
                                                const NewTimetableOptions& options) {
    auto kept = keepPreviousSet(dir, kTimetableFiles);
    if (!kept) return kept.error();
    Database next = db;
    clearTimetables(next, options);
    if (auto s = saveTables(next, dir,
                            std::vector<DataFile>(kTimetableFiles.begin(), kTimetableFiles.end()));
        !s)
        return s.error();
    db.teacherTimetables = std::move(next.teacherTimetables);
    db.classTimetables = std::move(next.classTimetables);
    db.roomTimetables = std::move(next.roomTimetables);
    return kept.value();
}

} // namespace zs::maintenance
