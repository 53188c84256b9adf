#include "data_files.h"

#include "codecs.h"

#include <algorithm>
#include <set>

namespace zs {

namespace {

struct FileInfo {
    DataFile file;
    const char* name;
    std::size_t size;
};

constexpr std::array<FileInfo, 13> kFiles = {{
    {DataFile::Group, "GROUP.PRG", 22},
    {DataFile::Lesson, "LESSON.PRG", 48},
    {DataFile::Class, "CLASS.PRG", 16},
    {DataFile::Room, "ROOM.PRG", 15},
    {DataFile::Teacher, "TEACHER.PRG", 68},
    {DataFile::Duty, "DUTY.PRG", 35},
    {DataFile::ClassLesson, "CLLE.PRG", 42},
    {DataFile::CommonGroup, "CMNO.PRG", 32},
    {DataFile::TeacherDuty, "TEDU.PRG", 3},
    {DataFile::TeacherLesson, "TELE.PRG", 3},
    {DataFile::TeacherTimetable, "TPS.PRG", 464},
    {DataFile::ClassTimetable, "CPS.PRG", 344},
    {DataFile::RoomTimetable, "RPS.PRG", 328},
}};

const FileInfo& info(DataFile f) {
    return kFiles[static_cast<std::size_t>(f)];
}

std::string where(DataFile f, std::size_t recordNo) {
    return std::string(fileName(f)) + " kayıt " + std::to_string(recordNo + 1) + ": ";
}

template <class F> void clampCount(u8& count, std::size_t max, F note) {
    if (count > max) {
        note(std::to_string(count) + " yerine " + std::to_string(max) + " alındı");
        count = static_cast<u8>(max);
    }
}

// Keyed tables: skip identifier 0 and repeats of an identifier already read.
template <class T>
void appendKeyed(Table<T>& table, std::vector<T> rows, DataFile f, LoadReport& report) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Id id = recordId(rows[i]);
        if (id == 0) {
            report.notes.push_back(where(f, i) + "kimlik 0, atlandı");
        } else if (table.full() || table.contains(id)) {
            report.notes.push_back(where(f, i) + "kimlik " + std::to_string(id) +
                                   " tekrar, atlandı");
        } else {
            table.append(std::move(rows[i]));
        }
    }
}

template <class R> std::vector<R> decodeAll(const RecordCodec<R>& codec, const Bytes& data) {
    return decodeRecords(codec, std::span<const u8>(data.data(), data.size()));
}

} // namespace

const char* fileName(DataFile f) {
    return info(f).name;
}
std::size_t recordSize(DataFile f) {
    return info(f).size;
}

std::size_t maxFileSize(DataFile f) {
    constexpr std::size_t classLessons = std::size_t(kMaxRecords) * kMaxRecords;
    switch (f) {
    case DataFile::ClassLesson:
        return classLessons * recordSize(f);
    case DataFile::TeacherLesson:
        return classLessons * kMaxTeachersPerClassLesson * recordSize(f);
    case DataFile::TeacherDuty: // a count byte per place and day
        return std::size_t(kMaxRecords) * kDutyDays * 255 * recordSize(f);
    default:
        return std::size_t(kMaxRecords) * recordSize(f);
    }
}

Bytes encodeTable(const Database& db, DataFile f) {
    switch (f) {
    case DataFile::Group:
        return encodeRecords(lessonGroupCodec(), db.lessonGroups.rows);
    case DataFile::Lesson:
        return encodeRecords(lessonCodec(), db.lessons.rows);
    case DataFile::Class:
        return encodeRecords(schoolClassCodec(), db.classes.rows);
    case DataFile::Room:
        return encodeRecords(roomCodec(), db.rooms.rows);
    case DataFile::Teacher:
        return encodeRecords(teacherCodec(), db.teachers.rows);
    case DataFile::Duty:
        return encodeRecords(dutyPlaceCodec(), db.dutyPlaces.rows);
    case DataFile::ClassLesson:
        return encodeRecords(classLessonCodec(), db.classLessons.rows);
    case DataFile::CommonGroup:
        return encodeRecords(commonGroupCodec(), db.commonGroups.rows);
    case DataFile::TeacherDuty:
        return encodeRecords(teacherDutyCodec(), db.teacherDuties);
    case DataFile::TeacherLesson:
        return encodeRecords(teacherLessonCodec(), db.teacherLessons);
    case DataFile::TeacherTimetable:
        return encodeRecords(teacherTimetableCodec(), db.teacherTimetables.rows);
    case DataFile::ClassTimetable:
        return encodeRecords(classTimetableCodec(), db.classTimetables.rows);
    case DataFile::RoomTimetable:
        return encodeRecords(roomTimetableCodec(), db.roomTimetables.rows);
    }
    return {};
}

void decodeTable(Database& db, DataFile f, const Bytes& data, LoadReport& report) {
    if (data.size() % recordSize(f) != 0)
        report.notes.push_back(std::string(fileName(f)) + ": son eksik kayıt atlandı (" +
                               std::to_string(data.size() % recordSize(f)) + " bayt)");
    switch (f) {
    case DataFile::Group:
        appendKeyed(db.lessonGroups, decodeAll(lessonGroupCodec(), data), f, report);
        break;
    case DataFile::Lesson: {
        auto rows = decodeAll(lessonCodec(), data);
        for (std::size_t i = 0; i < rows.size(); ++i)
            clampCount(rows[i].blockCount, kPatternSize, [&](const std::string& s) {
                report.notes.push_back(where(f, i) + "blok sayısı " + s);
            });
        appendKeyed(db.lessons, std::move(rows), f, report);
        break;
    }
    case DataFile::Class:
        appendKeyed(db.classes, decodeAll(schoolClassCodec(), data), f, report);
        break;
    case DataFile::Room:
        appendKeyed(db.rooms, decodeAll(roomCodec(), data), f, report);
        break;
    case DataFile::Teacher:
        appendKeyed(db.teachers, decodeAll(teacherCodec(), data), f, report);
        break;
    case DataFile::Duty:
        appendKeyed(db.dutyPlaces, decodeAll(dutyPlaceCodec(), data), f, report);
        break;
    case DataFile::ClassLesson: {
        auto rows = decodeAll(classLessonCodec(), data);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            auto& r = rows[i];
            auto note = [&](const char* what) {
                return [&, what](const std::string& s) {
                    report.notes.push_back(where(f, i) + what + s);
                };
            };
            if (r.classId == 0 || r.lessonId == 0) {
                report.notes.push_back(where(f, i) + "sınıf veya ders 0, atlandı");
                continue;
            }
            if (db.classLessons.contains(r.classId, r.lessonId)) {
                report.notes.push_back(where(f, i) + "aynı sınıf ve ders tekrar, atlandı");
                continue;
            }
            clampCount(r.teacherCount, kMaxTeachersPerClassLesson, note("öğretmen sayısı "));
            clampCount(r.roomCount, kMaxRoomsPerClassLesson, note("derslik sayısı "));
            clampCount(r.blockCount, kPatternSize, note("blok sayısı "));
            db.classLessons.append(r);
        }
        break;
    }
    case DataFile::CommonGroup: {
        auto rows = decodeAll(commonGroupCodec(), data);
        for (std::size_t i = 0; i < rows.size(); ++i)
            clampCount(rows[i].memberCount, kMaxGroupMembers, [&](const std::string& s) {
                report.notes.push_back(where(f, i) + "üye sayısı " + s);
            });
        appendKeyed(db.commonGroups, std::move(rows), f, report);
        break;
    }
    case DataFile::TeacherDuty: {
        auto rows = decodeAll(teacherDutyCodec(), data);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const auto& r = rows[i];
            if (r.day < 1 || r.day > kDutyDays || r.dutyPlaceId == 0 || r.teacherId == 0)
                report.notes.push_back(where(f, i) + "geçersiz gün veya kimlik, atlandı");
            else
                db.teacherDuties.push_back(r);
        }
        break;
    }
    case DataFile::TeacherLesson: {
        auto rows = decodeAll(teacherLessonCodec(), data);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const auto& r = rows[i];
            if (r.teacherId == 0 || r.classId == 0 || r.lessonId == 0)
                report.notes.push_back(where(f, i) + "kimlik 0, atlandı");
            else
                db.teacherLessons.push_back(r);
        }
        break;
    }
    case DataFile::TeacherTimetable:
        appendKeyed(db.teacherTimetables, decodeAll(teacherTimetableCodec(), data), f, report);
        break;
    case DataFile::ClassTimetable:
        appendKeyed(db.classTimetables, decodeAll(classTimetableCodec(), data), f, report);
        break;
    case DataFile::RoomTimetable:
        appendKeyed(db.roomTimetables, decodeAll(roomTimetableCodec(), data), f, report);
        break;
    }
}

Status loadTable(Database& db, const DataDir& dir, DataFile f, LoadReport& report) {
    const auto path = dir.file(f);
    auto read = readFileIfExists(path, maxFileSize(f));
    if (!read) return read.error();
    if (!read.value()) return createEmptyIfMissing(path);
    const std::size_t before = report.notes.size();
    decodeTable(db, f, *read.value(), report);
    if (report.notes.size() != before) report.notedFiles.push_back(fileName(f));
    return success();
}

void addTables(WriteBatch& batch, const Database& db, const DataDir& dir,
               const std::vector<DataFile>& files) {
    for (DataFile f : files) batch.add(dir.file(f), encodeTable(db, f));
}

Status saveTables(const Database& db, const DataDir& dir, const std::vector<DataFile>& files) {
    WriteBatch batch;
    addTables(batch, db, dir, files);
    return batch.commit();
}

Status saveTables(const Database& db, const DataDir& dir, std::initializer_list<DataFile> files) {
    return saveTables(db, dir, std::vector<DataFile>(files));
}

} // namespace zs
