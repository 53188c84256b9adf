#include "improve_stage.h"

#include "journal_ops.h"
#include "kempe.h"
#include "rules/slots.h"

#include <algorithm>
#include <cmath>
#include <compare>
#include <random>
#include <vector>

namespace zs::sched {

namespace {

// Hot enough that a move costing a few gaps is taken now and then, cool enough that one
// breaking a rule (kRuleWeight) hardly ever is.
constexpr double kStartTemperature = 4.0;

// Whether a teacher of the block has a gap to lose or a rule broken around it.
bool touched(const Scores& scores, const PlacementAttempt& a) {
    for (int t = 0; t < a.teachers; ++t)
        if (scores.teacher[a.teacherRow[t]] > 0) return true;
    return scores.troubled(a);
}

// What the annealing keeps: fewer breaks of the rules besides the gap limit first, then
// fewer teachers over the gap limit, then the lower penalty (fewer gaps). By penalty alone a
// timetable with one teacher fewer over the limit could lose to one with fewer gaps.
struct Standing {
    int broken;
    int over;
    int penalty;
    auto operator<=>(const Standing&) const = default;
};

Standing standing(const Scores& scores, int penalty) {
    return {scores.firmBreaks(), scores.teachersOverGapLimit(), penalty};
}

} // namespace

// Annealing from a fixed seed over random moves of blocks with something to gain: while the
// temperature is high a move that costs a little is taken now and then, so the search leaves a
// local optimum; the best timetable met is what stays.
void anneal(Stage& s, Scores& scores, unsigned round) {
    AutoRun& run = s.run;
    Database& db = run.db;
    std::mt19937 random(20261207u + round);
    const int rows = static_cast<int>(db.classTimetables.rows.size());
    if (rows == 0) return;
    int current = scores.total();
    Standing best = standing(scores, current);
    // The timetable kept never has more teachers over the gap limit than the one met first.
    const int overAtStart = best.over;
    bool atBest = true;
    scores.mayRise = ruleBit(Rule::GapLimit);
    GridCopy bestGrids;
    bestGrids.save(db);
    // The temperature falls with the work done; a tenth is left for the last descent.
    const long start = s.workLeft;
    const long span = std::max(1L, start - start / 10);
    // Block starts around a broken rule, and of every teacher with a gap: half the moves
    // go to the first, so a large school's many gaps do not drown the broken rules.
    std::vector<std::pair<int, int>> troubled, gapped;
    // A fifth of the span without a better timetable ends the annealing: what is still
    // broken then is seldom within its reach.
    long lastGain = 0;
    for (long n = 0; start - s.workLeft < span && !s.spent(); ++n) {
        if (start - s.workLeft - lastGain > span / 5) break;
        s.work();
        if (n % 1024 == 0) {
            // Gaps within the limits are no reason to go on.
            if (!scores.anyBroken()) break;
            troubled.clear();
            gapped.clear();
            for (int r = 0; r < rows; ++r) {
                const ClassTimetable& ct = db.classTimetables.rows[r];
                if (!db.classes.contains(ct.classId)) continue;
                for (int cell = 1; cell <= kSlots; ++cell) {
                    const int k = slotIndex(cell);
                    if (ct.planes[kOccupantPlane][k] == 0 ||
                        ct.planes[kBlockStartPlane][k] != cell || ct.planes[kOpenPlane][k] == 0)
                        continue;
                    const PlacementAttempt* a =
                        attemptOf(run, ct.classId, ct.planes[kOccupantPlane][k]);
                    if (!a) continue;
                    if (scores.troubled(*a)) troubled.emplace_back(r, cell);
                    if (touched(scores, *a)) gapped.emplace_back(r, cell);
                }
            }
            if (gapped.empty()) break;
        }
        // Worked out only for a move that costs: most are free or refused before.
        const long done = start - s.workLeft;
        auto temperature = [&] {
            return kStartTemperature * std::pow(0.02, double(done) / double(span));
        };
        const auto& pool = !troubled.empty() && random() % 2 == 0 ? troubled : gapped;
        const auto [row, slot] = pool[random() % pool.size()];
        const int to = 1 + static_cast<int>(random() % kSlots);
        const int kind = static_cast<int>(random() % 3);
        const double chance = double(random()) / double(std::mt19937::max());
        const ClassTimetable& ct = db.classTimetables.rows[row];
        const int i = slotIndex(slot);
        const Id lessonId = ct.planes[kOccupantPlane][i];
        if (to == slot || lessonId == 0 || ct.planes[kBlockStartPlane][i] != slot) continue;
        PlacementAttempt a;
        if (!fillFor(s, a, ct.classId, lessonId, ct.planes[kBlockLengthPlane][i])) continue;
        run.journal->clear();
        bool moved = false;
        if (kind == 0) {
            moved = kempeSwap(run, row, slot, to);
        } else if (kind == 1) {
            moved = windowSwap(run, row, slot, to, a.length);
        } else if (removeBlock(run, row, slot)) {
            moved = (hardFits(run, a, to) && commitBlock(run, a)) || ejectAndPlace(s, a, to, 1);
            if (!moved) rollBack(run, 0);
        }
        if (!moved) continue;
        const int d = scores.delta(run, 0);
        if (d <= 0 || chance < std::exp(-d / temperature())) {
            scores.accept();
            current += d;
            atBest = false;
            if (const Standing now = standing(scores, current);
                now < best && now.over <= overAtStart) {
                best = now;
                atBest = true;
                lastGain = start - s.workLeft;
                bestGrids.save(db);
            }
        } else {
            rollBack(run, 0);
        }
    }
    if (!atBest) {
        bestGrids.restore(db);
        scores = Scores(db, scores.held);
    }
    scores.mayRise = 0;
    run.journal->clear();
}

int annealWhileOverGapLimit(Stage& s, Scores& scores, long work, long roundWork) {
    int rounds = 0;
    while (work > 0 && roundWork > 0 && scores.teachersOverGapLimit() > 0 &&
           !scores.dayRulesBroken() && !s.run.state.stopRequested) {
        const long share = std::min(work, roundWork * (rounds + 1));
        work -= share;
        const long rest = s.workLeft;
        s.workLeft = share;
        anneal(s, scores, static_cast<unsigned>(++rounds));
        s.workLeft += rest;
    }
    return rounds;
}

} // namespace zs::sched
