// The per-user folder that holds PATH.PRG, wherever the program is started from.
#pragma once

#include "core/result.h"

#include <filesystem>

namespace zs::platform {

// The platform's per-user data location with "zamanseri" under it
// (~/.local/share/zamanseri/ on Linux, honouring XDG_DATA_HOME), created when missing.
Result<std::filesystem::path> userFolder();

} // namespace zs::platform
