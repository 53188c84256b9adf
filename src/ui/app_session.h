// The program-wide state: the tables, the working directory and where PATH.PRG lives.
#pragma once

#include "class_hand_over.h"
#include "core/data_files.h"
#include "core/database.h"
#include "core/result.h"
#include "core/startup.h"
#include "platform/dos_path.h"

#include <filesystem>
#include <string>

namespace zs::ui {

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
    // Empty whenever the tables are loaded or emptied, so that no id points into the
    // data of another school.
    ClassHandOver classHandOver;

    // The working directory as a host folder.
    DataDir dataDir() const;

    // Reads PATH.PRG (creating it with the default), creates the default working
    // directory when it is missing, and loads everything from it.
    Status start();

    // Switches to a typed directory: false, changing nothing, when it does not exist.
    // Otherwise PATH.PRG is written, the annex gets the main lessons when it has none,
    // and every table is loaded anew from the new directory.
    Result<bool> changeWorkDir(std::string text);

    // Empties every table and data file; the settings and PATH.PRG stay.
    Status clearAll();
};

} // namespace zs::ui
