// Load and save of full tables: the start-up load, one file's encoding, one safe save.
#include "core/data_files.h"
#include "core/entities.h"
#include "core/startup.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace zs {
namespace {

// 255 of every keyed record, 5000 class lessons each with a teacher, 255 grids of each kind.
Database fullSchool() {
    Database db;
    for (int i = 1; i <= 255; ++i) {
        const Id id = static_cast<Id>(i);
        addLessonGroup(db, id, "GRUP");
        addLesson(db, id, id, 4, {2, 2, 0, 0, 0}, "DRS", "DERS " + std::to_string(i), 1);
        addSchoolClass(db, id, std::to_string(i), "A");
        addRoom(db, id, "DERSLIK");
        addTeacher(db, id, "OGRETMEN " + std::to_string(i), "BRANS", "9-A", "KOL");
        addDutyPlace(db, id, "BAHCE");
        addTeacherTimetable(db, id);
        addClassTimetable(db, id);
        addRoomTimetable(db, id);
    }
    for (int n = 0; n < 5000; ++n) {
        ClassLesson cl;
        cl.classId = static_cast<Id>(n / 20 + 1);
        cl.lessonId = static_cast<Id>(n % 255 + 1);
        cl.teacherCount = 1;
        cl.teachers[0] = static_cast<Id>(n % 255 + 1);
        cl.pattern = {2, 2, 0, 0, 0};
        cl.blockCount = 2;
        db.classLessons.append(cl);
        db.teacherLessons.push_back({cl.teachers[0], cl.classId, cl.lessonId});
    }
    return db;
}

std::filesystem::path benchFolder() {
    auto dir = std::filesystem::temp_directory_path() / "zs-bench-files";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

void BM_StartupLoad(benchmark::State& state) {
    const DataDir dir(benchFolder());
    const Database db = fullSchool();
    if (!saveTables(db, dir, std::vector<DataFile>(kLoadOrder.begin(), kLoadOrder.end())))
        state.SkipWithError("save failed");
    Database loaded;
    for (auto _ : state) {
        LoadReport report;
        if (!loadWorkingDirectory(loaded, dir, report)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded.classLessons.count());
    }
    state.counters["classLessons"] = loaded.classLessons.count();
}
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMillisecond);

void BM_EncodeFile(benchmark::State& state) {
    const Database db = fullSchool();
    const auto file = static_cast<DataFile>(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const Bytes b = encodeTable(db, file);
        bytes = b.size();
        benchmark::DoNotOptimize(b.data());
    }
    state.SetLabel(fileName(file));
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EncodeFile)->DenseRange(0, 12)->Unit(benchmark::kMicrosecond);

void BM_SafeSaveOneFile(benchmark::State& state) {
    const DataDir dir(benchFolder());
    const Database db = fullSchool();
    for (auto _ : state) {
        if (!saveTables(db, dir, {DataFile::TeacherTimetable})) state.SkipWithError("save failed");
    }
    state.SetLabel("TPS.PRG, flushed to disk");
}
BENCHMARK(BM_SafeSaveOneFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zs
