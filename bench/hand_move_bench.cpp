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
// free, else hour by hour, at the first cells placing by hand allows.
std::unique_ptr<Database> placedSchool() {
    auto db = std::make_unique<Database>();
    sched::buildSampleSchool(*db, {255, 1});
    updateAllTeacherWeeklyTotals(*db);
    updateClassWeeklyHours(*db);
    for (const TeacherLesson& tl : std::vector<TeacherLesson>(db->teacherLessons)) {
        const Id c = tl.classId, l = tl.lessonId;
        for (int slot = 1; slot < kSlots; ++slot)
            if (hourOf(slot) < kHoursPerDay && CanPlace(*db, slot, c, l) &&
                CanPlace(*db, slot + 1, c, l) && Place(*db, slot, c, l))
                Place(*db, slot + 1, c, l);
        for (int slot = 1; slot <= kSlots; ++slot)
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

void BM_DropMap255(benchmark::State& state) {
    static const std::unique_ptr<Database> db = placedSchool();
    const sched::HandBlock block = someBlock(*db);
    if (block.length == 0) {
        state.SkipWithError("no block placed");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(sched::dropMap(*db, block));
    state.counters["blockHours"] = block.length;
}
BENCHMARK(BM_DropMap255)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zs
