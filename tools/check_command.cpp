#include "commands.h"

#include "core/cp1254.h"
#include "core/data_files.h"
#include "core/dir_lock.h"
#include "core/file_io.h"
#include "core/startup.h"
#include "rules/grid_check.h"
#include "scheduler/feasibility.h"

#include <cstdio>

namespace zs::tool {

namespace {

int recordCount(const Database& db, DataFile f) {
    switch (f) {
    case DataFile::Group:
        return db.lessonGroups.count();
    case DataFile::Lesson:
        return db.lessons.count();
    case DataFile::Class:
        return db.classes.count();
    case DataFile::Room:
        return db.rooms.count();
    case DataFile::Teacher:
        return db.teachers.count();
    case DataFile::Duty:
        return db.dutyPlaces.count();
    case DataFile::ClassLesson:
        return db.classLessons.count();
    case DataFile::CommonGroup:
        return db.commonGroups.count();
    case DataFile::TeacherDuty:
        return static_cast<int>(db.teacherDuties.size());
    case DataFile::TeacherLesson:
        return static_cast<int>(db.teacherLessons.size());
    case DataFile::TeacherTimetable:
        return db.teacherTimetables.count();
    case DataFile::ClassTimetable:
        return db.classTimetables.count();
    case DataFile::RoomTimetable:
        return db.roomTimetables.count();
    }
    return 0;
}

} // namespace

int runCheck(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fputs("Kullanım: zamanseri-tool check DİZİN\n", stderr);
        return 2;
    }
    const DataDir dir{std::filesystem::path(args[0])};
    std::error_code ec;
    if (!std::filesystem::is_directory(dir.folder(), ec)) {
        std::fprintf(stderr, "Dizin bulunamadı: %s\n", args[0].c_str());
        return 2;
    }
    // The load may finish a write left half-done: only while no one else writes.
    auto lock = acquireDirLock(dir.folder(), "zamanseri-tool check");
    if (!lock) {
        std::fprintf(stderr, "%s\n", lock.error().message.c_str());
        return 2;
    }
    Database db;
    LoadReport report;
    if (auto s = loadWorkingDirectory(db, dir, report); !s) {
        std::fprintf(stderr, "%s\n", ioErrorMessage(s.error()).c_str());
        return 2;
    }
    for (const auto& line : report.recovered) std::printf("kurtarıldı: %s\n", line.c_str());
    for (DataFile f : kLoadOrder) std::printf("%s %d\n", fileName(f), recordCount(db, f));
    const auto faults = findDataFaults(db);
    for (const auto& note : report.notes) std::printf("atlandı: %s\n", note.c_str());
    for (const auto& fault : faults) std::printf("hata: %s\n", fault.c_str());
    // A teacher given more hours than it has open cells can never be fully placed.
    const auto overloaded = sched::teachersOverOpenCells(db);
    for (const auto& line : overloaded)
        std::printf("yerleşemez: %s\n", cp1254::toUtf8(line).c_str());
    return report.notes.empty() && faults.empty() && overloaded.empty() ? 0 : 1;
}

} // namespace zs::tool
