// A folder taken for use: its writer's lock held, and a write a dead process left in it
// finished (or undone) with its stray temporaries removed, before anything is read from it
// or written to it. Every folder the program writes (working directory, annex, the
// per-user folder, a backup medium, a previous set) is taken this way.
#pragma once

#include "dir_lock.h"
#include "result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zs {

struct HeldFolder {
    DirLock lock;
    std::vector<std::string> recovered; // one line per thing the recovery did
};

// Refused, with the holder named, when another program (or this one) holds the folder.
Result<HeldFolder> holdFolder(const std::filesystem::path& dir, const std::string& holder);

} // namespace zs
