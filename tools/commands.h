// The commands of zamanseri-tool; each answers the process exit code.
#pragma once

#include <string>
#include <vector>

namespace zs::tool {

// check DIR: load as start-up does, count the records of every file, report every fault.
// 0 sound, 1 faults found, 2 a file could not be read or created.
int runCheck(const std::vector<std::string>& args);

} // namespace zs::tool
