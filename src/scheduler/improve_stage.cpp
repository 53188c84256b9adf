#include "improve_stage.h"

#include "journal_ops.h"
#include "kempe.h"
#include "rules/block_run.h"
#include "rules/prepare_teacher.h"
#include "rules/slots.h"

#include <algorithm>
#include <climits>

namespace zs::sched {

namespace {

GridScore teacherScore(const Database& db, const TeacherTimetable& tt) {
    GridScore t;
    if (!db.teachers.contains(tt.teacherId)) return t;
    TeacherGaps g;
    t.breaks = teacherBreaks(db, tt, nullptr, &g);
    t.penalty = kFirmRuleWeight * (t.breaks.total() - t.breaks[Rule::GapLimit]) +
                kRuleWeight * (g.gapsOverLimit + g.longGaps + t.breaks[Rule::GapLimit]);
    if (g.limited) t.penalty += g.gaps;
    return t;
}

int weigh(const RuleCounts& c) {
    return kFirmRuleWeight * c.total();
}

} // namespace

Scores::Scores(const Database& db) {
    for (const TeacherTimetable& tt : db.teacherTimetables) {
        const GridScore t = teacherScore(db, tt);
        teacher.push_back(t.penalty);
        teacherRules.push_back(t.breaks);
    }
    for (const ClassTimetable& ct : db.classTimetables) classRules.push_back(classBreaks(db, ct));
    for (const RuleCounts& c : classRules) klass.push_back(weigh(c));
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
    int d = 0;
    RuleCounts more;
    nowTeachers.clear();
    nowTeacherPenalty.clear();
    nowClasses.clear();
    for (int t : touchedTeachers) {
        const GridScore now = teacherScore(run.db, run.db.teacherTimetables.rows[t]);
        d += now.penalty - teacher[t];
        for (int r = 0; r < kRuleCount; ++r) more.n[r] += now.breaks.n[r] - teacherRules[t].n[r];
        nowTeachers.push_back(now.breaks);
        nowTeacherPenalty.push_back(now.penalty);
    }
    for (int c : touchedClasses) {
        const RuleCounts now = classBreaks(run.db, run.db.classTimetables.rows[c]);
        d += weigh(now) - klass[c];
        for (int r = 0; r < kRuleCount; ++r) more.n[r] += now.n[r] - classRules[c].n[r];
        nowClasses.push_back(now);
    }
    // No rule in force is broken more often to gain on another, nor to close gaps.
    for (int r = 0; r < kRuleCount; ++r)
        if (more.n[r] > 0 && (static_cast<Rule>(r) != Rule::GapLimit || !gapLimitMayRise))
            return kNeverWorth;
    return d;
}

int Scores::total() const {
    int t = 0;
    for (int p : teacher) t += p;
    for (int p : klass) t += p;
    return t;
}

int Scores::teachersOverGapLimit() const {
    int n = 0;
    for (const RuleCounts& c : teacherRules) n += c[Rule::GapLimit];
    return n;
}

void Scores::accept() {
    for (std::size_t k = 0; k < touchedTeachers.size(); ++k) {
        const int t = touchedTeachers[k];
        teacher[t] = nowTeacherPenalty[k];
        teacherRules[t] = nowTeachers[k];
    }
    for (std::size_t k = 0; k < touchedClasses.size(); ++k) {
        const int c = touchedClasses[k];
        classRules[c] = nowClasses[k];
        klass[c] = weigh(nowClasses[k]);
    }
}

bool Scores::anyBroken() const {
    auto broken = [](const RuleCounts& c) { return c.total() > 0; };
    return std::any_of(teacherRules.begin(), teacherRules.end(), broken) ||
           std::any_of(classRules.begin(), classRules.end(), broken);
}

bool Scores::troubled(const PlacementAttempt& a) const {
    for (int t = 0; t < a.teachers; ++t)
        if (teacherRules[a.teacherRow[t]].total() > 0) return true;
    for (int c = 0; c < a.classes; ++c)
        if (classRules[a.classRow[c]].total() > 0) return true;
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

GridScore Affected::score(const Database& db) const {
    GridScore sum;
    for (int t : teachers) {
        const GridScore one = teacherScore(db, db.teacherTimetables.rows[t]);
        sum.penalty += one.penalty;
        sum.breaks += one.breaks;
    }
    for (int c : classes) {
        const RuleCounts one = classBreaks(db, db.classTimetables.rows[c]);
        sum.penalty += weigh(one);
        sum.breaks += one;
    }
    return sum;
}

bool fillFor(const Database& db, PlacementAttempt& a, Id classId, Id lessonId, int length) {
    a = PlacementAttempt{};
    if (!fillAttempt(db, a, classId, lessonId)) return false;
    a.length = length;
    return true;
}

namespace {

// The cell where the block costs least, 0 when it fits nowhere. A block that was placed
// and is only pushed aside goes nowhere it would break a rule the grids kept before.
int bestCell(Stage& s, PlacementAttempt& a, const Affected& affected, bool mayBend) {
    int best = 0, bestPenalty = INT_MAX;
    const RuleCounts before = mayBend ? RuleCounts{} : affected.score(s.run.db).breaks;
    for (int cell = 1; cell <= kSlots && !s.spent(); ++cell) {
        if (!hardFits(s.run, a, cell)) continue;
        s.work();
        const int mark = s.run.journal->count;
        if (!commitBlock(s.run, a)) continue;
        const GridScore now = affected.score(s.run.db);
        const int p = now.penalty;
        const bool keeps = mayBend || !now.breaks.exceeds(before);
        rollBack(s.run, mark);
        if (keeps && p < bestPenalty) {
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
        if (!placeSomewhere(s, r.classId, r.lessonId, r.length, depth - 1, false)) {
            placed = false;
            break;
        }
    setBlockOpen(run, a, 1);
    if (!placed) rollBack(run, mark);
    return placed;
}

bool placeSomewhere(Stage& s, Id classId, Id lessonId, int length, int depth, bool mayBend) {
    PlacementAttempt a;
    if (length <= 0 || !fillFor(s.run.db, a, classId, lessonId, length)) return false;
    Affected affected;
    affected.add(a);
    if (const int cell = bestCell(s, a, affected, mayBend); cell != 0)
        return hardFits(s.run, a, cell) && commitBlock(s.run, a);
    if (depth <= 0) return false;
    for (int cell = 1; cell <= kSlots && !s.spent(); ++cell)
        if (ejectAndPlace(s, a, cell, depth)) return true;
    return false;
}

} // namespace zs::sched
