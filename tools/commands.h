// The commands of zamanseri-tool; each answers the process exit code.
#pragma once

#include <string>
#include <vector>

namespace zs::tool {

// check DIR: load as start-up does, count the records of every file, report every fault.
// 0 sound, 1 faults found, 2 a file could not be read or created or another program
// writes the folder.
int runCheck(const std::vector<std::string>& args);

// sample DIR --classes N [--seed S] [--free-days]: write a generated school (with
// --free-days, every teacher of at most 24 hours keeps a weekday free); the same arguments give the
// same bytes. 0 written, 2 bad arguments or a file error.
int runSample(const std::vector<std::string>& args);

// schedule DIR [--teacher ID] [--level N] [--quiet]: the automatic run (or the run for one
// teacher), then the timetable files written as the teacher screen writes them on closing.
// 0 the run finished, 1 nothing to schedule, faults in the tables or grids, or the capacity
// check refused, 2 bad arguments, a file error or another program writing the folder.
int runSchedule(const std::vector<std::string>& args);

// print DIR --what KIND[,KIND...] [--id ID | --all] --pdf FILE: the printouts into one PDF.
// 0 written, 1 no such entity, 2 bad arguments, a file that cannot be read or written, or
// print settings that leave no room on the page.
int runPrint(const std::vector<std::string>& args);
// backup DIR --to FOLDER: the data of DIR, loaded as start-up loads it, and its settings
// files written as backup files into FOLDER ("A:" is the floppy drive) as one write, read
// back and checked as a restore would. 0 done, 1 no disk, a write-protected one or a set
// a restore would refuse (the reasons printed), 2 bad arguments, a file error or another
// program using FOLDER.
int runBackup(const std::vector<std::string>& args);

// restore DIR --from FOLDER: the backup files of FOLDER replace the data and settings files
// of DIR, all or none, the replaced ones kept in a dated folder ONCEKI-... of DIR. 0 restored, 1 no
// disk, no lesson backup on it, no backup files or a damaged set (nothing changed), 2 bad
// arguments or a file error.
int runRestore(const std::vector<std::string>& args);

// export DIR [--html FOLDER] [--xlsx FILE] [--ics FOLDER --from DATE --until DATE
// [--minutes N]] [--csv FILE]: the timetable as a web site, a workbook, calendars and CSV
// tables, each whole or not at all. 0 written, 1 nothing placed, dates out of order or an
// unreadable start time, 2 bad arguments, a file error or a place that cannot be written.
int runExport(const std::vector<std::string>& args);

} // namespace zs::tool
