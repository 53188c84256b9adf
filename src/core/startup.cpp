#include "startup.h"

#include "codec.h"
#include "duty_load.h"
#include "entities.h"
#include "folder_hold.h"
#include "intent_record.h"
#include "settings_file.h"

#include <algorithm>
#include <memory>
#include <system_error>

namespace zs {

namespace {

const char* const kPathHolder = "Zamanseri programı (PATH.PRG)";

} // namespace

Bytes encodePathRecord(const std::string& workDir) {
    Bytes out(kPathCapacity + 1, 0);
    field::writeText(workDir, out.data(), kPathCapacity);
    return out;
}

std::string decodePathRecord(const Bytes& data) {
    if (data.empty()) return kDefaultWorkDir;
    const std::size_t len = std::min<std::size_t>({data[0], kPathCapacity, data.size() - 1});
    std::string text(reinterpret_cast<const char*>(data.data() + 1), len);
    // An empty record names no folder: the program's own folder is never meant.
    if (text.find_first_not_of(' ') == std::string::npos) return kDefaultWorkDir;
    return text;
}

Result<std::string> readPathFile(const std::filesystem::path& currentDir) {
    auto held = holdFolder(currentDir, kPathHolder);
    if (!held) return held.error();
    const auto path = resolveName(currentDir, kPathFile);
    auto read = readFileIfExists(path, kMaxPathFileBytes);
    if (!read) return read.error();
    if (!read.value()) {
        if (auto w = writeFileSafely(path, encodePathRecord(kDefaultWorkDir)); !w) return w.error();
        return std::string(kDefaultWorkDir);
    }
    return decodePathRecord(*read.value());
}

Status writePathFile(const std::filesystem::path& currentDir, const std::string& workDir) {
    auto held = holdFolder(currentDir, kPathHolder);
    if (!held) return held.error();
    return writeFileSafely(resolveName(currentDir, kPathFile), encodePathRecord(workDir));
}

std::string normaliseWorkDirText(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (text.empty()) return text;
    if (text.back() != '\\' && text.back() != '/') {
        if (text.size() >= kPathCapacity) text.resize(kPathCapacity - 1);
        text += '\\';
    }
    if (text.size() > kPathCapacity) text.resize(kPathCapacity);
    return text;
}

int createMissingTimetables(Database& db) {
    int created = 0;
    for (const auto& t : db.teachers)
        if (!db.teacherTimetables.contains(t.id)) created += addTeacherTimetable(db, t.id);
    for (const auto& c : db.classes)
        if (!db.classTimetables.contains(c.id)) created += addClassTimetable(db, c.id);
    for (const auto& r : db.rooms)
        if (!db.roomTimetables.contains(r.id)) created += addRoomTimetable(db, r.id);
    return created;
}

Status loadWorkingDirectory(Database& db, const DataDir& dir, LoadReport& report,
                            const ImportHook& hook, bool readOnly) {
    auto recovered = recoverInterruptedWrite(dir.folder());
    if (!recovered) return recovered.error();
    report.recovered = std::move(recovered.value());
    auto missing = [&](std::string_view name) {
        std::error_code ec;
        return readOnly && !std::filesystem::exists(dir.file(name), ec);
    };

    auto fresh = std::make_unique<Database>();
    if (!missing(kAnnexFile)) {
        auto annex = loadAnnexFlags(dir);
        if (!annex) return annex.error();
        fresh->annexFlags = annex.value();
    }

    if (hook.import && !readOnly) {
        auto r = hook.import(*fresh, dir);
        if (!r) return r.error();
    }
    fresh->clearTables();
    for (DataFile f : kLoadOrder)
        if (!missing(fileName(f)))
            if (auto s = loadTable(*fresh, dir, f, report); !s) return s;
    settleLoadedDuties(*fresh, report);
    createMissingTimetables(*fresh);
    if (!missing(kSettingsFile)) {
        auto settings = loadSettings(dir);
        if (!settings) return settings.error();
        fresh->settings = settings.value();
    }
    db = std::move(*fresh);
    return success();
}

Status clearAllData(Database& db, const DataDir& dir) {
    db.clearTables();
    return saveTables(db, dir, std::vector<DataFile>(kClearOrder.begin(), kClearOrder.end()));
}

Status shareLessonsWithAnnex(const DataDir& mainDir, const DataDir& annexDir) {
    const auto target = annexDir.file(DataFile::Lesson);
    auto existing = readFileIfExists(target);
    if (!existing) return existing.error();
    if (existing.value() && existing.value()->size() >= recordSize(DataFile::Lesson))
        return success();
    auto source = readFileIfExists(mainDir.file(DataFile::Lesson));
    if (!source) return source.error();
    if (!source.value()) return success();
    return writeFileSafely(target, *source.value());
}

} // namespace zs
