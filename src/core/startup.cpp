#include "startup.h"

#include "codec.h"
#include "duty_load.h"
#include "entities.h"
#include "settings_file.h"

#include <algorithm>

namespace zs {

Bytes encodePathRecord(const std::string& workDir) {
    Bytes out(kPathCapacity + 1, 0);
    field::writeText(workDir, out.data(), kPathCapacity);
    return out;
}

std::string decodePathRecord(const Bytes& data) {
    if (data.empty()) return {};
    const std::size_t len = std::min<std::size_t>({data[0], kPathCapacity, data.size() - 1});
    return std::string(reinterpret_cast<const char*>(data.data() + 1), len);
}

Result<std::string> readPathFile(const std::filesystem::path& currentDir) {
    const auto path = resolveName(currentDir, kPathFile);
    auto read = readFileIfExists(path);
    if (!read) return read.error();
    if (!read.value()) {
        if (auto w = writeFileSafely(path, encodePathRecord(kDefaultWorkDir)); !w) return w.error();
        return std::string(kDefaultWorkDir);
    }
    return decodePathRecord(*read.value());
}

Status writePathFile(const std::filesystem::path& currentDir, const std::string& workDir) {
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
                            const ImportHook& hook) {
    db.clearTables();
    auto annex = loadAnnexFlags(dir);
    if (!annex) return annex.error();
    db.annexFlags = annex.value();

    bool imported = false;
    if (hook.import) {
        auto r = hook.import(db, dir);
        if (!r) return r.error();
        imported = r.value();
    }
    db.clearTables();
    for (DataFile f : kLoadOrder) {
        if (auto s = loadTable(db, dir, f, report); !s) {
            db.clearTables();
            return s;
        }
    }
    settleLoadedDuties(db, report);
    createMissingTimetables(db);
    if (imported && hook.afterImport) {
        if (auto s = hook.afterImport(db, dir); !s) return s;
    }
    auto settings = loadSettings(dir);
    if (!settings) return settings.error();
    db.settings = settings.value();
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
