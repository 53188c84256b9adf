#include "commands.h"
#include "working_folder.h"

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
    const auto open = openWorkingFolder(dir, "zamanseri-tool check");
    if (!open) return 2;
    const Database& db = *open->db;
    const LoadReport& report = open->report;
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
