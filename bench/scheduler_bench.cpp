// The automatic run at default settings on the generated schools of 8, 24 and 40 classes
// (wall time, hours left unplaced, deepest nesting of attempts), the cost of pumping the
// message queue once per walk, and the deepest chain at search level 99 with the stack it
// takes.
#include "rules/totals.h"
#include "sample/sample_school.h"
#include "scheduler/pump_throttle.h"
#include "scheduler/scheduler.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <memory>

#ifdef ZS_BENCH_QT
#include <QCoreApplication>
#endif

namespace zs {
namespace {

std::unique_ptr<Database> school(int classes) {
    auto db = std::make_unique<Database>();
    sched::buildSampleSchool(*db, {classes, 1});
    updateAllTeacherWeeklyTotals(*db);
    updateClassWeeklyHours(*db);
    return db;
}

// The pump of a headless run: nothing at all.
struct NoPump : sched::RunObserver {
    std::int64_t pumps = 0;
    void pump() override { ++pumps; }
};

#ifdef ZS_BENCH_QT
// The pump of the teacher screen: the event loop gets its turn at a walk when the last
// turn was more than a few milliseconds ago.
struct QtPump : sched::RunObserver {
    std::int64_t pumps = 0;
    sched::PumpThrottle throttle;
    void pump() override {
        ++pumps;
        if (throttle.due()) QCoreApplication::processEvents();
    }
};

// Every walk, unthrottled: what the throttle saves.
struct QtEveryWalk : sched::RunObserver {
    std::int64_t pumps = 0;
    void pump() override {
        ++pumps;
        QCoreApplication::processEvents();
    }
};

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "zs_bench_scheduler";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}
#else
// Without Qt: the throttle alone, which is what a throttled pump costs at most walks.
struct QtPump : sched::RunObserver {
    std::int64_t pumps = 0;
    sched::PumpThrottle throttle;
    void pump() override {
        ++pumps;
        benchmark::DoNotOptimize(throttle.due());
    }
};
using QtEveryWalk = QtPump;
#endif

template <class Pump> void runSample(benchmark::State& state, u8 level) {
    const int classes = static_cast<int>(state.range(0));
    int unplaced = 0;
    int deepest = 0;
    std::int64_t pumps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto db = school(classes);
        db->settings.searchLevel = level;
        Pump pump;
        sched::AutoRun run(*db, pump, sched::fixedSettings(db->settings));
        state.ResumeTiming();
        sched::runAutomatic(run);
        state.PauseTiming();
        const sched::HourSums sums = sched::teacherHourSums(*db);
        unplaced = sums.total - sums.placed;
        deepest = run.state.deepestAttempt;
        pumps = pump.pumps;
        state.ResumeTiming();
    }
    state.counters["unplaced"] = unplaced;
    state.counters["deepest"] = deepest;
    state.counters["pumps"] = static_cast<double>(pumps);
}

void BM_AutomaticRun(benchmark::State& state) {
    runSample<NoPump>(state, 9);
}
BENCHMARK(BM_AutomaticRun)->Arg(8)->Arg(24)->Arg(40)->Unit(benchmark::kMillisecond);

void BM_AutomaticRunPumped(benchmark::State& state) {
#ifdef ZS_BENCH_QT
    application();
#endif
    runSample<QtPump>(state, 9);
}
BENCHMARK(BM_AutomaticRunPumped)->Arg(8)->Arg(24)->Arg(40)->Unit(benchmark::kMillisecond);

void BM_AutomaticRunPumpedEveryWalk(benchmark::State& state) {
#ifdef ZS_BENCH_QT
    application();
#endif
    runSample<QtEveryWalk>(state, 9);
}
BENCHMARK(BM_AutomaticRunPumpedEveryWalk)->Arg(40)->Unit(benchmark::kMillisecond);

// Level 99 on the largest sample: how deep the chains go and how much stack one level of
// nesting takes, measured between the walks of successive depths.
struct StackProbe : sched::RunObserver {
    const sched::AutoRun* run = nullptr;
    std::uintptr_t outermost = 0;
    std::uintptr_t lowest = 0;
    int deepest = 0;
    void pump() override {
        volatile char here = 0;
        const auto address = reinterpret_cast<std::uintptr_t>(&here);
        const int depth = run->state.attemptDepth;
        if (depth == 1 && outermost == 0) outermost = address;
        if (depth > deepest && outermost != 0) {
            deepest = depth;
            lowest = address;
        }
    }
};

void BM_DeepestChainAtLevel99(benchmark::State& state) {
    int deepest = 0;
    double perLevel = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto db = school(static_cast<int>(state.range(0)));
        db->settings.searchLevel = 99;
        StackProbe probe;
        sched::AutoRun run(*db, probe, sched::fixedSettings(db->settings));
        probe.run = &run;
        state.ResumeTiming();
        sched::runAutomatic(run);
        deepest = run.state.deepestAttempt;
        if (probe.deepest > 1)
            perLevel = double(probe.outermost - probe.lowest) / (probe.deepest - 1);
    }
    state.counters["deepest"] = deepest;
    state.counters["stack_bytes_per_level"] = perLevel;
    state.counters["stack_kib_at_depth_limit"] = perLevel * sched::kMaxAttemptDepth / 1024;
}
BENCHMARK(BM_DeepestChainAtLevel99)->Arg(40)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace zs
