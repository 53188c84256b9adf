// The run for all teachers on the generated schools of many seeds, as the officer judges
// its result: hours left, teachers over the gap limit and the other quality figures, with
// the findings of the check before the run; the faithful stage alone, the whole run, and
// the whole run with the rules off (gaps allowed, 16 hours a day, no different days, no
// blocks on pairs).
#include "rules/totals.h"
#include "sample/sample_school.h"
#include "scheduler/quality.h"
#include "scheduler/scheduler.h"
#include "scheduler/unplaced_report.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace zs {
namespace {

enum Mode { kFaithful, kWhole, kRulesOff };

void rulesOff(Settings& s) {
    s.allowGaps = 1;
    s.maxHoursPerDay = 16;
    s.sameClassOtherDay = 0;
    s.dayBetweenParts = 0;
    s.otherHourOtherDay = 0;
    s.groupOtherDay = 0;
    s.blocksOnPairs = 0;
}

void BM_SeedRun(benchmark::State& state) {
    const int classes = static_cast<int>(state.range(0));
    const auto seed = static_cast<std::uint64_t>(state.range(1));
    const auto mode = static_cast<Mode>(state.range(2));
    sched::Quality q;
    int unplaced = 0;
    int impossible = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<Database>();
        sched::buildSampleSchool(*db, {classes, seed});
        if (mode == kRulesOff) rulesOff(db->settings);
        updateAllTeacherWeeklyTotals(*db);
        updateClassWeeklyHours(*db);
        sched::RunObserver quiet;
        sched::AutoRun run(*db, quiet, sched::fixedSettings(db->settings));
        run.faithfulOnly = mode == kFaithful;
        state.ResumeTiming();
        sched::runAutomatic(run);
        state.PauseTiming();
        q = sched::measureQuality(*db);
        unplaced = sched::unplacedClassHours(*db);
        impossible = static_cast<int>(run.state.impossible.size());
        state.ResumeTiming();
    }
    state.counters["unplaced"] = unplaced;
    state.counters["impossible"] = impossible;
    state.counters["over_gap_limit"] = q.teachersOverGapLimit;
    state.counters["gaps"] = q.gaps;
    state.counters["days_over_max"] = q.teacherDaysOverMax;
    state.counters["same_day_blocks"] = q.sameDayBlocks;
    state.counters["building_changes"] = q.buildingChanges;
}

void seeds(benchmark::internal::Benchmark* b) {
    for (int mode : {kFaithful, kWhole, kRulesOff}) {
        for (int seed = 1; seed <= 20; ++seed) b->Args({40, seed, mode});
        for (int seed = 1; seed <= 5; ++seed) b->Args({80, seed, mode});
        b->Args({255, 1, mode});
    }
}
BENCHMARK(BM_SeedRun)
    ->Apply(seeds)
    ->ArgNames({"classes", "seed", "mode"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zs
