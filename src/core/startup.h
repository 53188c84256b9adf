// Start-up over a working directory: PATH.PRG, the load order, the missing timetable
// records, and clearing all data.
#pragma once

#include "data_files.h"
#include "database.h"

#include <filesystem>
#include <functional>
#include <string>

namespace zs {

inline constexpr const char* kPathFile = "PATH.PRG";
inline constexpr std::size_t kPathCapacity = 80;
inline constexpr std::size_t kMaxPathFileBytes = 4096;
// "C:\Zamanseri\", the default working directory.
inline constexpr const char* kDefaultWorkDir = "C:\\Zamanseri\\";
inline constexpr const char* kAnnexWorkDir = "C:\\ekbina\\";

// PATH.PRG in `currentDir`, one 81-byte record: the working directory in its DOS form.
Bytes encodePathRecord(const std::string& workDir);
// An empty or blank record reads as the default working directory.
std::string decodePathRecord(const Bytes& data);
// Both take the folder's lock and settle a write left unfinished there first. Reading
// creates PATH.PRG with the default when it does not exist.
Result<std::string> readPathFile(const std::filesystem::path& currentDir);
Status writePathFile(const std::filesystem::path& currentDir, const std::string& workDir);

// A typed working directory: cut to 80 characters, ending in a backslash.
std::string normaliseWorkDirText(std::string text);

// The import of earlier data runs between the annex flags and the tables, writing its
// files as one write; it answers whether it imported.
struct ImportHook {
    std::function<Result<bool>(Database&, const DataDir&)> import;
};

// Loads a working directory from scratch into a fresh set of tables: first a write a dead
// process left half-done is finished, then the annex flags, the import, every table in the
// load order (each file created empty when missing), the missing timetable records, then
// the settings. Only a load that succeeds replaces `db`; on an error `db` stays as it was
// and the error names the file. The caller holds the folder's lock. A `readOnly` load
// writes nothing: a missing file reads as empty (or the default settings) and no import
// runs; a write left unfinished there is an error, since it cannot be settled.
Status loadWorkingDirectory(Database& db, const DataDir& dir, LoadReport& report,
                            const ImportHook& hook = {}, bool readOnly = false);

// Gives every teacher, class and room without a timetable record a new one; answers
// how many were created. They reach the files with the next save of those files.
int createMissingTimetables(Database& db);

// Empties every table and writes every data file empty, in the clearing order.
// OPTION.PRG, ADD.PRG and PATH.PRG are left as they are.
Status clearAllData(Database& db, const DataDir& dir);

// Copies the lesson file of `mainDir` into `annexDir` when the annex has no lessons of
// its own, so both buildings share one list; an annex with lessons keeps them.
Status shareLessonsWithAnnex(const DataDir& mainDir, const DataDir& annexDir);

} // namespace zs
