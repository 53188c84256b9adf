// The commands of zamanseri-tool; each answers the process exit code.
#pragma once

#include <string>
#include <vector>

namespace zs::tool {

// check DIR: load as start-up does, count the records of every file, report every fault.
// 0 sound, 1 faults found, 2 a file could not be read or created or another program
// writes the folder.
int runCheck(const std::vector<std::string>& args);

// sample DIR --classes N [--seed S]: write a generated school; the same arguments give the
// same bytes. 0 written, 2 bad arguments or a file error.
int runSample(const std::vector<std::string>& args);

// schedule DIR [--teacher ID] [--level N] [--quiet]: the automatic run (or the run for one
// teacher), then the timetable files written as the teacher screen writes them on closing.
// 0 the run finished, 1 nothing to schedule, faults in the tables or grids, or the capacity
// check refused, 2 bad arguments, a file error or another program writing the folder.
int runSchedule(const std::vector<std::string>& args);

} // namespace zs::tool
