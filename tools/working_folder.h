// A working directory opened by a command: the folder exists, the command holds its
// writer's lock, and its tables are loaded as start-up loads them.
#pragma once

#include "core/data_files.h"
#include "core/database.h"
#include "core/dir_lock.h"

#include <memory>
#include <string>

namespace zs::tool {

struct WorkingFolder {
    DirLock lock;
    std::unique_ptr<Database> db = std::make_unique<Database>();
    LoadReport report;
};

// The lock comes first even for commands that only read: a load may finish a write a
// killed process left, and removes stray temporaries, which only the lock's holder may.
// A folder that cannot be written is loaded without writing and closed to writes. On
// failure the reason is on standard error and the answer is empty.
std::unique_ptr<WorkingFolder> openWorkingFolder(const DataDir& dir, const std::string& holder);

} // namespace zs::tool
