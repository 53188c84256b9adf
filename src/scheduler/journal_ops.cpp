#include "journal_ops.h"

#include "rules/block_run.h"
#include "rules/grids_concerned.h"
#include "rules/slots.h"

namespace zs::sched {

namespace {

std::array<Plane, 5>& teacherPlanes(Database& db, int row) {
    return db.teacherTimetables.rows[row].planes;
}
std::array<Plane, 4>& classPlanes(Database& db, int row) {
    return db.classTimetables.rows[row].planes;
}
std::array<Plane, 4>& roomPlanes(Database& db, int row) {
    return db.roomTimetables.rows[row].planes;
}

template <std::size_t N>
bool writeCell(UndoJournal& j, Change c, GridKind g, int row, std::array<Plane, N>& p, int slot,
               u8 occupant, u8 length, u8 start) {
    const int i = slotIndex(slot);
    if (!j.push(c, g, row, slot, p[kOccupantPlane][i], p[kBlockLengthPlane][i],
                p[kBlockStartPlane][i]))
        return false;
    p[kOccupantPlane][i] = occupant;
    p[kBlockLengthPlane][i] = length;
    p[kBlockStartPlane][i] = start;
    return true;
}

template <std::size_t N>
bool reblockCell(UndoJournal& j, GridKind g, int row, std::array<Plane, N>& p, int slot,
                 const zs::Run& r) {
    const int i = slotIndex(slot);
    if (p[kBlockLengthPlane][i] == r.length && p[kBlockStartPlane][i] == r.start) return true;
    return writeCell(j, Change::Reblocked, g, row, p, slot, p[kOccupantPlane][i],
                     static_cast<u8>(r.length), static_cast<u8>(r.start));
}

// Rewrites the block planes over the run of the lesson at `slot` in a class grid and in
// the teacher and room cells that hold that class, journalling what changes.
bool reblockRun(AutoRun& run, int classRow, Id classId, int slot, const std::int16_t* teacherRows,
                int teachers, const std::int16_t* roomRows, int rooms) {
    if (!validSlot(slot)) return true;
    Database& db = run.db;
    UndoJournal& j = *run.journal;
    auto& cp = classPlanes(db, classRow);
    const zs::Run r = runAt(cp[kOccupantPlane], slot);
    for (int s = r.start; s < r.end(); ++s) {
        const int i = slotIndex(s);
        if (!reblockCell(j, GridKind::Class, classRow, cp, s, r)) return false;
        for (int t = 0; t < teachers; ++t) {
            auto& tp = teacherPlanes(db, teacherRows[t]);
            if (tp[kOccupantPlane][i] == classId &&
                !reblockCell(j, GridKind::Teacher, teacherRows[t], tp, s, r))
                return false;
        }
        for (int k = 0; k < rooms; ++k) {
            auto& rp = roomPlanes(db, roomRows[k]);
            if (rp[kOccupantPlane][i] == classId &&
                !reblockCell(j, GridKind::Room, roomRows[k], rp, s, r))
                return false;
        }
    }
    return true;
}

bool sameDay(int a, int b) {
    return validSlot(a) && validSlot(b) && dayOf(a) == dayOf(b);
}

bool commitCells(AutoRun& run, const PlacementAttempt& a) {
    Database& db = run.db;
    UndoJournal& j = *run.journal;
    const u8 length = static_cast<u8>(a.length);
    const u8 start = static_cast<u8>(a.cell);
    const int day = a.day;
    for (int k = 0; k < a.length; ++k) {
        const int slot = a.cell + k;
        for (int t = 0; t < a.teachers; ++t) {
            TeacherTimetable& tt = db.teacherTimetables.rows[a.teacherRow[t]];
            if (!writeCell(j, Change::Filled, GridKind::Teacher, a.teacherRow[t], tt.planes, slot,
                           a.firstClass(), length, start))
                return false;
            ++tt.placedHours;
            ++tt.placedOnDay[day - 1];
        }
        for (int c = 0; c < a.classes; ++c) {
            ClassTimetable& ct = db.classTimetables.rows[a.classRow[c]];
            if (!writeCell(j, Change::Filled, GridKind::Class, a.classRow[c], ct.planes, slot,
                           a.classLesson[c], length, start))
                return false;
            --ct.freeOnDay[day - 1];
        }
        for (int r = 0; r < a.rooms; ++r)
            if (!writeCell(j, Change::Filled, GridKind::Room, a.roomRow[r],
                           roomPlanes(db, a.roomRow[r]), slot, a.firstClass(), length, start))
                return false;
    }
    // A block placed beside hours of the same lesson joins them into one block.
    const int before = a.cell - 1;
    const int after = a.cell + a.length;
    for (int c = 0; c < a.classes; ++c) {
        const auto& occupants = classPlanes(db, a.classRow[c])[kOccupantPlane];
        const bool joins =
            (sameDay(before, a.cell) && occupants[slotIndex(before)] == a.classLesson[c]) ||
            (sameDay(after, a.cell) && occupants[slotIndex(after)] == a.classLesson[c]);
        if (joins && !reblockRun(run, a.classRow[c], a.classIds[c], a.cell, a.teacherRow.data(),
                                 a.teachers, a.roomRow.data(), a.rooms))
            return false;
    }
    return true;
}

template <std::size_t N>
bool anyClosed(const std::array<Plane, N>& p, const zs::Run& r, Id holder, bool byHolder) {
    for (int s = r.start; s < r.end(); ++s) {
        const int i = slotIndex(s);
        if (byHolder && p[kOccupantPlane][i] != holder) continue;
        if (p[kOpenPlane][i] == 0) return true;
    }
    return false;
}

} // namespace

bool commitBlock(AutoRun& run, const PlacementAttempt& a) {
    const int mark = run.journal->count;
    if (!commitCells(run, a)) {
        rollBack(run, mark);
        return false;
    }
    run.changed("commit");
    return true;
}

const GridsConcerned& concernedOf(const AutoRun& run, Id classId, Id lessonId) {
    if (!run.concerned) {
        thread_local GridsConcerned fresh;
        fresh = gridsConcerned(run.db, classId, lessonId);
        return fresh;
    }
    return *run.concerned->get(classId, lessonId, [&](GridsConcerned& fresh) {
        fresh = gridsConcerned(run.db, classId, lessonId);
        return true;
    });
}

bool removeBlock(AutoRun& run, int classRow, int slot) {
    Database& db = run.db;
    if (classRow < 0 || !validSlot(slot)) return false;
    const ClassTimetable& owner = db.classTimetables.rows[classRow];
    const Id lessonId = owner.planes[kOccupantPlane][slotIndex(slot)];
    // A guidance hour stays where it is, whether the run or a hand placed it.
    if (lessonId == 0 || lessonId == db.settings.guidanceLessonId) return false;
    const zs::Run block = runAt(owner.planes[kOccupantPlane], slot);
    const GridsConcerned& g = concernedOf(run, owner.classId, lessonId);
    if (!g.classLessonFound) return false;

    // A block closed anywhere is locked (a guidance hour, or a block a repair is holding).
    for (int c = 0; c < g.classCount; ++c)
        if (g.classes[c].grid >= 0 &&
            anyClosed(classPlanes(db, g.classes[c].grid), block, g.classes[c].lessonId, true))
            return false;
    for (int t = 0; t < g.teacherCount; ++t)
        for (int c = 0; c < g.classCount; ++c)
            if (anyClosed(teacherPlanes(db, g.teachers[t]), block, g.classes[c].classId, true))
                return false;
    for (int r = 0; r < g.roomCount; ++r)
        for (int c = 0; c < g.classCount; ++c)
            if (anyClosed(roomPlanes(db, g.rooms[r]), block, g.classes[c].classId, true))
                return false;

    UndoJournal& j = *run.journal;
    const int mark = j.count;
    const int day = dayOf(slot);
    bool ok = true;
    for (int s = block.start; ok && s < block.end(); ++s) {
        const int i = slotIndex(s);
        for (int t = 0; ok && t < g.teacherCount; ++t) {
            TeacherTimetable& tt = db.teacherTimetables.rows[g.teachers[t]];
            if (!g.holds(tt.planes[kOccupantPlane][i])) continue;
            ok = writeCell(j, Change::Cleared, GridKind::Teacher, g.teachers[t], tt.planes, s, 0, 0,
                           0);
            if (ok) {
                --tt.placedHours;
                --tt.placedOnDay[day - 1];
            }
        }
        for (int c = 0; ok && c < g.classCount; ++c) {
            if (g.classes[c].grid < 0) continue;
            ClassTimetable& ct = db.classTimetables.rows[g.classes[c].grid];
            if (ct.planes[kOccupantPlane][i] != g.classes[c].lessonId) continue;
            ok = writeCell(j, Change::Cleared, GridKind::Class, g.classes[c].grid, ct.planes, s, 0,
                           0, 0);
            if (ok) ++ct.freeOnDay[day - 1];
        }
        for (int r = 0; ok && r < g.roomCount; ++r) {
            auto& rp = roomPlanes(db, g.rooms[r]);
            if (g.holds(rp[kOccupantPlane][i]))
                ok = writeCell(j, Change::Cleared, GridKind::Room, g.rooms[r], rp, s, 0, 0, 0);
        }
    }
    // A member class whose run reached past the block keeps the rest as blocks of its own.
    for (int c = 0; ok && c < g.classCount; ++c) {
        if (g.classes[c].grid < 0) continue;
        for (int s : {block.start - 1, block.end()})
            if (sameDay(s, block.start) &&
                classPlanes(db, g.classes[c].grid)[kOccupantPlane][slotIndex(s)] ==
                    g.classes[c].lessonId)
                ok = reblockRun(run, g.classes[c].grid, g.classes[c].classId, s, g.teachers.data(),
                                g.teacherCount, g.rooms.data(), g.roomCount);
    }
    if (!ok) {
        rollBack(run, mark);
        return false;
    }
    run.changed("remove");
    return true;
}

void rollBack(AutoRun& run, int mark) {
    Database& db = run.db;
    UndoJournal& j = *run.journal;
    if (mark >= j.count) return;
    for (int e = j.count - 1; e >= mark; --e) {
        const int row = j.position[e];
        const int slot = j.cell[e];
        const int i = slotIndex(slot);
        const int day = dayOf(slot);
        const int sign = j.change[e] == Change::Filled    ? -1
                         : j.change[e] == Change::Cleared ? 1
                                                          : 0;
        auto restore = [&](auto& planes) {
            planes[kOccupantPlane][i] = j.formerOccupant[e];
            planes[kBlockLengthPlane][i] = j.formerLength[e];
            planes[kBlockStartPlane][i] = j.formerStart[e];
        };
        switch (j.grid[e]) {
        case GridKind::Teacher: {
            TeacherTimetable& tt = db.teacherTimetables.rows[row];
            restore(tt.planes);
            tt.placedHours = static_cast<u8>(tt.placedHours + sign);
            tt.placedOnDay[day - 1] = static_cast<u8>(tt.placedOnDay[day - 1] + sign);
            break;
        }
        case GridKind::Class: {
            ClassTimetable& ct = db.classTimetables.rows[row];
            restore(ct.planes);
            ct.freeOnDay[day - 1] = static_cast<u8>(ct.freeOnDay[day - 1] - sign);
            break;
        }
        case GridKind::Room:
            restore(db.roomTimetables.rows[row].planes);
            break;
        }
    }
    j.count = mark;
    run.changed("rollback");
}

void setBlockOpen(AutoRun& run, const PlacementAttempt& a, u8 open) {
    for (int k = 0; k < a.length; ++k) {
        const int i = slotIndex(a.cell + k);
        for (int t = 0; t < a.teachers; ++t)
            run.db.teacherTimetables.rows[a.teacherRow[t]].planes[kOpenPlane][i] = open;
        for (int c = 0; c < a.classes; ++c)
            run.db.classTimetables.rows[a.classRow[c]].planes[kOpenPlane][i] = open;
    }
}

} // namespace zs::sched
