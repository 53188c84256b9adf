// Undo and redo of the hand changes on the timetable screens: each step keeps the three
// timetable tables as they were before and after it. A step that was written to the files
// is written back when undone or redone, as one transaction; one that only changed memory
// goes back in memory alone, so the files are always as they were before the step.
#pragma once

#include "core/data_files.h"
#include "core/database.h"
#include "core/result.h"

#include <filesystem>
#include <vector>

namespace zs::sched {

struct TimetableTables {
    Table<TeacherTimetable> teachers;
    Table<ClassTimetable> classes;
    Table<RoomTimetable> rooms;
};

TimetableTables timetablesOf(const Database& db);

enum class HistoryState {
    Done,
    Empty,
    // The tables no longer are as the last step left them (another screen, or another
    // folder): the history was cleared.
    Cleared,
};

class HandHistory {
public:
    static constexpr std::size_t kMaxSteps = 100;

    // After a hand change in `folder`: `before` is what the tables were, `db` what they are.
    // A change that altered nothing is not kept. A new step ends the redo.
    void record(const std::filesystem::path& folder, TimetableTables before, const Database& db,
                bool written);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t undoCount() const { return undo_.size(); }
    void clear();

    // The tables of memory go back (or forward) one step, and the files with them when the
    // step was written; memory stays as it was when the files cannot be written.
    Result<HistoryState> undo(Database& db, const DataDir& dir);
    Result<HistoryState> redo(Database& db, const DataDir& dir);

private:
    struct Step {
        TimetableTables before;
        TimetableTables after;
        bool written = false;
    };
    // Takes the last step of `from` over to `to`, the tables going to its state before
    // (undo) or after (redo) it.
    Result<HistoryState> step(Database& db, const DataDir& dir, std::vector<Step>& from,
                              std::vector<Step>& to, bool back);

    std::filesystem::path folder_;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
};

} // namespace zs::sched
