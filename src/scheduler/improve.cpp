#include "improve.h"

#include "attempt.h"
#include "journal_ops.h"
#include "kempe.h"
#include "quality.h"
#include "rules/block_run.h"
#include "rules/patterns.h"
#include "rules/prepare_teacher.h"
#include "rules/slots.h"
#include "scheduler.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>
#include <vector>

namespace zs::sched {

namespace {

// A broken rule weighs far more than a gap within the limits, and the rules the faithful
// search never breaks (the daily maximum, buildings, different days) far more than the
// gap limits it relaxes. A teacher held to a gap limit also gains from fewer gaps.
constexpr int kRuleWeight = 20;
constexpr int kFirmRuleWeight = 200;

int teacherPenalty(const Database& db, const TeacherTimetable& tt) {
    if (!db.teachers.contains(tt.teacherId)) return 0;
    const TeacherQuality q = teacherQuality(db, tt);
    int p = kRuleWeight * (q.gapsOverLimit + q.longGaps) +
            kFirmRuleWeight * (q.hoursOverMax + q.buildingChanges);
    if (tt.effectiveRules[kAllowGaps] != 1) p += q.gaps;
    return p;
}

int classPenalty(const ClassTimetable& ct) {
    return kFirmRuleWeight * sameDayBlocks(ct);
}

// The teachers and classes whose figures a move can change.
struct Affected {
    std::vector<int> teachers;
    std::vector<int> classes;
    void add(const PlacementAttempt& a) {
        for (int t = 0; t < a.teachers; ++t)
            if (std::find(teachers.begin(), teachers.end(), a.teacherRow[t]) == teachers.end())
                teachers.push_back(a.teacherRow[t]);
        for (int c = 0; c < a.classes; ++c)
            if (std::find(classes.begin(), classes.end(), a.classRow[c]) == classes.end())
                classes.push_back(a.classRow[c]);
    }
    int penalty(const Database& db) const {
        int p = 0;
        for (int t : teachers) p += teacherPenalty(db, db.teacherTimetables.rows[t]);
        for (int c : classes) p += classPenalty(db.classTimetables.rows[c]);
        return p;
    }
};

struct Stage {
    AutoRun& run;
    long workLeft;
    long sincePump = 0;
    bool spent() const { return workLeft <= 0 || run.state.stopRequested; }
    // One cell tried; the message pump runs now and then, so "&Durdur" gets through.
    void work() {
        --workLeft;
        if (++sincePump >= 256) {
            sincePump = 0;
            run.observer.pump();
        }
    }
};

bool fillFor(const Database& db, PlacementAttempt& a, Id classId, Id lessonId, int length) {
    a = PlacementAttempt{};
    if (!fillAttempt(db, a, classId, lessonId)) return false;
    a.length = length;
    return true;
}

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

bool placeSomewhere(Stage& s, Id classId, Id lessonId, int length, int depth);

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

// Each class lesson still short of hours, once for a common group, block by block.
void complete(Stage& s) {
    const Database& db = s.run.db;
    for (const ClassLesson& cl : db.classLessons) {
        if (s.spent()) return;
        if (cl.teacherCount == 0) continue;
        if (const CommonGroup* g = db.commonGroups.find(cl.commonGroupId))
            if (g->memberCount > 0 && g->memberClass[0] != cl.classId) continue;
        const auto& impossible = s.run.state.impossibleBlocks;
        if (std::find(impossible.begin(), impossible.end(),
                      std::pair<Id, Id>(cl.classId, cl.lessonId)) != impossible.end())
            continue;
        for (int guard = 0; guard < kPatternSize * 4 && !s.spent(); ++guard) {
            s.run.journal->clear();
            const int length = nextBlock(db, cl.classId, cl.lessonId);
            if (length == 0 || !placeSomewhere(s, cl.classId, cl.lessonId, length, 2)) break;
            s.run.state.placedTotal += cl.teacherCount * length;
            s.run.observer.schoolHours(s.run.state.totalHours, s.run.state.placedTotal);
        }
    }
}

// The figures of every teacher and class as they stand, kept up to date as moves are
// taken, so a move is judged by the grids its journal entries touched.
struct Scores {
    std::vector<int> teacher;
    std::vector<int> klass;
    std::vector<int> touchedTeachers;
    std::vector<int> touchedClasses;

    explicit Scores(const Database& db) {
        for (const TeacherTimetable& tt : db.teacherTimetables)
            teacher.push_back(teacherPenalty(db, tt));
        for (const ClassTimetable& ct : db.classTimetables) klass.push_back(classPenalty(ct));
    }

    // The change in the figures since journal entry `mark`.
    int delta(const AutoRun& run, int mark) {
        const UndoJournal& j = *run.journal;
        touchedTeachers.clear();
        touchedClasses.clear();
        for (int e = mark; e < j.count; ++e) {
            std::vector<int>& touched =
                j.grid[e] == GridKind::Teacher ? touchedTeachers : touchedClasses;
            if (j.grid[e] == GridKind::Room) continue;
            if (std::find(touched.begin(), touched.end(), j.position[e]) == touched.end())
                touched.push_back(j.position[e]);
        }
        int d = 0;
        for (int t : touchedTeachers)
            d += teacherPenalty(run.db, run.db.teacherTimetables.rows[t]) - teacher[t];
        for (int c : touchedClasses) d += classPenalty(run.db.classTimetables.rows[c]) - klass[c];
        return d;
    }

    int total() const {
        int t = 0;
        for (int p : teacher) t += p;
        for (int p : klass) t += p;
        return t;
    }

    // The move just judged by delta stays.
    void accept(const Database& db) {
        for (int t : touchedTeachers) teacher[t] = teacherPenalty(db, db.teacherTimetables.rows[t]);
        for (int c : touchedClasses) klass[c] = classPenalty(db.classTimetables.rows[c]);
    }

    // Whether a rule in force is broken around the attempt's teachers and classes.
    bool troubled(const PlacementAttempt& a) const {
        for (int t = 0; t < a.teachers; ++t)
            if (teacher[a.teacherRow[t]] >= kRuleWeight) return true;
        for (int c = 0; c < a.classes; ++c)
            if (klass[a.classRow[c]] >= kRuleWeight) return true;
        return false;
    }
};

// Moves the block at `slot` of the class to a cell where the figures are better: a free
// cell, or one whose blocks in the way go elsewhere (which takes in swaps). With
// `sideways`, a move that leaves the figures as they are is taken too, so the search
// can cross a plateau. Answers the change in the figures, 1 when nothing moved.
int improveBlock(Stage& s, Scores& scores, int classRow, int slot, bool sideways) {
    AutoRun& run = s.run;
    const Database& db = run.db;
    const ClassTimetable& ct = db.classTimetables.rows[classRow];
    const int i = slotIndex(slot);
    const Id lessonId = ct.planes[kOccupantPlane][i];
    if (lessonId == 0 || ct.planes[kOpenPlane][i] == 0) return 1;
    const int length = ct.planes[kBlockLengthPlane][i];
    PlacementAttempt a;
    if (!fillFor(db, a, ct.classId, lessonId, length) || !scores.troubled(a)) return 1;
    run.journal->clear();
    if (!removeBlock(run, classRow, slot)) return 1;
    const int removed = run.journal->count;
    for (int cell = 1; cell <= kSlots && !s.spent(); ++cell) {
        if (cell == slot) continue;
        bool placed = false;
        if (hardFits(run, a, cell)) {
            s.work();
            placed = commitBlock(run, a);
        } else {
            placed = ejectAndPlace(s, a, cell, 2);
        }
        if (!placed) continue;
        const int d = scores.delta(run, 0);
        if (d < 0 || (sideways && d == 0)) {
            scores.accept(db);
            return d;
        }
        rollBack(run, removed);
    }
    rollBack(run, 0);
    // Kempe chains: the block trades its hours with what stands at another start cell.
    for (int cell = 1; cell <= kSlots && !s.spent(); ++cell) {
        if (cell == slot) continue;
        s.work();
        if (!kempeSwap(run, classRow, slot, cell)) continue;
        const int d = scores.delta(run, 0);
        if (d < 0 || (sideways && d == 0)) {
            scores.accept(db);
            return d;
        }
        rollBack(run, 0);
    }
    return 1;
}

// Rounds over every troubled block; after a round without gain, rounds that also take
// moves leaving the figures equal, a block moved so not moved that way again soon.
void improve(Stage& s, Scores& scores) {
    const Database& db = s.run.db;
    std::vector<std::pair<Id, int>> recent; // class and former cell of the last level moves
    constexpr std::size_t kTabu = 64;
    constexpr int kPlateauRounds = 6;
    for (int idle = 0; idle <= kPlateauRounds && !s.spent();) {
        bool gained = false;
        const bool sideways = idle > 0;
        for (int row = 0; row < static_cast<int>(db.classTimetables.rows.size()); ++row) {
            const Id classId = db.classTimetables.rows[row].classId;
            if (!db.classes.contains(classId)) continue;
            for (int slot = 1; slot <= kSlots && !s.spent(); ++slot) {
                const auto& p = db.classTimetables.rows[row].planes;
                if (p[kOccupantPlane][slotIndex(slot)] == 0 ||
                    p[kBlockStartPlane][slotIndex(slot)] != slot)
                    continue;
                const bool tabu = std::find(recent.begin(), recent.end(),
                                            std::pair<Id, int>(classId, slot)) != recent.end();
                const int d = improveBlock(s, scores, row, slot, sideways && !tabu);
                if (d < 0) gained = true;
                if (d == 0) {
                    recent.emplace_back(classId, slot);
                    if (recent.size() > kTabu) recent.erase(recent.begin());
                }
            }
        }
        idle = gained ? 0 : idle + 1;
    }
}

// Annealing from a fixed seed over random moves of troubled blocks: while the temperature
// is high a move that costs a little is taken now and then, so the search leaves a local
// optimum; the best timetable met is what stays.
void anneal(Stage& s, Scores& scores) {
    AutoRun& run = s.run;
    Database& db = run.db;
    std::mt19937 random(20261207u);
    const int rows = static_cast<int>(db.classTimetables.rows.size());
    if (rows == 0) return;
    int current = scores.total();
    int best = current;
    auto bestTeachers = db.teacherTimetables.rows;
    auto bestClasses = db.classTimetables.rows;
    auto bestRooms = db.roomTimetables.rows;
    const long steps = s.workLeft / 2;
    std::vector<std::pair<int, int>> troubled; // block starts around a broken rule
    for (long n = 0; n < steps && !s.spent() && best > 0; ++n) {
        s.work();
        if (n % 256 == 0) {
            troubled.clear();
            for (int r = 0; r < rows; ++r) {
                const ClassTimetable& ct = db.classTimetables.rows[r];
                if (!db.classes.contains(ct.classId)) continue;
                for (int cell = 1; cell <= kSlots; ++cell) {
                    const int k = slotIndex(cell);
                    if (ct.planes[kOccupantPlane][k] == 0 ||
                        ct.planes[kBlockStartPlane][k] != cell || ct.planes[kOpenPlane][k] == 0)
                        continue;
                    PlacementAttempt a;
                    if (fillFor(db, a, ct.classId, ct.planes[kOccupantPlane][k],
                                ct.planes[kBlockLengthPlane][k]) &&
                        scores.troubled(a))
                        troubled.emplace_back(r, cell);
                }
            }
            if (troubled.empty()) break;
        }
        const double temperature = kRuleWeight * std::pow(0.02, double(n) / double(steps));
        const auto [row, slot] = troubled[random() % troubled.size()];
        const int to = 1 + static_cast<int>(random() % kSlots);
        const bool chain = random() % 2 == 0;
        const double chance = double(random()) / double(std::mt19937::max());
        const ClassTimetable& ct = db.classTimetables.rows[row];
        const int i = slotIndex(slot);
        const Id lessonId = ct.planes[kOccupantPlane][i];
        if (to == slot || lessonId == 0 || ct.planes[kBlockStartPlane][i] != slot) continue;
        PlacementAttempt a;
        if (!fillFor(db, a, ct.classId, lessonId, ct.planes[kBlockLengthPlane][i])) continue;
        run.journal->clear();
        bool moved = false;
        if (chain) {
            moved = kempeSwap(run, row, slot, to);
        } else if (removeBlock(run, row, slot)) {
            moved = (hardFits(run, a, to) && commitBlock(run, a)) || ejectAndPlace(s, a, to, 1);
            if (!moved) rollBack(run, 0);
        }
        if (!moved) continue;
        const int d = scores.delta(run, 0);
        if (d <= 0 || chance < std::exp(-d / temperature)) {
            scores.accept(db);
            current += d;
            if (current < best) {
                best = current;
                bestTeachers = db.teacherTimetables.rows;
                bestClasses = db.classTimetables.rows;
                bestRooms = db.roomTimetables.rows;
            }
        } else {
            rollBack(run, 0);
        }
    }
    if (current > best) {
        db.teacherTimetables.rows = std::move(bestTeachers);
        db.classTimetables.rows = std::move(bestClasses);
        db.roomTimetables.rows = std::move(bestRooms);
        scores = Scores(db);
    }
    run.journal->clear();
}

} // namespace

void completeAndImprove(AutoRun& run) {
    RunState& st = run.state;
    // Without any pattern block there is nothing a run places, so nothing to complete.
    if (st.stopRequested || st.blockLengths.count == 0) return;
    st.phase = RunPhase::Completion;
    run.observer.phaseShown(st.phase);
    Stage s{run, kImproveWorkPerClass * std::max<long>(1, long(run.db.classes.rows.size()))};
    complete(s);
    Scores scores(run.db);
    improve(s, scores);
    anneal(s, scores);
    improve(s, scores);
    run.journal->clear();
    const HourSums sums = teacherHourSums(run.db);
    st.placedTotal = sums.placed;
    run.observer.schoolHours(st.totalHours, st.placedTotal);
    run.observer.gridChanged();
}

} // namespace zs::sched
