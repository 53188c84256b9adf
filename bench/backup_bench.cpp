// Backing up and restoring the 255-class sample through `zamanseri-tool` (as generated:
// placements change no file size, every record is fixed),
// measured as the whole process: start, the working directory locked, recovered and
// loaded, the medium locked and recovered, the set written as one write, read back and
// checked (backup); the set read and checked, the previous set kept, the files replaced
// (restore). On the disk the temporary folder is on, with every write synced.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Folders {
    fs::path work, medium;
};

const Folders& folders() {
    static const Folders f = [] {
        const fs::path root = fs::temp_directory_path() / "zs_backup_bench";
        fs::remove_all(root);
        Folders out{root / "work", root / "medium"};
        fs::create_directories(out.work);
        fs::create_directories(out.medium);
        const std::string tool = ZS_TOOL, work = "'" + out.work.string() + "'";
        if (std::system(
                (tool + " sample " + work + " --classes 255 --seed 1 >/dev/null").c_str()) ||
            std::system((tool + " schedule " + work + " --quiet >/dev/null").c_str()))
            std::abort();
        return out;
    }();
    return f;
}

std::uintmax_t setBytes(const fs::path& folder) {
    std::uintmax_t total = 0;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".YDK") total += e.file_size();
    return total;
}

void BM_BackupWholeSchoolProcess(benchmark::State& state) {
    const auto& f = folders();
    const std::string command = std::string(ZS_TOOL) + " backup '" + f.work.string() + "' --to '" +
                                f.medium.string() + "' >/dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("backup failed");
    state.counters["set_bytes"] = static_cast<double>(setBytes(f.medium));
}
BENCHMARK(BM_BackupWholeSchoolProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_RestoreWholeSchoolProcess(benchmark::State& state) {
    const auto& f = folders();
    const std::string backup = std::string(ZS_TOOL) + " backup '" + f.work.string() + "' --to '" +
                               f.medium.string() + "' >/dev/null";
    if (std::system(backup.c_str()) != 0) state.SkipWithError("backup failed");
    const std::string command = std::string(ZS_TOOL) + " restore '" + f.work.string() +
                                "' --from '" + f.medium.string() + "' >/dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("restore failed");
    state.counters["set_bytes"] = static_cast<double>(setBytes(f.medium));
}
BENCHMARK(BM_RestoreWholeSchoolProcess)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

} // namespace
