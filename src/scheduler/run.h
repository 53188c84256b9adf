// An automatic run over the tables in memory: the database it changes, the observer it
// reports to, where it reloads the settings from, its state and its undo journal.
#pragma once

#include "class_lesson_cache.h"
#include "core/database.h"
#include "observer.h"
#include "rules/grids_concerned.h"
#include "run_state.h"
#include "undo_journal.h"

#include <functional>
#include <memory>

namespace zs::sched {

// Where a run reloads the settings from: OPTION.PRG on disk for the program, a fixed
// record for a run over tables built in memory.
using SettingsSource = std::function<Settings()>;

// After every commit, removal and roll-back; a test build checks the grids here.
using ChangeHook = std::function<void(const char* what)>;

// Nested attempts beyond this depth fail: the journal guard already keeps chains well
// below it, and it keeps the call stack bounded whatever the data.
inline constexpr int kMaxAttemptDepth = 1100;

struct AttemptCache;

// The grids of each class lesson, found once while a run is on: a run changes the grids,
// never the tables they belong to.
struct ConcernedCache : ClassLessonCache<GridsConcerned> {};

struct AutoRun {
    Database& db;
    RunObserver& observer;
    SettingsSource loadSettings;
    RunState state;
    std::unique_ptr<UndoJournal> journal = std::make_unique<UndoJournal>();
    ChangeHook afterChange;
    bool faithfulOnly = false; // no completion and improvement stage after the search
    // While set, each class lesson's attempt is filled once: only the grids change then.
    AttemptCache* attempts = nullptr;
    // From the start of a run to its end; null otherwise, as the tables may change then.
    std::unique_ptr<ConcernedCache> concerned;

    AutoRun(Database& database, RunObserver& obs, SettingsSource source)
        : db(database), observer(obs), loadSettings(std::move(source)) {}
    AutoRun(const AutoRun&) = delete;
    AutoRun& operator=(const AutoRun&) = delete;

    void reloadSettings() { db.settings = loadSettings(); }
    void changed(const char* what) {
        if (afterChange) afterChange(what);
    }
};

// A source that always gives back the settings as they are now.
SettingsSource fixedSettings(const Settings& settings);

} // namespace zs::sched
