// Helpers for the scheduler tests: schools in memory, runs without a screen, and the
// bytes of the three timetable files to compare grids exactly.
#pragma once

#include "core/data_files.h"
#include "rules/placement.h"
#include "rules/totals.h"
#include "sample/sample_school.h"
#include "scheduler/invariants.h"
#include "scheduler/scheduler.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zs::test {

// What the teacher screen computes when it opens.
inline void openScreenTotals(Database& db) {
    updateAllTeacherWeeklyTotals(db);
    updateClassWeeklyHours(db);
}

inline std::unique_ptr<Database> sampleDb(int classes, std::uint64_t seed = 1) {
    auto db = std::make_unique<Database>();
    sched::buildSampleSchool(*db, {classes, seed});
    openScreenTotals(*db);
    return db;
}

inline Bytes gridBytes(const Database& db) {
    Bytes all;
    for (DataFile f :
         {DataFile::TeacherTimetable, DataFile::ClassTimetable, DataFile::RoomTimetable}) {
        const Bytes b = encodeTable(db, f);
        all.insert(all.end(), b.begin(), b.end());
    }
    return all;
}

inline std::string lines(const std::vector<std::string>& v) {
    std::string s;
    for (std::size_t i = 0; i < v.size() && i < 10; ++i) s += v[i] + "\n";
    return s;
}

// An observer that records what the panel would show and can act from the pump.
struct RecordingObserver : sched::RunObserver {
    std::vector<int> levels;
    std::vector<std::pair<Id, Id>> lessons;
    std::string closing;
    std::string closingText;
    int pumps = 0;
    std::function<void()> onPump;
    std::function<void(Id, Id)> onLesson;

    void pump() override {
        ++pumps;
        if (onPump) onPump();
    }
    void levelShown(int level) override { levels.push_back(level); }
    std::vector<sched::RunPhase> phases;
    void phaseShown(sched::RunPhase phase) override { phases.push_back(phase); }
    void lessonShown(Id c, Id l, int) override {
        lessons.emplace_back(c, l);
        if (onLesson) onLesson(c, l);
    }
    // The first line: the unplaced hours; the lines after it, the figures and findings.
    void runEnded(const std::string& message, int) override {
        closing = message.substr(0, message.find('\n'));
        closingText = message;
    }
};

// A run over the settings in memory, reloaded from that copy.
struct MemoryRun {
    RecordingObserver observer;
    sched::AutoRun run;
    explicit MemoryRun(Database& db) : run(db, observer, sched::fixedSettings(db.settings)) {}
};

// The 8-class sample placed in full, then every `every`-th block taken out by hand, so
// that the blocks put back meet full grids and must displace and repair.
inline std::unique_ptr<Database> fullWithHoles(int every = 5) {
    auto db = sampleDb(8);
    db->settings.searchLevel = 3;
    {
        MemoryRun m(*db);
        sched::runAutomatic(m.run);
    }
    int n = 0;
    for (const ClassTimetable& ct : std::vector<ClassTimetable>(db->classTimetables.rows))
        for (int s = 1; s <= kSlots; ++s) {
            const ClassTimetable& now = *db->classTimetables.find(ct.classId);
            const int i = s - 1;
            if (now.planes[kOccupantPlane][i] == 0 || now.planes[kOpenPlane][i] == 0) continue;
            if (now.planes[kBlockStartPlane][i] != s || ++n % every != 0) continue;
            const int length = now.planes[kBlockLengthPlane][i];
            for (int k = length - 1; k >= 0; --k) Remove(*db, s + k, ct.classId);
        }
    return db;
}

// Checks every invariant after every commit, removal and roll-back of the run; the first
// faults found are kept for the report.
struct InvariantWatch {
    sched::RunInvariants invariants;
    std::vector<std::string> faults;
    int checks = 0;
    InvariantWatch(sched::AutoRun& run) : invariants(run.db) {
        run.afterChange = [this, &run](const char* what) {
            ++checks;
            if (!faults.empty()) return;
            for (const std::string& f : invariants.check(run.db))
                faults.push_back(std::string(what) + ": " + f);
        };
    }
};

} // namespace zs::test
