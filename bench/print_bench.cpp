// Printing a whole school: every teacher, class and room page and the three sheet lists of
// the 40-class sample, scheduled, into one PDF through `zamanseri-tool print`, measured as
// the whole process (start, load, draw, write); and the drawing alone on a canvas that
// only counts (the sample as generated, before any run), to show what the layouts cost
// without the PDF.
#include "print/printouts.h"
#include "sample/sample_school.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zs {
namespace {

const std::filesystem::path& sampleFolder() {
    static const std::filesystem::path folder = [] {
        auto dir = std::filesystem::temp_directory_path() / "zs_print_bench";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        const std::string tool = ZS_TOOL;
        const std::string quoted = "'" + dir.string() + "'";
        if (std::system(
                (tool + " sample " + quoted + " --classes 40 --seed 1 >/dev/null").c_str()) ||
            std::system((tool + " schedule " + quoted + " --quiet >/dev/null").c_str()))
            std::abort();
        return dir;
    }();
    return folder;
}

void BM_PrintWholeSchoolProcess(benchmark::State& state) {
    const auto dir = sampleFolder();
    const std::string command = std::string(ZS_TOOL) + " print '" + dir.string() +
                                "' --what teacher,class,room,teacher-sheet,class-sheet,room-sheet"
                                " --all --pdf '" +
                                (dir / "school.pdf").string() + "'";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("print failed");
    state.counters["pdf_bytes"] =
        static_cast<double>(std::filesystem::file_size(dir / "school.pdf"));
}
BENCHMARK(BM_PrintWholeSchoolProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Fixed pitch at a printer's resolution, drawing nothing.
class CountingCanvas : public print::Canvas {
public:
    long calls = 0;
    void setFont(const print::Font& f) override { size_ = f.size; }
    print::Extent textExtent(std::string_view t) override {
        return {static_cast<int>(t.size()) * size_ * 8, size_ * 16};
    }
    void text(int, int, std::string_view) override { ++calls; }
    void line(int, int, int, int) override { ++calls; }
    void newPage() override { ++calls; }
    int pageWidth() const override { return 9000; }
    int pageHeight() const override { return 13000; }
    bool landscape() const override { return false; }
    int resolution() const override { return 1200; }

private:
    int size_ = 9;
};

void BM_DrawWholeSchool(benchmark::State& state) {
    Database db;
    sched::buildSampleSchool(db, {40, 1});
    using print::Printout;
    for (auto _ : state) {
        CountingCanvas canvas;
        for (Printout p : {Printout::Teacher, Printout::Class, Printout::Room,
                           Printout::TeacherSheet, Printout::ClassSheet, Printout::RoomSheet})
            if (!print::drawPrintout(canvas, db, p, print::entitiesFrom(db, p, 0), "07.12.2026"))
                state.SkipWithError("refused");
        benchmark::DoNotOptimize(canvas.calls);
    }
}
BENCHMARK(BM_DrawWholeSchool)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zs
