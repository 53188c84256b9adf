#include "improve.h"

#include "chain_completion.h"
#include "improve_stage.h"
#include "journal_ops.h"
#include "kempe.h"
#include "rules/slots.h"
#include "scheduler.h"
#include "swap_completion.h"
#include "teacher_week.h"
#include "unplaced_report.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace zs::sched {

namespace {

// Each class lesson still short of hours, once for a common group, block by block, each
// block given to `place(classId, lessonId, length)`. Answers whether every block was placed.
template <class Place> bool complete(Stage& s, Place place) {
    bool all = true;
    const Database& db = s.run.db;
    for (const ClassLesson& cl : db.classLessons) {
        if (s.spent()) return false;
        if (!placedAsUnit(db, cl)) continue;
        for (int guard = 0; guard < kPatternSize * 4 && !s.spent(); ++guard) {
            s.run.journal->clear();
            const std::vector<int> blocks = placeableBlocks(s.run, cl.classId, cl.lessonId);
            if (blocks.empty()) break;
            const int length = blocks.front();
            if (!place(cl.classId, cl.lessonId, length)) {
                all = false;
                break;
            }
            s.run.state.placedTotal += cl.teacherCount * length;
            s.run.observer.schoolHours(s.run.state.totalHours, s.run.state.placedTotal);
        }
    }
    return all;
}

// A block may go where it breaks the rules in `mayBend` more often, no other. Blocks in
// the way are pushed aside `depth` levels deep.
bool complete(Stage& s, RuleSet mayBend, int depth) {
    return complete(s, [&](Id classId, Id lessonId, int length) {
        return placeSomewhere(s, classId, lessonId, length, depth, mayBend);
    });
}

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
    if (!fillFor(s, a, ct.classId, lessonId, length) || !scores.troubled(a)) return 1;
    auto keeps = [&](int& d) {
        d = scores.delta(run, 0);
        if (d < 0 || (sideways && d == 0)) {
            scores.accept();
            return true;
        }
        rollBack(run, 0);
        return false;
    };
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
            scores.accept();
            return d;
        }
        rollBack(run, removed);
    }
    rollBack(run, 0);
    // Swaps: the block trades its hours with what stands at another cell, along a Kempe
    // chain of blocks of its length or with whole windows of the classes concerned.
    for (int cell = 1; cell <= kSlots && !s.spent(); ++cell) {
        if (cell == slot) continue;
        s.work();
        s.work();
        run.journal->clear();
        int d = 1;
        if (kempeSwap(run, classRow, slot, cell) && keeps(d)) return d;
        if (windowSwap(run, classRow, slot, cell, length) && keeps(d)) return d;
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

// Runs `step` with `share` of the work left; what it leaves, and the rest, go on.
template <class Step> void withShare(Stage& s, long share, Step step) {
    const long rest = s.workLeft - share;
    s.workLeft = share;
    step();
    s.workLeft += rest;
}

} // namespace

long gapRoundsWork(long classes) {
    const long c = std::max(1L, classes), at = kGapRoundsClassesAtBase;
    if (c <= at) return kGapRounds * improveWork(c);
    return kGapRounds * improveWork(at) * at / c * at / c;
}

long improveWork(long classes) {
    const long beyond = std::max(0L, classes - kImproveClassesAtBase);
    return kImproveWorkPerClass * classes * (kImproveClassesAtBase + beyond / 3) /
           kImproveClassesAtBase;
}

namespace {

// The completion passes, in a stage of their own; answers the work they left, which the
// improvement takes.
long completeRun(AutoRun& run, long work) {
    Stage s{run, work};
    // Without a new break first: pushing blocks aside, then swapping one elsewhere first
    // with at most a quarter of the work left, then chains of blocks pushed out, then the
    // teacher's week laid out again. Then bending only the rules the relaxation steps
    // loosen, the first of them first; last, for an hour placeable no other way, also
    // pushing blocks where they bend those rules, swapping, chains, week layouts, and three
    // levels deep with at most half of the work, so that the improvement keeps the rest. No
    // other rule is broken to place an hour: it stays unplaced, and is reported.
    auto withFigures = [&](RuleSet mayBend, auto pass) {
        Scores counted(run.db, s.held);
        counted.mayRise = mayBend;
        s.kept = &counted;
        const bool all = pass(counted);
        s.kept = nullptr;
        return all;
    };
    auto bySwaps = [&](RuleSet mayBend) {
        bool all = false;
        withShare(s, s.workLeft / 4, [&] {
            all = withFigures(mayBend, [&](Scores& counted) {
                return complete(s, [&](Id classId, Id lessonId, int length) {
                    return placeBySwap(s, counted, classId, lessonId, length);
                });
            });
        });
        return all;
    };
    // The chains and the week layouts have work of their own, an eighth of the stage's
    // each: where they place nothing, they leave the grids as they found them, and what
    // follows runs as it would without them.
    auto withOwnWork = [&](RuleSet mayBend, bool (*pass)(Stage&, Scores&)) {
        const long left = s.workLeft;
        s.workLeft = work / 8;
        const bool all = withFigures(mayBend, [&](Scores& counted) { return pass(s, counted); });
        s.workLeft = left;
        return all;
    };
    auto byChains = [&](RuleSet mayBend) { return withOwnWork(mayBend, completeByChains); };
    auto byWeeks = [&](RuleSet mayBend) { return withOwnWork(mayBend, completeByTeacherWeeks); };
    s.checkEjections = true;
    if (!complete(s, 0, 2) && !bySwaps(0) && !byChains(0) && !byWeeks(0)) {
        const std::vector<RuleSet> ladder = relaxationLadder(run.db.settings);
        bool all = false;
        for (const RuleSet mayBend : ladder)
            if ((all = complete(s, mayBend, 2))) break;
        if (!all && !ladder.empty()) {
            const RuleSet every = ladder.back();
            s.pushedMayBend = every;
            if (!complete(s, every, 2) && !bySwaps(every) && !byChains(every) && !byWeeks(every))
                withShare(s, s.workLeft - s.workLeft / 2, [&] { complete(s, every, 3); });
            s.pushedMayBend = 0;
        }
    }
    run.journal->clear();
    countPlacedAgain(run);
    return s.workLeft;
}

void improveRun(AutoRun& run, long work) {
    const long classes = std::max<long>(1, long(run.db.classes.rows.size()));
    Stage s{run, work};
    Scores scores(run.db, s.held);
    s.kept = &scores;
    // An eighth of the work for the first descent, the rest mostly for the annealing,
    // which gains more for its work once the plain moves are used up.
    withShare(s, s.workLeft / 8, [&] { improve(s, scores); });
    anneal(s, scores);
    annealWhileOverGapLimit(s, scores, gapRoundsWork(classes), improveWork(classes));
    improve(s, scores);
    run.journal->clear();
    countPlacedAgain(run);
    run.observer.gridChanged();
}

} // namespace

int searchesAgain(long classes) {
    return int(std::clamp(kSearchAgainClasses / std::max(1L, classes), 1L, kMostSearchesAgain));
}

void completeAndImprove(AutoRun& run, const std::function<void(unsigned)>& searchAgain) {
    RunState& st = run.state;
    // Without any pattern block there is nothing a run places, so nothing to complete.
    if (st.stopRequested || st.blockLengths.count == 0) return;
    const long classes = std::max<long>(1, long(run.db.classes.rows.size()));
    auto completion = [&] {
        st.phase = RunPhase::Completion;
        run.observer.phaseShown(st.phase);
        return completeRun(run, improveWork(classes));
    };
    long work = completion();
    // Hours the check did not prove impossible and the completion could not place are
    // often a matter of the order the search filled the week in: it searches again from
    // the start in other orders, each completed the same way (bending, like the first,
    // only what the relaxation steps allow), and the timetable with the fewest hours left
    // is the one improved.
    int unproven = hoursLeftToPlace(run);
    if (unproven > 0 && searchAgain) {
        auto hoursLeft = [&] { return st.totalHours - st.placedTotal; };
        int fewest = hoursLeft();
        GridCopy best;
        best.save(run.db);
        const int tries = searchesAgain(classes);
        for (int k = 1; k <= tries && unproven > 0 && !st.stopRequested; ++k) {
            searchAgain(unsigned(k));
            const long w = completion();
            if (hoursLeft() < fewest) {
                fewest = hoursLeft();
                unproven = hoursLeftToPlace(run);
                work = w;
                best.save(run.db);
            }
        }
        best.restore(run.db);
        countPlacedAgain(run);
    }
    improveRun(run, work);
}

} // namespace zs::sched
