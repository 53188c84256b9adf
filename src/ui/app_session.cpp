#include "app_session.h"

#include <system_error>

namespace zs::ui {

namespace {

AppSession* g_current = nullptr;

} // namespace

AppSession::AppSession(std::filesystem::path currentDir, platform::DriveMap drives)
    : drives(std::move(drives)), currentDir(std::move(currentDir)) {
    g_current = this;
}

AppSession::~AppSession() {
    if (g_current == this) g_current = nullptr;
}

AppSession* AppSession::current() {
    return g_current;
}

DataDir AppSession::dataDir() const {
    return DataDir(platform::hostPath(workDir, drives));
}

Status AppSession::start() {
    restartPending = false;
    classHandOver = {};
    auto path = readPathFile(currentDir);
    if (!path) return path.error();
    workDir = path.value();

    // Only the default directory is made for the user; any other was chosen and must exist.
    const auto folder = platform::hostPath(workDir, drives);
    std::error_code ec;
    if (platform::sameDosPath(workDir, kDefaultWorkDir) && !std::filesystem::exists(folder, ec)) {
        std::filesystem::create_directories(folder, ec);
        if (ec) return Error{ec.message(), folder.string()};
    }
    lastLoad = {};
    return loadWorkingDirectory(db, DataDir(folder), lastLoad, importHook);
}

Result<bool> AppSession::changeWorkDir(std::string text) {
    text = normaliseWorkDirText(std::move(text));
    if (text.empty() || !platform::folderExists(text, drives)) return false;
    if (auto s = writePathFile(currentDir, text); !s) return s.error();

    if (platform::sameDosPath(text, kAnnexWorkDir)) {
        const DataDir mainDir(platform::hostPath(kDefaultWorkDir, drives));
        const DataDir annexDir(platform::hostPath(text, drives));
        if (auto s = shareLessonsWithAnnex(mainDir, annexDir); !s) return s.error();
    }
    workDir = text;
    restartPending = false;
    classHandOver = {};
    lastLoad = {};
    if (auto s = loadWorkingDirectory(db, dataDir(), lastLoad); !s) return s.error();
    return true;
}

Status AppSession::clearAll() {
    classHandOver = {};
    return clearAllData(db, dataDir());
}

} // namespace zs::ui
