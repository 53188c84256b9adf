#include "placement.h"

#include "block_run.h"
#include "daily_hours.h"
#include "grids_concerned.h"
#include "slots.h"

#include <algorithm>

namespace zs {

namespace {

template <std::size_t N> bool freeAt(const std::array<Plane, N>& planes, int i) {
    return planes[kOccupantPlane][i] == 0 && planes[kOpenPlane][i] != 0;
}

template <std::size_t N> void writeBlock(std::array<Plane, N>& planes, int i, const Run& run) {
    planes[kBlockLengthPlane][i] = static_cast<u8>(run.length);
    planes[kBlockStartPlane][i] = static_cast<u8>(run.start);
}

template <std::size_t N> void clearCell(std::array<Plane, N>& planes, int i, FreedCell freed) {
    planes[kOccupantPlane][i] = 0;
    planes[kBlockLengthPlane][i] = 0;
    planes[kBlockStartPlane][i] = 0;
    if (freed == FreedCell::Open) planes[kOpenPlane][i] = 1;
}

// Each member class's run through the slot is walked in its own grid and written to the
// teacher and room cells that hold that member, so every grid agrees with its class.
void renormaliseAt(Database& db, const GridsConcerned& g, int slot) {
    if (!validSlot(slot)) return;
    for (int c = 0; c < g.classCount; ++c) {
        const ClassCell& cell = g.classes[c];
        if (cell.grid < 0) continue;
        auto& cp = db.classTimetables.rows[cell.grid].planes;
        if (cp[kOccupantPlane][slotIndex(slot)] != cell.lessonId) continue;
        const Run run = runAt(cp[kOccupantPlane], slot);
        for (int s = run.start; s < run.end(); ++s) {
            const int i = slotIndex(s);
            writeBlock(cp, i, run);
            for (int t = 0; t < g.teacherCount; ++t) {
                auto& tp = db.teacherTimetables.rows[g.teachers[t]].planes;
                if (tp[kOccupantPlane][i] == cell.classId) writeBlock(tp, i, run);
            }
            for (int r = 0; r < g.roomCount; ++r) {
                auto& rp = db.roomTimetables.rows[g.rooms[r]].planes;
                if (rp[kOccupantPlane][i] == cell.classId) writeBlock(rp, i, run);
            }
        }
    }
}

} // namespace

int placedCount(const ClassTimetable& grid, Id lessonId) {
    if (lessonId == 0) return 0;
    const auto& occupants = grid.planes[kOccupantPlane];
    return static_cast<int>(std::count(occupants.begin(), occupants.end(), lessonId));
}

int placedCount(const Database& db, Id classId, Id lessonId) {
    const ClassTimetable* grid = db.classTimetables.find(classId);
    return grid ? placedCount(*grid, lessonId) : 0;
}

bool CanPlace(const Database& db, int slot, Id classId, Id lessonId) {
    if (!validSlot(slot) || classId == 0 || lessonId == 0) return false;
    const ClassTimetable* grid = db.classTimetables.find(classId);
    const Lesson* lesson = db.lessons.find(lessonId);
    if (!grid || !lesson) return false;
    const int remaining = lesson->weeklyHours - placedCount(*grid, lessonId);
    if (remaining <= 0 || !dayWindow(*grid, dayOf(slot)).contains(hourOf(slot))) return false;

    const GridsConcerned g = gridsConcerned(db, classId, lessonId);
    if (!g.classLessonFound) return false;
    const int i = slotIndex(slot);
    for (int t = 0; t < g.teacherCount; ++t)
        if (!freeAt(db.teacherTimetables.rows[g.teachers[t]].planes, i)) return false;
    for (int r = 0; r < g.roomCount; ++r)
        if (!freeAt(db.roomTimetables.rows[g.rooms[r]].planes, i)) return false;
    // Every member class of a common lesson must have the hour in its day and free.
    for (int c = 0; c < g.classCount; ++c) {
        if (g.classes[c].grid < 0) continue;
        const ClassTimetable& member = db.classTimetables.rows[g.classes[c].grid];
        if (!dayWindow(member, dayOf(slot)).contains(hourOf(slot)) || !freeAt(member.planes, i))
            return false;
    }
    return true;
}

bool Place(Database& db, int slot, Id classId, Id lessonId) {
    if (!CanPlace(db, slot, classId, lessonId)) return false;
    const GridsConcerned g = gridsConcerned(db, classId, lessonId);
    const int i = slotIndex(slot);
    const int day = dayOf(slot);
    for (int t = 0; t < g.teacherCount; ++t) {
        TeacherTimetable& tt = db.teacherTimetables.rows[g.teachers[t]];
        tt.planes[kOccupantPlane][i] = classId;
        ++tt.placedHours;
        ++tt.placedOnDay[day - 1];
    }
    for (int c = 0; c < g.classCount; ++c)
        if (g.classes[c].grid >= 0)
            db.classTimetables.rows[g.classes[c].grid].planes[kOccupantPlane][i] =
                g.classes[c].lessonId;
    for (int r = 0; r < g.roomCount; ++r)
        db.roomTimetables.rows[g.rooms[r]].planes[kOccupantPlane][i] = classId;
    renormaliseAt(db, g, slot);
    return true;
}

bool Remove(Database& db, int slot, Id classId, FreedCell freed) {
    if (!validSlot(slot)) return false;
    const ClassTimetable* grid = db.classTimetables.find(classId);
    const int i = slotIndex(slot);
    const Id lessonId = grid ? grid->planes[kOccupantPlane][i] : 0;
    if (lessonId == 0) return false;

    const GridsConcerned g = gridsConcerned(db, classId, lessonId);
    const int day = dayOf(slot);
    // Only cells that hold this class lesson are cleared: a cell of another lesson stays
    // as it is, and a teacher's counters fall only with an hour actually taken out.
    for (int t = 0; t < g.teacherCount; ++t) {
        TeacherTimetable& tt = db.teacherTimetables.rows[g.teachers[t]];
        if (!g.holds(tt.planes[kOccupantPlane][i])) continue;
        clearCell(tt.planes, i, freed);
        --tt.placedHours;
        --tt.placedOnDay[day - 1];
    }
    for (int c = 0; c < g.classCount; ++c) {
        if (g.classes[c].grid < 0) continue;
        auto& cp = db.classTimetables.rows[g.classes[c].grid].planes;
        if (cp[kOccupantPlane][i] == g.classes[c].lessonId) clearCell(cp, i, freed);
    }
    for (int r = 0; r < g.roomCount; ++r) {
        auto& rp = db.roomTimetables.rows[g.rooms[r]].planes;
        if (g.holds(rp[kOccupantPlane][i])) clearCell(rp, i, freed);
    }
    const int hour = hourOf(slot);
    if (hour > 1) renormaliseAt(db, g, slot - 1);
    if (hour < kHoursPerDay) renormaliseAt(db, g, slot + 1);
    return true;
}

void RenormaliseBlock(Database& db, int slot, Id classId) {
    if (!validSlot(slot)) return;
    const ClassTimetable* grid = db.classTimetables.find(classId);
    const Id lessonId = grid ? grid->planes[kOccupantPlane][slotIndex(slot)] : 0;
    if (lessonId == 0) return;
    renormaliseAt(db, gridsConcerned(db, classId, lessonId), slot);
}

} // namespace zs
