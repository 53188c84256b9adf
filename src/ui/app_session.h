// The program-wide state: the tables, the working directory and where PATH.PRG lives.
#pragma once

#include "class_hand_over.h"
#include "core/data_files.h"
#include "core/database.h"
#include "core/dir_lock.h"
#include "core/result.h"
#include "core/startup.h"
#include "platform/dos_path.h"
#include "scheduler/hand_history.h"

#include <filesystem>
#include <string>

namespace zs::ui {

// Who holds a folder the program uses, for a refused second writer to name.
inline constexpr const char* kAppHolder = "Zamanseri programı";

class AppSession {
public:
    // `currentDir` is the folder that holds PATH.PRG; `drives` maps the DOS drives.
    AppSession(std::filesystem::path currentDir, platform::DriveMap drives);
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    // The session of the running program, the one created last; null when none lives.
    static AppSession* current();

    Database db;
    std::string workDir; // DOS form, Windows-1254 bytes
    platform::DriveMap drives;
    std::filesystem::path currentDir;
    // While set, the message dialog opens in information mode; left set after a restore,
    // it makes the main menu end the program.
    bool restartPending = false;
    // The import of earlier data, run at start only.
    ImportHook importHook;
    LoadReport lastLoad;
    // Set only while the tables hold a whole working directory: after a failed load nothing
    // may write a data file, or the good files would be replaced by empty tables.
    bool loaded = false;
    // Why the working directory is open for viewing, printing and backing up only (UTF-8);
    // empty for a folder that can be written. Every write into it is refused with it.
    std::string readOnlyReason;
    // Empty whenever the tables are loaded or emptied, so that no id points into the
    // data of another school.
    ClassHandOver classHandOver;
    // The hand changes of the timetable screens, for undo and redo while the program runs.
    sched::HandHistory handHistory;

    // The working directory as a host folder.
    DataDir dataDir() const;

    // Reads PATH.PRG (creating it with the default), creates the default working
    // directory when it is missing, takes its lock and loads everything from it. Files the
    // load skipped records of are kept beside them before anything is written.
    Status start();

    // Switches to a typed directory: false, changing nothing, when it does not exist.
    // Otherwise its lock is taken, the annex gets the main lessons when it has none, and
    // every table is loaded from it into fresh tables; only when that succeeds are
    // PATH.PRG written and the new directory used. On an error the old one stays in use.
    Result<bool> changeWorkDir(std::string text);

    // Empties every table and data file; the settings and PATH.PRG stay.
    Status clearAll();

private:
    // Keeps copies of the files the load skipped records of; a failure leaves nothing loaded.
    Status keepNotedFiles();
    // Takes over the lock's verdict on writing into `folder`, the new working directory.
    void useReadOnlyReason(const std::filesystem::path& folder);

    DirLock lock_;
};

} // namespace zs::ui
