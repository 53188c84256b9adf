#include "earlier_timetables.h"

#include "core/entities.h"
#include "earlier_records.h"
#include "rules/daily_hours.h"

namespace zs::maintenance {

namespace {

template <class R>
Result<std::vector<R>> readRecords(const DataDir& earlier, DataFile f,
                                   const RecordCodec<R>& codec) {
    auto read = readFileIfExists(earlier.file(f));
    if (!read) return read.error();
    if (!read.value()) return std::vector<R>{};
    const Bytes& data = *read.value();
    return decodeRecords(codec, std::span<const u8>(data.data(), data.size()));
}

std::string where(DataFile f, std::size_t i) {
    return std::string("C:\\HDZ\\") + fileName(f) + " kayıt " + std::to_string(i + 1) + ": ";
}

} // namespace

void listImportedTeachers(Database& db) {
    for (const TeacherLesson& r : db.teacherLessons)
        addTeacherToClassLesson(db, r.teacherId, r.classId, r.lessonId);
}

Status importTimetableSettings(Database& db, const DataDir& earlier, LoadReport& report) {
    auto classes = readRecords(earlier, DataFile::ClassTimetable, earlierClassTimetableCodec());
    if (!classes) return classes.error();
    for (std::size_t i = 0; i < classes.value().size(); ++i) {
        const EarlierClassTimetable& old = classes.value()[i];
        ClassTimetable* grid = db.classTimetables.find(old.classId);
        if (!grid || !setDailyHours(*grid, old.firstHour, old.lastHour)) {
            report.notes.push_back(where(DataFile::ClassTimetable, i) +
                                   "olmayan sınıf veya geçersiz saat, atlandı");
            continue;
        }
        for (int d = 1; d <= kDays; ++d)
            grid->freeOnDay[d - 1] = static_cast<u8>(dayWindow(*grid, d).hours());
    }

    auto teachers =
        readRecords(earlier, DataFile::TeacherTimetable, earlierTeacherTimetableCodec());
    if (!teachers) return teachers.error();
    for (std::size_t i = 0; i < teachers.value().size(); ++i) {
        const EarlierTeacherTimetable& old = teachers.value()[i];
        TeacherTimetable* grid = db.teacherTimetables.find(old.teacherId);
        if (!grid) {
            report.notes.push_back(where(DataFile::TeacherTimetable, i) +
                                   "olmayan öğretmen, atlandı");
            continue;
        }
        for (int s = 0; s < kSlots; ++s)
            if (old.occupant[s] == 0 && grid->planes[kOccupantPlane][s] == 0)
                grid->planes[kOpenPlane][s] = old.open[s] ? 1 : 0;
    }
    return success();
}

} // namespace zs::maintenance
