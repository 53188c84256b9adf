#include "app_session.h"

#include "core/folder_hold.h"
#include "core/intent_record.h"
#include "core/load_notes.h"

#include <memory>
#include <optional>
#include <system_error>

namespace zs::ui {

namespace {

AppSession* g_current = nullptr;

bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

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
    loaded = false;
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
    lock_.release();
    auto lock = acquireDirLock(folder, kAppHolder);
    if (!lock) return lock.error();
    lock_ = std::move(lock.value());
    useReadOnlyReason(folder);
    lastLoad = {};
    if (auto s = loadWorkingDirectory(db, DataDir(folder), lastLoad, importHook,
                                      !readOnlyReason.empty());
        !s)
        return s;
    return keepNotedFiles();
}

void AppSession::useReadOnlyReason(const std::filesystem::path& folder) {
    readOnlyReason = lock_.readOnlyReason();
    setReadOnlyFolder(readOnlyReason.empty() ? std::filesystem::path() : folder, readOnlyReason);
}

Status AppSession::keepNotedFiles() {
    // A folder that cannot be written keeps its files as they are: nothing rewrites them.
    if (!readOnlyReason.empty()) {
        loaded = true;
        return success();
    }
    auto kept = keepCopiesOfNotedFiles(dataDir(), lastLoad);
    loaded = kept.ok();
    if (!kept) return kept.error();
    return success();
}

Result<bool> AppSession::changeWorkDir(std::string text) {
    text = normaliseWorkDirText(std::move(text));
    if (text.empty() || !platform::folderExists(text, drives)) return false;
    const auto folder = platform::hostPath(text, drives);

    // The folder in use is already ours; any other must be free of other writers.
    DirLock lock;
    const bool otherFolder = !lock_.held() || !sameFolder(folder, dataDir().folder());
    if (otherFolder) {
        auto taken = acquireDirLock(folder, kAppHolder);
        if (!taken) return taken.error();
        lock = std::move(taken.value());
    }
    const bool readOnly = !(otherFolder ? lock : lock_).readOnlyReason().empty();
    if (platform::sameDosPath(text, kAnnexWorkDir) && !readOnly) {
        // The annex is written and the main directory read only once each is settled.
        if (auto s = recoverInterruptedWrite(folder); !s) return s.error();
        const DataDir mainDir(platform::hostPath(kDefaultWorkDir, drives));
        std::optional<HeldFolder> main;
        if (!sameFolder(mainDir.folder(), folder) &&
            !(lock_.held() && sameFolder(mainDir.folder(), dataDir().folder()))) {
            auto taken = holdFolder(mainDir.folder(), kAppHolder);
            if (!taken) return taken.error();
            main = std::move(taken.value());
        }
        if (auto s = shareLessonsWithAnnex(mainDir, DataDir(folder)); !s) return s.error();
    }
    LoadReport report;
    auto fresh = std::make_unique<Database>();
    if (auto s = loadWorkingDirectory(*fresh, DataDir(folder), report, {}, readOnly); !s)
        return s.error();
    if (auto s = writePathFile(currentDir, text); !s) return s.error();

    db = std::move(*fresh);
    workDir = text;
    if (otherFolder) lock_ = std::move(lock);
    useReadOnlyReason(folder);
    restartPending = false;
    classHandOver = {};
    lastLoad = std::move(report);
    if (auto s = keepNotedFiles(); !s) return s.error();
    return true;
}

Status AppSession::clearAll() {
    if (!loaded) return Error{"Veri dosyaları yüklenemedi; hiçbir dosya yazılmadı.", {}};
    if (!readOnlyReason.empty()) return Error{readOnlyReason, dataDir().folder().string()};
    classHandOver = {};
    return clearAllData(db, dataDir());
}

} // namespace zs::ui
