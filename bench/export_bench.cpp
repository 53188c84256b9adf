// Exporting a whole school: the 255-class sample with every lesson placed by hand, first
// free hour first, exported as web site, workbook, calendars and CSV through
// `zamanseri-tool export`, measured as the whole process (start, load, write, rename).
#include "core/data_files.h"
#include "core/startup.h"
#include "rules/placement.h"
#include "sample/sample_school.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zs {
namespace {

const std::filesystem::path& schoolFolder() {
    static const std::filesystem::path folder = [] {
        auto dir = std::filesystem::temp_directory_path() / "zs_export_bench";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "school");
        const DataDir data(dir / "school");
        Database db;
        sched::buildSampleSchool(db, {255, 1});
        for (const ClassLesson& cl : std::vector<ClassLesson>(db.classLessons.rows))
            for (int slot = 1; slot <= kSlots; ++slot) Place(db, slot, cl.classId, cl.lessonId);
        if (!sched::writeSampleSchool(data, {255, 1}) ||
            !saveTables(db, data, std::vector<DataFile>(kLoadOrder.begin(), kLoadOrder.end())))
            std::abort();
        return dir;
    }();
    return folder;
}

void BM_ExportWholeSchoolProcess(benchmark::State& state) {
    const auto dir = schoolFolder();
    auto at = [&dir](const char* name) {
        std::string word = " '";
        word += (dir / name).string();
        word += '\'';
        return word;
    };
    const std::string command = std::string(ZS_TOOL) + " export" + at("school") + " --html" +
                                at("site") + " --xlsx" + at("okul.xlsx") + " --ics" + at("takvim") +
                                " --from 2026-09-14 --until 2027-06-18 --csv" + at("okul.csv") +
                                " >/dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("export failed");
    state.counters["xlsx_bytes"] =
        static_cast<double>(std::filesystem::file_size(dir / "okul.xlsx"));
}
BENCHMARK(BM_ExportWholeSchoolProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
} // namespace zs
