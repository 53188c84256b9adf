// The duty rota: settling the duties of a long damaged TEDU.PRG at load, and the chart
// of a full rota.
#include "core/duty_load.h"
#include "core/entities.h"
#include "duty/duty_chart.h"

#include <benchmark/benchmark.h>

namespace zs {
namespace {

// 255 teachers and `places` duty places; every teacher on duty at one place each weekday.
Database rota(int places) {
    Database db;
    for (int i = 1; i <= 255; ++i)
        addTeacher(db, Id(i), "OGRETMEN " + std::to_string(i), "", "", "");
    for (int p = 1; p <= places; ++p) addDutyPlace(db, Id(p), "YER " + std::to_string(p));
    for (int t = 1; t <= 255; ++t)
        for (int day = 1; day <= 5; ++day)
            addTeacherDuty(db, Id((t + day) % places + 1), u8(day), Id(t));
    return db;
}

// A file of 300 000 duty records, most of them repeats or naming what is gone.
void BM_SettleDamagedDuties(benchmark::State& state) {
    const Database full = rota(40);
    Database damaged = full;
    for (int n = 0; n < 300000; ++n)
        damaged.teacherDuties.push_back({Id(n % 60 + 1), u8(n % 7 + 1), Id(n % 255 + 1)});
    for (auto _ : state) {
        Database db = damaged;
        LoadReport report;
        settleLoadedDuties(db, report);
        benchmark::DoNotOptimize(db.teacherDuties.size());
    }
}
BENCHMARK(BM_SettleDamagedDuties)->Unit(benchmark::kMillisecond);

void BM_DutyChart(benchmark::State& state) {
    const Database db = rota(40);
    for (auto _ : state) benchmark::DoNotOptimize(duty::dutyChart(db));
}
BENCHMARK(BM_DutyChart)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zs
