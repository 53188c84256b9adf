#include "working_folder.h"

#include "core/file_io.h"
#include "core/startup.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zs::tool {

std::unique_ptr<WorkingFolder> openWorkingFolder(const DataDir& dir, const std::string& holder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(dir.folder(), ec)) {
        std::fprintf(stderr, "Dizin bulunamadı: %s\n", dir.folder().string().c_str());
        return nullptr;
    }
    auto lock = acquireDirLock(dir.folder(), holder);
    if (!lock) {
        std::fprintf(stderr, "%s\n", lock.error().message.c_str());
        return nullptr;
    }
    auto open = std::make_unique<WorkingFolder>();
    open->lock = std::move(lock.value());
    const bool readOnly = !open->lock.readOnlyReason().empty();
    if (readOnly) setReadOnlyFolder(dir.folder(), open->lock.readOnlyReason());
    if (auto s = loadWorkingDirectory(*open->db, dir, open->report, {}, readOnly); !s) {
        std::fprintf(stderr, "%s\n", ioErrorMessage(s.error()).c_str());
        return nullptr;
    }
    return open;
}

} // namespace zs::tool
