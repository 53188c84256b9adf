#include "arguments.h"
#include "commands.h"
#include "working_folder.h"

#include "core/cp1254.h"
#include "core/data_files.h"
#include "core/dir_lock.h"
#include "core/file_io.h"
#include "core/load_notes.h"
#include "core/settings_file.h"
#include "core/startup.h"
#include "rules/grid_check.h"
#include "rules/totals.h"
#include "scheduler/scheduler.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <unistd.h>

namespace zs::tool {

namespace {

using Clock = std::chrono::steady_clock;

// A progress line on the terminal, redrawn at most ten times a second from the pump.
class TerminalProgress : public sched::RunObserver {
public:
    TerminalProgress(const Database& db, bool show) : db_(db), show_(show) {}

    void pump() override {
        if (!show_) return;
        const auto now = Clock::now();
        if (now - last_ < std::chrono::milliseconds(100)) return;
        last_ = now;
        const Teacher* t = db_.teachers.find(teacher_);
        std::fprintf(stderr, "\r\033[Kdüzey %d  %s  %d / %d saat", level_,
                     t ? cp1254::toUtf8(t->name).c_str() : "", placed_, total_);
        std::fflush(stderr);
        drawn_ = true;
    }
    void schoolHours(int total, int placed) override {
        total_ = total;
        placed_ = placed;
    }
    void teacherShown(Id teacherId, int, int) override { teacher_ = teacherId; }
    void levelShown(int level) override { level_ = level; }
    void runEnded(const std::string& message, int) override {
        clear();
        std::printf("%s\n", cp1254::toUtf8(message).c_str());
    }
    void clear() {
        if (drawn_) std::fputs("\r\033[K", stderr);
        drawn_ = false;
    }

private:
    const Database& db_;
    bool show_;
    bool drawn_ = false;
    Clock::time_point last_{};
    Id teacher_ = 0;
    int level_ = 0;
    int placed_ = 0;
    int total_ = 0;
};

int usage() {
    std::fputs("Kullanım: zamanseri-tool schedule DİZİN [--teacher NO] [--level N] [--faithful] "
               "[--quiet]\n",
               stderr);
    return 2;
}

} // namespace

int runSchedule(const std::vector<std::string>& args) {
    std::string folder;
    int teacherId = 0;
    std::optional<int> level;
    bool quiet = false;
    bool faithful = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        int value = 0;
        if (a == "--teacher" && hasValue) {
            if (!readSmallNumber(args[++i], 0, 255, value) || value == 0) return usage();
            teacherId = value;
        } else if (a == "--level" && hasValue) {
            if (!readSmallNumber(args[++i], 0, 255, value) || value > 99) return usage();
            level = value;
        } else if (a == "--quiet") {
            quiet = true;
        } else if (a == "--faithful") {
            faithful = true;
        } else if (folder.empty() && !a.starts_with("--")) {
            folder = a;
        } else {
            return usage();
        }
    }
    if (folder.empty()) return usage();
    const DataDir dir{std::filesystem::path(folder)};
    const auto open = openWorkingFolder(dir, "zamanseri-tool schedule");
    if (!open) return 2;
    Database& db = *open->db;
    // A run on damaged grids would spread the damage.
    if (const auto faults = findDataFaults(db); !faults.empty()) {
        std::puts("Veriler tutarsız; otomatik dağıtım yapılmadı:");
        for (const auto& fault : faults) std::printf("hata: %s\n", fault.c_str());
        return 1;
    }
    // The save drops the records the load skipped: their files are kept as read.
    if (auto kept = keepCopiesOfNotedFiles(dir, open->report); !kept) {
        std::fprintf(stderr, "%s\n", ioErrorMessage(kept.error()).c_str());
        return 2;
    }
    // What the teacher screen computes when it opens.
    updateAllTeacherWeeklyTotals(db);
    updateClassWeeklyHours(db);

    const TeacherTimetable* chosen = teacherId ? db.teacherTimetables.find(teacherId) : nullptr;
    if (teacherId && (!chosen || !db.teachers.contains(teacherId))) {
        std::fprintf(stderr, "Öğretmen bulunamadı: %d\n", teacherId);
        return 1;
    }
    const int toPlace = teacherId ? chosen->totalHours : sched::teacherHourSums(db).total;
    if (toPlace == 0) {
        std::puts("Yerleştirilecek ders yok.");
        return 1;
    }
    if (const CapacityVerdict v = checkClassCapacity(db); !v.ok) {
        std::printf("%s\n", cp1254::toUtf8(v.message).c_str());
        return 1;
    }

    // Every reload during the run reads OPTION.PRG; the level given here holds over it,
    // and the file itself is never written.
    const Settings asLoaded = db.settings;
    sched::SettingsSource source = [&dir, asLoaded, level] {
        auto loaded = loadSettings(dir);
        Settings s = loaded ? loaded.value() : asLoaded;
        if (level) s.searchLevel = static_cast<u8>(*level);
        return s;
    };
    TerminalProgress progress(db, !quiet && isatty(STDERR_FILENO));
    sched::AutoRun run(db, progress, source);
    run.faithfulOnly = faithful;
    const auto started = Clock::now();
    if (teacherId)
        sched::runTeacher(run, static_cast<Id>(teacherId));
    else
        sched::runAutomatic(run);
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    progress.clear();

    if (auto s = saveTables(
            db, dir,
            {DataFile::ClassTimetable, DataFile::TeacherTimetable, DataFile::RoomTimetable});
        !s) {
        std::fprintf(stderr, "%s\n", ioErrorMessage(s.error()).c_str());
        return 2;
    }
    const sched::HourSums sums = sched::teacherHourSums(db);
    std::printf("placed %d of %d hours, unplaced %d, in %.2f s\n", sums.placed, sums.total,
                std::max(0, sums.total - sums.placed), seconds);
    return 0;
}

} // namespace zs::tool
