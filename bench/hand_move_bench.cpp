// Colouring the whole grid for one carried block: what the timetable screens compute when a
// block is picked up, on a 255-class sample school whose lessons are placed by hand.
#include "rules/lock.h"
#include "rules/placement.h"
#include "rules/totals.h"
#include "sample/sample_school.h"
#include "scheduler/hand_move.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace zs {
namespace {

// Every teacher lesson placed by hand in blocks of two where two hours side by side are
// free, else hour by hour, at the first cells placing by hand allows; or, for a school
// with room left, only the first block of two of each.
std::unique_ptr<Database> placedSchool(bool whole) {
    auto db = std::make_unique<Database>();
    sched::buildSampleSchool(*db, {255, 1});
    updateAllTeacherWeeklyTotals(*db);
    updateClassWeeklyHours(*db);
    for (const TeacherLesson& tl : std::vector<TeacherLesson>(db->teacherLessons)) {
        const Id c = tl.classId, l = tl.lessonId;
        for (int slot = 1; slot < kSlots; ++slot)
            if (hourOf(slot) < kHoursPerDay && CanPlace(*db, slot, c, l) &&
                CanPlace(*db, slot + 1, c, l) && Place(*db, slot, c, l) &&
                Place(*db, slot + 1, c, l) && !whole)
                break;
        for (int slot = 1; slot <= kSlots && whole; ++slot)
            if (CanPlace(*db, slot, c, l)) Place(*db, slot, c, l);
    }
    return db;
}

// The first block of two or more hours in the school, or its first block.
sched::HandBlock someBlock(const Database& db) {
    std::optional<sched::HandBlock> first;
    for (const ClassTimetable& ct : db.classTimetables)
        for (int slot = 1; slot <= kSlots; ++slot)
            if (auto b = sched::movableBlockAt(db, CellOf::Class, ct.classId, slot)) {
                if (b->length > 1) return *b;
                if (!first) first = b;
            }
    return first.value_or(sched::HandBlock{});
}

// Argument 1: every lesson placed; 0: one block of each, so most cells are free and the
// rule counts are compared at each of them.
void BM_DropMap255(benchmark::State& state) {
    static const std::unique_ptr<Database> whole = placedSchool(true);
    static const std::unique_ptr<Database> part = placedSchool(false);
    const Database* db = state.range(0) ? whole.get() : part.get();
    const sched::HandBlock block = someBlock(*db);
    if (block.length == 0) {
        state.SkipWithError("no block placed");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(sched::dropMap(*db, block, CellOf::Class, block.classId));
    state.counters["blockHours"] = block.length;
    // The cells the hand allows, where the rule counts are compared.
    int green = 0, yellow = 0;
    for (const sched::DropVerdict& v : sched::dropMap(*db, block, CellOf::Class, block.classId)) {
        green += v.colour == sched::DropColour::Fits;
        yellow += v.colour == sched::DropColour::AutoRuleOnly;
    }
    state.counters["green"] = green;
    state.counters["yellow"] = yellow;
}
BENCHMARK(BM_DropMap255)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zs
