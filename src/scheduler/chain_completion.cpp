#include "chain_completion.h"

#include "fixed_list.h"
#include "journal_ops.h"
#include "kempe.h"
#include "rules/block_run.h"
#include "rules/day_bits.h"
#include "rules/prepare_teacher.h"
#include "rules/slots.h"
#include "scheduler.h"

#include <algorithm>
#include <bit>
#include <random>
#include <vector>

namespace zs::sched {

namespace {

// A block to take out: the class grid row and start of its run, its length, and the
// class lesson it stands for, as a table position.
struct Out {
    int classRow;
    int start;
    int length;
    int key;
};
using Outs = FixedList<Out, 16>;

// A cell tried for the block chosen: what must go out for it, and what that costs.
struct Target {
    int cost;
    int cell;
    Outs outs;
};
// The cells with the fewest hours in the way that are judged by the figures, each step.
constexpr std::size_t kTargets = 6;

// A block placed this few steps ago weighs as many hours more in the way of another, so
// that a chain does not turn in a circle.
constexpr long kTenure = 10;
constexpr int kRecentWeight = 50;

// Steps without fewer hours unplaced before the search goes back to the best timetable
// met and goes on from there by other ways; after a few such returns in a row it ends,
// its work unspent: what is left is then seldom within its reach.
constexpr long kPatience = 400;
constexpr int kReturns = 2;
// The journal is emptied now and then: the best timetable is kept as a copy instead.
constexpr int kJournalKept = 2000;

// The class lesson a lesson of a class is placed through: a common lesson through its
// first member. -1 when the run does not place it.
int keyOf(const Database& db, Id classId, Id lessonId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!cl || cl->teacherCount == 0) return -1;
    if (const CommonGroup* g = db.commonGroups.find(cl->commonGroupId); g && g->memberCount > 0)
        if (const int first = db.classLessons.positionOf(g->memberClass[0], g->memberLesson[0]);
            first >= 0 && db.classLessons.rows[std::size_t(first)].commonGroupId == g->id)
            return first;
    return db.classLessons.positionOf(classId, lessonId);
}

class Chains {
public:
    Chains(Stage& s, Scores& scores)
        : s_(s), run_(s.run), db_(s.run.db), scores_(scores),
          placedAt_(db_.classLessons.rows.size(), -kTenure), inPool_(placedAt_.size(), 0) {}

    bool run();

private:
    // The teacher hours of the blocks of class lesson `key` still to place, and the next
    // block's length (0 when none is placeable).
    int missingHours(int key) const;
    int nextLength(int key) const;
    void refresh(int key);
    bool place(int key, int length);
    bool targetAt(PlacementAttempt& a, int cell, Target& t) const;
    bool noteOut(Outs& outs, int classRow, int slot) const;
    bool noteGridOut(Outs& outs, Id classId, int slot) const;
    bool makeRoomUnderMaximum(const PlacementAttempt& a, Outs& outs) const;
    bool isOut(const Outs& outs, Id classId, int slot) const;
    bool apply(PlacementAttempt& a, const Target& t);
    int weight(const Out& o) const;
    // The figures counted afresh after the grids went back to a copy.
    void recount() {
        const RuleSet mayRise = scores_.mayRise;
        scores_ = Scores(db_, scores_.held);
        scores_.mayRise = mayRise;
    }

    Stage& s_;
    AutoRun& run_;
    Database& db_;
    Scores& scores_;
    std::mt19937 random_{20261208u};
    std::vector<long> placedAt_; // the step each class lesson was last placed at
    std::vector<char> inPool_;
    std::vector<int> pool_; // the class lessons with a block to place
    long step_ = 0;
    int unplaced_ = 0;
};

int Chains::missingHours(int key) const {
    const ClassLesson& cl = db_.classLessons.rows[std::size_t(key)];
    int hours = 0;
    for (int b : placeableBlocks(run_, cl.classId, cl.lessonId)) hours += b;
    return hours * cl.teacherCount;
}

int Chains::nextLength(int key) const {
    const ClassLesson& cl = db_.classLessons.rows[std::size_t(key)];
    const std::vector<int> blocks = placeableBlocks(run_, cl.classId, cl.lessonId);
    return blocks.empty() ? 0 : blocks.front();
}

// Into the pool or out of it, by what is left to place.
void Chains::refresh(int key) {
    const bool missing = nextLength(key) > 0;
    if (missing && !inPool_[std::size_t(key)]) {
        pool_.push_back(key);
        inPool_[std::size_t(key)] = 1;
    } else if (!missing && inPool_[std::size_t(key)]) {
        pool_.erase(std::find(pool_.begin(), pool_.end(), key));
        inPool_[std::size_t(key)] = 0;
    }
}

int Chains::weight(const Out& o) const {
    return step_ - placedAt_[std::size_t(o.key)] < kTenure ? kRecentWeight * o.length : o.length;
}

bool Chains::noteOut(Outs& outs, int classRow, int slot) const {
    const ClassTimetable& ct = db_.classTimetables.rows[std::size_t(classRow)];
    const int i = slotIndex(slot);
    const Id lessonId = ct.planes[kOccupantPlane][i];
    if (lessonId == 0) return true;
    // A guidance hour and a locked block stay where they are.
    if (lessonId == db_.settings.guidanceLessonId || ct.planes[kOpenPlane][i] == 0) return false;
    const int key = keyOf(db_, ct.classId, lessonId);
    if (key < 0) return false;
    const zs::Run r = runAt(ct.planes[kOccupantPlane], slot);
    for (const Out& o : outs)
        if (o.key == key && o.start == r.start) return true;
    return outs.push_back({classRow, r.start, r.length, key});
}

// The same for the class a teacher or room grid names at `slot`.
bool Chains::noteGridOut(Outs& outs, Id classId, int slot) const {
    if (classId == 0) return true;
    const int row = db_.classTimetables.positionOf(classId);
    return row >= 0 && noteOut(outs, row, slot);
}

bool Chains::isOut(const Outs& outs, Id classId, int slot) const {
    const int row = db_.classTimetables.positionOf(classId);
    if (row < 0) return false;
    const auto& p = db_.classTimetables.rows[std::size_t(row)].planes;
    const int key = keyOf(db_, classId, p[kOccupantPlane][slotIndex(slot)]);
    const int start = runAt(p[kOccupantPlane], slot).start;
    return std::any_of(outs.begin(), outs.end(),
                       [&](const Out& o) { return o.key == key && o.start == start; });
}

// Where a teacher's day would hold more hours than the maximum once the block is in, the
// teacher's other blocks that day go out too, the cheapest first. False when that cannot
// be done.
bool Chains::makeRoomUnderMaximum(const PlacementAttempt& a, Outs& outs) const {
    for (int t = 0; t < a.teachers; ++t) {
        const TeacherTimetable& tt = db_.teacherTimetables.rows[std::size_t(a.teacherRow[t])];
        const int maxDay = tt.effectiveRules[kMaxHoursPerDay];
        // A block longer than the maximum may stand alone on a day: the rule count judges it.
        if (maxDay == 0 || a.length > maxDay) continue;
        const auto& occupants = tt.planes[kOccupantPlane];
        for (;;) {
            int hours = a.length;
            int cheapest = 0, cheapestWeight = 0;
            Outs one;
            for (unsigned bits = dayBits(occupants, a.day); bits != 0; bits &= bits - 1) {
                const int slot = slotOf(a.day, std::countr_zero(bits) + 1);
                const Id c = occupants[slotIndex(slot)];
                if (isOut(outs, c, slot)) continue;
                ++hours;
                one = Outs{};
                if (!noteGridOut(one, c, slot) || one.empty()) continue;
                if (const int w = weight(one[0]); cheapest == 0 || w < cheapestWeight) {
                    cheapest = slot;
                    cheapestWeight = w;
                }
            }
            if (hours <= maxDay) break;
            const std::size_t had = outs.size();
            if (cheapest == 0 || !noteGridOut(outs, occupants[slotIndex(cheapest)], cheapest) ||
                outs.size() == had)
                return false;
        }
    }
    return true;
}

// The blocks to take out for the attempt's block at `cell`, and what that costs. False
// when the cell is not open to it or something in the way must stay.
bool Chains::targetAt(PlacementAttempt& a, int cell, Target& t) const {
    if (!dayAllows(run_, a, cell) || blockState(db_, a) == BlockState::Closed) return false;
    const int day = a.day, hour = a.hour;
    // A lesson the class already has that day would stand twice on it.
    for (int c = 0; c < a.classes; ++c)
        if (dayBitsOf(db_.classTimetables.rows[std::size_t(a.classRow[c])].planes[kOccupantPlane],
                      day, u8(a.classLesson[c])) != 0)
            return false;
    t.outs = Outs{};
    for (int k = 0; k < a.length; ++k) {
        const int slot = cell + k, i = slotIndex(slot);
        for (int c = 0; c < a.classes; ++c)
            if (!noteOut(t.outs, a.classRow[c], slot)) return false;
        for (int p = 0; p < a.teachers; ++p)
            if (!noteGridOut(t.outs,
                             db_.teacherTimetables.rows[std::size_t(a.teacherRow[p])]
                                 .planes[kOccupantPlane][i],
                             slot))
                return false;
        for (int r = 0; r < a.rooms; ++r)
            if (!noteGridOut(
                    t.outs,
                    db_.roomTimetables.rows[std::size_t(a.roomRow[r])].planes[kOccupantPlane][i],
                    slot))
                return false;
    }
    if (!makeRoomUnderMaximum(a, t.outs)) return false;
    t.cost = 0;
    for (const Out& o : t.outs) t.cost += weight(o);
    // A cell that opens gaps in a teacher's day is likelier refused by the gap limit.
    auto gaps = [](unsigned bits) {
        return bits == 0 ? 0
                         : int(std::bit_width(bits)) - std::countr_zero(bits) - std::popcount(bits);
    };
    const unsigned block = ((1u << a.length) - 1) << (hour - 1);
    for (int p = 0; p < a.teachers; ++p) {
        const TeacherTimetable& tt = db_.teacherTimetables.rows[std::size_t(a.teacherRow[p])];
        if (tt.effectiveRules[kAllowGaps] == 1) continue;
        const auto& occupants = tt.planes[kOccupantPlane];
        unsigned kept = 0;
        for (unsigned bits = dayBits(occupants, day); bits != 0; bits &= bits - 1) {
            const int h = std::countr_zero(bits) + 1;
            if (!isOut(t.outs, occupants[slotIndex(slotOf(day, h))], slotOf(day, h)))
                kept |= 1u << (h - 1);
        }
        t.cost += std::max(0, gaps(kept | block) - gaps(kept));
    }
    t.cell = cell;
    return true;
}

// The block in at the target once what is in its way is out. Journalled, not judged;
// false changes nothing.
bool Chains::apply(PlacementAttempt& a, const Target& t) {
    const int mark = run_.journal->count;
    for (const Out& o : t.outs) {
        const auto& p = db_.classTimetables.rows[std::size_t(o.classRow)].planes;
        if (p[kOccupantPlane][slotIndex(o.start)] == 0) continue; // went with a common block
        if (!removeBlock(run_, o.classRow, o.start)) {
            rollBack(run_, mark);
            return false;
        }
    }
    if (hardFits(run_, a, t.cell) && commitBlock(run_, a)) return true;
    rollBack(run_, mark);
    return false;
}

bool Chains::place(int key, int length) {
    const ClassLesson& cl = db_.classLessons.rows[std::size_t(key)];
    PlacementAttempt a;
    if (!fillFor(s_, a, cl.classId, cl.lessonId, length)) return false;
    // The cells with the fewest hours in the way, a little noise among equals so that
    // repeated tries differ.
    FixedList<Target, kTargets> targets;
    Target t;
    for (int cell = 1; cell <= kSlots && !s_.spent(); ++cell) {
        s_.work();
        if (!targetAt(a, cell, t)) continue;
        t.cost = t.cost * 4 + int(random_() % 4);
        if (targets.size() < kTargets)
            targets.push_back(t);
        else if (t.cost < targets[kTargets - 1].cost)
            targets[kTargets - 1] = t;
        else
            continue;
        for (std::size_t k = targets.size() - 1; k > 0 && targets[k].cost < targets[k - 1].cost;
             --k)
            std::swap(targets[k], targets[k - 1]);
    }
    // Of those the rules let stand, the one that costs the figures least is taken: a cell
    // that bends an allowed rule loses to one that does not.
    const int mark = run_.journal->count;
    const Target* chosen = nullptr;
    int least = 0;
    for (const Target& target : targets) {
        for (int k = 0; k < 4; ++k) s_.work();
        if (!apply(a, target)) continue;
        const int d = scores_.delta(run_, mark);
        rollBack(run_, mark);
        if (d != kNeverWorth && (!chosen || d < least)) {
            chosen = &target;
            least = d;
        }
    }
    if (!chosen) return false;
    FixedList<int, 17> keys; // the class lessons whose hours to place change, each once
    keys.push_back(key);
    for (const Out& o : chosen->outs)
        if (std::find(keys.begin(), keys.end(), o.key) == keys.end()) keys.push_back(o.key);
    int before = 0;
    for (int k : keys) before += missingHours(k);
    if (!apply(a, *chosen)) return false;
    unplaced_ -= before;
    scores_.delta(run_, mark);
    scores_.accept();
    placedAt_[std::size_t(key)] = step_;
    for (int k : keys) {
        unplaced_ += missingHours(k);
        refresh(k);
    }
    return true;
}

bool Chains::run() {
    for (std::size_t k = 0; k < db_.classLessons.rows.size(); ++k)
        if (keyOf(db_, db_.classLessons.rows[k].classId, db_.classLessons.rows[k].lessonId) ==
            int(k)) {
            refresh(int(k));
            if (inPool_[k]) unplaced_ += missingHours(int(k));
        }
    if (pool_.empty()) return true;
    GridCopy best;
    best.save(db_);
    int bestUnplaced = unplaced_;
    std::vector<int> bestPool = pool_;
    bool atBest = true;
    long sinceBest = 0;
    int returns = 0;
    run_.journal->clear();
    while (!pool_.empty() && !s_.spent() && returns < kReturns) {
        ++step_;
        s_.work();
        const int key = pool_[random_() % pool_.size()];
        if (const int length = nextLength(key); length > 0) {
            if (place(key, length)) atBest = false;
        } else {
            refresh(key);
        }
        if (run_.journal->count > kJournalKept) run_.journal->clear();
        if (unplaced_ < bestUnplaced) {
            bestUnplaced = unplaced_;
            best.save(db_);
            bestPool = pool_;
            atBest = true;
            sinceBest = 0;
            returns = 0;
        } else if (++sinceBest > kPatience) {
            ++returns;
            sinceBest = 0;
            if (!atBest) {
                best.restore(db_);
                recount();
                unplaced_ = bestUnplaced;
                pool_ = bestPool;
                std::fill(inPool_.begin(), inPool_.end(), 0);
                for (int k : pool_) inPool_[std::size_t(k)] = 1;
                atBest = true;
            }
        }
    }
    if (!atBest) {
        best.restore(db_);
        recount();
    }
    run_.journal->clear();
    countPlacedAgain(run_);
    return bestUnplaced == 0;
}

} // namespace

bool completeByChains(Stage& s, Scores& scores) {
    Chains chains(s, scores);
    return chains.run();
}

} // namespace zs::sched
