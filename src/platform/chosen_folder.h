// A folder chosen on the host to be the working directory: the DOS text PATH.PRG would
// hold, or why it cannot hold it, told before anything is stored.
#pragma once

#include "dos_path.h"

#include <filesystem>
#include <string>

namespace zs::platform {

struct ChosenFolder {
    std::string dosText; // code-page bytes; empty when refused
    std::string refusal; // UTF-8; empty when accepted
};

// Refused: a folder under no usable drive (the notice names the drives there are), a
// name with letters outside the Turkish code page, and a DOS text longer than PATH.PRG holds.
ChosenFolder chooseWorkingFolder(const std::filesystem::path& folder, const DriveMap& drives);

} // namespace zs::platform
