// The run for all teachers on the generated schools of many seeds, as the officer judges
// its result: hours left and the breaks of every rule in force, with the findings of the
// check before the run; the faithful stage alone and the whole run, at the default
// settings and with the three day rules on (a free day between the parts, other hours on
// other days, lesson groups on other days), and the whole run with the rules off (gaps
// allowed, 16 hours a day, no different days, no blocks on pairs); last, the whole run on
// small schools where teachers keep a weekday free.
#include "rules/totals.h"
#include "sample/sample_school.h"
#include "scheduler/improve_stage.h"
#include "scheduler/quality.h"
#include "scheduler/scheduler.h"
#include "scheduler/unplaced_report.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace zs {
namespace {

enum Mode {
    kFaithful,
    kWhole,
    kRulesOff,
    kDayRulesFaithful,
    kDayRulesWhole,
    kFreeDaysWhole,
    kFreeDaysDayRulesWhole
};

void dayRulesOn(Settings& s) {
    s.dayBetweenParts = 1;
    s.otherHourOtherDay = 1;
    s.groupOtherDay = 1;
}

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
    int unproven = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<Database>();
        const bool freeDays = mode == kFreeDaysWhole || mode == kFreeDaysDayRulesWhole;
        sched::buildSampleSchool(*db, {classes, seed, freeDays});
        if (mode == kRulesOff) rulesOff(db->settings);
        if (mode == kDayRulesFaithful || mode == kDayRulesWhole || mode == kFreeDaysDayRulesWhole)
            dayRulesOn(db->settings);
        updateAllTeacherWeeklyTotals(*db);
        updateClassWeeklyHours(*db);
        sched::RunObserver quiet;
        sched::AutoRun run(*db, quiet, sched::fixedSettings(db->settings));
        run.faithfulOnly = mode == kFaithful || mode == kDayRulesFaithful;
        state.ResumeTiming();
        sched::runAutomatic(run);
        state.PauseTiming();
        q = sched::measureQuality(*db);
        unplaced = sched::unplacedClassHours(*db);
        impossible = static_cast<int>(run.state.impossible.size());
        unproven = sched::hoursLeftToPlace(run);
        state.ResumeTiming();
    }
    state.counters["unplaced"] = unplaced;
    state.counters["impossible"] = impossible;
    state.counters["unproven"] = unproven;
    state.counters["gaps"] = q.gaps;
    static const char* const names[kRuleCount] = {
        "over_gap_limit",  "days_over_max",        "building_days", "day_between_parts",
        "other_hour_same", "same_class_other_day", "group_days",    "same_day_blocks"};
    for (int r = 0; r < kRuleCount; ++r) state.counters[names[r]] = q.breaks.n[r];
}

void seeds(benchmark::internal::Benchmark* b) {
    for (int mode : {kFaithful, kWhole, kDayRulesFaithful, kDayRulesWhole, kRulesOff}) {
        for (int seed = 1; seed <= 20; ++seed) b->Args({40, seed, mode});
        for (int seed = 1; seed <= 5; ++seed) b->Args({80, seed, mode});
        for (int seed = 1; seed <= 3; ++seed) b->Args({120, seed, mode});
        b->Args({255, 1, mode});
    }
    // Teachers of at most 24 hours keep a weekday free: tight class weeks, where the run
    // searches again in other orders.
    for (int mode : {kFreeDaysWhole, kFreeDaysDayRulesWhole})
        for (int classes : {12, 16, 24, 30})
            for (int seed = 1; seed <= 12; ++seed) b->Args({classes, seed, mode});
}
BENCHMARK(BM_SeedRun)
    ->Apply(seeds)
    ->ArgNames({"classes", "seed", "mode"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zs
