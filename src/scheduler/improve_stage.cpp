#include "improve_stage.h"

#include "journal_ops.h"
#include "kempe.h"
#include "quality.h"
#include "rules/block_run.h"
#include "rules/prepare_teacher.h"
#include "rules/slots.h"

#include <algorithm>
#include <climits>

namespace zs::sched {

namespace {

struct TeacherScore {
    int penalty = 0;
    int overMax = 0;
    int buildings = 0;
};

TeacherScore teacherScore(const Database& db, const TeacherTimetable& tt) {
    if (!db.teachers.contains(tt.teacherId)) return {};
    const TeacherQuality q = teacherQuality(db, tt);
    TeacherScore t{kRuleWeight * (q.gapsOverLimit + q.longGaps) +
                       kFirmRuleWeight * (q.hoursOverMax + q.buildingChanges),
                   q.hoursOverMax, q.buildingChanges};
    if (tt.effectiveRules[kAllowGaps] != 1) t.penalty += q.gaps;
    if (q.overGapLimit()) t.penalty += kRuleWeight;
    return t;
}

} // namespace

int teacherPenalty(const Database& db, const TeacherTimetable& tt) {
    return teacherScore(db, tt).penalty;
}

int classPenalty(const ClassTimetable& ct) {
    return kFirmRuleWeight * sameDayBlocks(ct);
}

Scores::Scores(const Database& db) {
    for (const TeacherTimetable& tt : db.teacherTimetables) {
        const TeacherScore t = teacherScore(db, tt);
        teacher.push_back(t.penalty);
        overMax.push_back(t.overMax);
        buildings.push_back(t.buildings);
    }
    for (const ClassTimetable& ct : db.classTimetables) klass.push_back(classPenalty(ct));
}

int Scores::delta(const AutoRun& run, int mark) {
    const UndoJournal& j = *run.journal;
    touchedTeachers.clear();
    touchedClasses.clear();
    for (int e = mark; e < j.count; ++e) {
        if (j.grid[e] == GridKind::Room) continue;
        std::vector<int>& touched =
            j.grid[e] == GridKind::Teacher ? touchedTeachers : touchedClasses;
        if (std::find(touched.begin(), touched.end(), j.position[e]) == touched.end())
            touched.push_back(j.position[e]);
    }
    int d = 0, moreOverMax = 0, moreBuildings = 0, moreSameDay = 0;
    for (int t : touchedTeachers) {
        const TeacherScore now = teacherScore(run.db, run.db.teacherTimetables.rows[t]);
        d += now.penalty - teacher[t];
        moreOverMax += now.overMax - overMax[t];
        moreBuildings += now.buildings - buildings[t];
    }
    for (int c : touchedClasses) {
        const int now = classPenalty(run.db.classTimetables.rows[c]);
        d += now - klass[c];
        moreSameDay += now - klass[c];
    }
    // A rule the faithful search keeps is never given up, not even for another.
    if (moreOverMax > 0 || moreBuildings > 0 || moreSameDay > 0) return kNeverWorth;
    return d;
}

int Scores::total() const {
    int t = 0;
    for (int p : teacher) t += p;
    for (int p : klass) t += p;
    return t;
}

void Scores::accept(const Database& db) {
    for (int t : touchedTeachers) {
        const TeacherScore now = teacherScore(db, db.teacherTimetables.rows[t]);
        teacher[t] = now.penalty;
        overMax[t] = now.overMax;
        buildings[t] = now.buildings;
    }
    for (int c : touchedClasses) klass[c] = classPenalty(db.classTimetables.rows[c]);
}

bool Scores::anyBroken() const {
    return std::any_of(teacher.begin(), teacher.end(), [](int p) { return p >= kRuleWeight; }) ||
           std::any_of(klass.begin(), klass.end(), [](int p) { return p >= kRuleWeight; });
}

bool Scores::troubled(const PlacementAttempt& a) const {
    for (int t = 0; t < a.teachers; ++t)
        if (teacher[a.teacherRow[t]] >= kRuleWeight) return true;
    for (int c = 0; c < a.classes; ++c)
        if (klass[a.classRow[c]] >= kRuleWeight) return true;
    return false;
}

void Affected::add(const PlacementAttempt& a) {
    for (int t = 0; t < a.teachers; ++t)
        if (std::find(teachers.begin(), teachers.end(), a.teacherRow[t]) == teachers.end())
            teachers.push_back(a.teacherRow[t]);
    for (int c = 0; c < a.classes; ++c)
        if (std::find(classes.begin(), classes.end(), a.classRow[c]) == classes.end())
            classes.push_back(a.classRow[c]);
}

int Affected::penalty(const Database& db) const {
    int p = 0;
    for (int t : teachers) p += teacherPenalty(db, db.teacherTimetables.rows[t]);
    for (int c : classes) p += classPenalty(db.classTimetables.rows[c]);
    return p;
}

bool fillFor(const Database& db, PlacementAttempt& a, Id classId, Id lessonId, int length) {
    a = PlacementAttempt{};
    if (!fillAttempt(db, a, classId, lessonId)) return false;
    a.length = length;
    return true;
}

namespace {

// The cell where the block costs least, 0 when it fits nowhere.
int bestCell(Stage& s, PlacementAttempt& a, const Affected& affected) {
    int best = 0, bestPenalty = INT_MAX;
    for (int cell = 1; cell <= kSlots && !s.spent(); ++cell) {
        if (!hardFits(s.run, a, cell)) continue;
        s.work();
        const int mark = s.run.journal->count;
        if (!commitBlock(s.run, a)) continue;
        const int p = affected.penalty(s.run.db);
        rollBack(s.run, mark);
        if (p < bestPenalty) {
            bestPenalty = p;
            best = cell;
        }
    }
    return best;
}

struct Blocker {
    int classRow;
    int slot;
};

} // namespace

// The block at `cell` once the one or two movable blocks in its way are taken out, they
// then placed elsewhere.
bool ejectAndPlace(Stage& s, PlacementAttempt& a, int cell, int depth) {
    AutoRun& run = s.run;
    const Database& db = run.db;
    const int day = dayOf(cell), hour = hourOf(cell);
    const DayWindow w = attemptWindow(db, a, day);
    if (!w.contains(hour) || hour + a.length - 1 > w.last) return false;
    a.day = day;
    a.hour = hour;
    a.cell = cell;
    const CellExplanation way = blockObstacle(db, a);
    if (way.fits() || way.reason == CellReason::TeacherClosed ||
        way.reason == CellReason::ClassClosed || way.reason == CellReason::RoomClosed)
        return false;
    s.work();
    std::vector<Blocker> blockers;
    auto note = [&](Id classId, int slot) {
        const int row = db.classTimetables.positionOf(classId);
        if (row < 0) return;
        const auto& p = db.classTimetables.rows[row].planes;
        const int start = p[kBlockStartPlane][slotIndex(slot)];
        for (const Blocker& b : blockers)
            if (b.classRow == row &&
                db.classTimetables.rows[row].planes[kBlockStartPlane][slotIndex(b.slot)] == start)
                return;
        blockers.push_back({row, slot});
    };
    for (int k = 0; k < a.length; ++k) {
        const int i = slotIndex(cell + k);
        for (int t = 0; t < a.teachers; ++t)
            if (const Id c = db.teacherTimetables.rows[a.teacherRow[t]].planes[kOccupantPlane][i])
                note(c, cell + k);
        for (int c = 0; c < a.classes; ++c)
            if (db.classTimetables.rows[a.classRow[c]].planes[kOccupantPlane][i] != 0)
                note(a.classIds[c], cell + k);
        for (int r = 0; r < a.rooms; ++r)
            if (const Id c = db.roomTimetables.rows[a.roomRow[r]].planes[kOccupantPlane][i])
                note(c, cell + k);
    }
    if (blockers.empty() || blockers.size() > 2) return false;
    struct Removed {
        Id classId, lessonId;
        int length;
    };
    std::vector<Removed> removed;
    const int mark = run.journal->count;
    for (const Blocker& b : blockers) {
        const ClassTimetable& ct = db.classTimetables.rows[b.classRow];
        const Id lessonId = ct.planes[kOccupantPlane][slotIndex(b.slot)];
        if (lessonId == 0) continue; // went with a common block taken out before
        const zs::Run r = runAt(ct.planes[kOccupantPlane], b.slot);
        if (!removeBlock(run, b.classRow, b.slot)) {
            rollBack(run, mark);
            return false;
        }
        removed.push_back({ct.classId, lessonId, r.length});
    }
    if (!hardFits(run, a, cell) || !commitBlock(run, a)) {
        rollBack(run, mark);
        return false;
    }
    setBlockOpen(run, a, 0);
    bool placed = true;
    for (const Removed& r : removed)
        if (!placeSomewhere(s, r.classId, r.lessonId, r.length, depth - 1)) {
            placed = false;
            break;
        }
    setBlockOpen(run, a, 1);
    if (!placed) rollBack(run, mark);
    return placed;
}

bool placeSomewhere(Stage& s, Id classId, Id lessonId, int length, int depth) {
    PlacementAttempt a;
    if (length <= 0 || !fillFor(s.run.db, a, classId, lessonId, length)) return false;
    Affected affected;
    affected.add(a);
    if (const int cell = bestCell(s, a, affected); cell != 0)
        return hardFits(s.run, a, cell) && commitBlock(s.run, a);
    if (depth <= 0) return false;
    for (int cell = 1; cell <= kSlots && !s.spent(); ++cell)
        if (ejectAndPlace(s, a, cell, depth)) return true;
    return false;
}

} // namespace zs::sched
