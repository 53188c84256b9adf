// The files that a restore or a new timetable replaces are kept beside the data as a
// backup set in a dated folder of the working directory ("ONCEKI-20261207-093015"), so
// the change can be undone by restoring from that folder.
#pragma once

#include "core/data_files.h"
#include "core/result.h"

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace zs::maintenance {

inline constexpr const char* kPreviousSetPrefix = "ONCEKI-";

// "ONCEKI-" and the local date and time, YYYYMMDD-HHMMSS.
std::string previousSetName();

// Copies the current bytes of the listed data files (empty for a missing one) and of the
// listed settings files (left out when missing) as backup files into a new dated folder,
// held and written as one write, and answers the folder.
Result<std::filesystem::path> keepPreviousSet(const DataDir& dir, std::span<const DataFile> files,
                                              const std::vector<std::string>& settings = {});

} // namespace zs::maintenance
