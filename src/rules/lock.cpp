#include "lock.h"

#include "block_run.h"
#include "grids_concerned.h"
#include "slots.h"

namespace zs {

namespace {

void setOpenOverRuns(Database& db, const GridsConcerned& g, int slot, u8 value) {
    const int at = slotIndex(slot);
    for (int c = 0; c < g.classCount; ++c) {
        const ClassCell& cell = g.classes[c];
        if (cell.grid < 0) continue;
        auto& cp = db.classTimetables.rows[cell.grid].planes;
        if (cp[kOccupantPlane][at] != cell.lessonId) continue;
        const Run run = runAt(cp[kOccupantPlane], slot);
        for (int s = run.start; s < run.end(); ++s) {
            const int i = slotIndex(s);
            cp[kOpenPlane][i] = value;
            for (int t = 0; t < g.teacherCount; ++t) {
                auto& tp = db.teacherTimetables.rows[g.teachers[t]].planes;
                if (tp[kOccupantPlane][i] == cell.classId) tp[kOpenPlane][i] = value;
            }
            for (int r = 0; r < g.roomCount; ++r) {
                auto& rp = db.roomTimetables.rows[g.rooms[r]].planes;
                if (rp[kOccupantPlane][i] == cell.classId) rp[kOpenPlane][i] = value;
            }
        }
    }
}

} // namespace

bool ToggleLock(Database& db, CellOf cell, Id ownerId, int slot) {
    if (!validSlot(slot)) return false;
    const int i = slotIndex(slot);
    Plane* open = nullptr;
    Id classId = 0;
    Id lessonId = 0;
    switch (cell) {
    case CellOf::Teacher:
        if (TeacherTimetable* tt = db.teacherTimetables.find(ownerId)) {
            open = &tt->planes[kOpenPlane];
            classId = tt->planes[kOccupantPlane][i];
        }
        break;
    case CellOf::Room:
        if (RoomTimetable* rt = db.roomTimetables.find(ownerId)) {
            open = &rt->planes[kOpenPlane];
            classId = rt->planes[kOccupantPlane][i];
        }
        break;
    case CellOf::Class:
        if (ClassTimetable* ct = db.classTimetables.find(ownerId)) {
            open = &ct->planes[kOpenPlane];
            classId = ownerId;
            lessonId = ct->planes[kOccupantPlane][i];
        }
        break;
    }
    if (!open) return false;
    const u8 value = (*open)[i] != 0 ? 0 : 1;
    if (cell != CellOf::Class && classId != 0)
        if (const ClassTimetable* ct = db.classTimetables.find(classId))
            lessonId = ct->planes[kOccupantPlane][i];
    // An empty cell, or one whose class shows no lesson there, changes alone.
    if (lessonId == 0) {
        (*open)[i] = value;
        return true;
    }
    setOpenOverRuns(db, gridsConcerned(db, classId, lessonId), slot, value);
    return true;
}

} // namespace zs
