#include "earlier_data.h"

#include "core/codecs.h"
#include "core/entities.h"
#include "core/startup.h"
#include "core/text.h"
#include "earlier_records.h"
#include "earlier_timetables.h"

#include <map>
#include <system_error>
#include <tuple>

namespace zs::maintenance {

namespace fs = std::filesystem;

namespace {

constexpr std::array<DataFile, 4> kMainFiles = {DataFile::Lesson, DataFile::Class,
                                                DataFile::Teacher, DataFile::ClassLesson};

bool isFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool holdsBytes(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec) && fs::file_size(path, ec) > 0 && !ec;
}

std::string where(DataFile f, std::size_t i) {
    return std::string("C:\\HDZ\\") + fileName(f) + " kayıt " + std::to_string(i + 1) + ": ";
}

// The records of an earlier file; an incomplete last record is noted and left out.
template <class R>
Result<std::vector<R>> readEarlier(const DataDir& earlier, DataFile f, const RecordCodec<R>& codec,
                                   LoadReport& report) {
    auto read = readFileIfExists(earlier.file(f));
    if (!read) return read.error();
    if (!read.value()) return std::vector<R>{};
    const Bytes& data = *read.value();
    if (data.size() % codec.size != 0)
        report.notes.push_back(std::string("C:\\HDZ\\") + fileName(f) +
                               ": son eksik kayıt atlandı");
    return decodeRecords(codec, std::span<const u8>(data.data(), data.size()));
}

template <class T> void keyed(Table<T>& table, T row, DataFile f, std::size_t i, LoadReport& r) {
    if (!table.append(std::move(row)))
        r.notes.push_back(where(f, i) + "kimlik 0, tekrar veya tablo dolu, atlandı");
}

// Orders given as the old identifiers stand as they are when they count 1..n in file
// order; otherwise the records are put in identifier order and numbered again.
template <class T> void settleOrder(Table<T>& table, DataFile f, LoadReport& report) {
    for (int i = 0; i < table.count(); ++i) {
        if (table.rows[i].order == i + 1) continue;
        sortByOrder(table);
        renumber(table);
        report.notes.push_back(std::string(fileName(f)) + ": sıra kimliğe göre yeniden verildi");
        return;
    }
}

Pattern setPattern(u8 number, u8 weeklyHours, u8& blockCount, const std::string& who,
                   LoadReport& report) {
    bool mended = false;
    const Pattern p = patternFromNumber(number, weeklyHours, mended);
    if (mended)
        report.notes.push_back(who + "yerleştirme biçimi " + std::to_string(number) +
                               " haftalık saate uymuyor, " + patternText(p) + " alındı");
    blockCount = static_cast<u8>(patternBlockCount(p));
    return p;
}

Status convertLessons(Database& db, const DataDir& earlier, LoadReport& report) {
    auto rows = readEarlier(earlier, DataFile::Lesson, earlierLessonCodec(), report);
    if (!rows) return rows.error();
    for (std::size_t i = 0; i < rows.value().size(); ++i) {
        const EarlierLesson& old = rows.value()[i];
        Lesson l;
        l.id = old.id;
        l.name = old.name;
        l.shortName = old.shortName;
        l.weeklyHours = old.weeklyHours;
        l.divisible = old.divisible;
        l.pattern = setPattern(old.patternNumber, old.weeklyHours, l.blockCount,
                               where(DataFile::Lesson, i), report);
        keyed(db.lessons, std::move(l), DataFile::Lesson, i, report);
    }
    return success();
}

Status convertClasses(Database& db, const DataDir& earlier, LoadReport& report) {
    auto rows = readEarlier(earlier, DataFile::Class, earlierClassCodec(), report);
    if (!rows) return rows.error();
    for (std::size_t i = 0; i < rows.value().size(); ++i) {
        const EarlierClass& old = rows.value()[i];
        keyed(db.classes, SchoolClass{old.id, old.id, old.name, old.section}, DataFile::Class, i,
              report);
    }
    settleOrder(db.classes, DataFile::Class, report);
    return success();
}

Status convertTeachers(Database& db, const DataDir& earlier, LoadReport& report) {
    auto rows = readEarlier(earlier, DataFile::Teacher, earlierTeacherCodec(), report);
    if (!rows) return rows.error();
    for (std::size_t i = 0; i < rows.value().size(); ++i) {
        const EarlierTeacher& old = rows.value()[i];
        keyed(db.teachers,
              Teacher{old.id, old.id, old.name, old.branch, old.homeroomClass, old.club},
              DataFile::Teacher, i, report);
    }
    settleOrder(db.teachers, DataFile::Teacher, report);
    return success();
}

Status convertClassLessons(Database& db, const DataDir& earlier, LoadReport& report) {
    auto rows = readEarlier(earlier, DataFile::ClassLesson, earlierClassLessonCodec(), report);
    if (!rows) return rows.error();
    for (std::size_t i = 0; i < rows.value().size(); ++i) {
        const EarlierClassLesson& old = rows.value()[i];
        const std::string who = where(DataFile::ClassLesson, i);
        const Lesson* lesson = db.lessons.find(old.lessonId);
        if (!db.classes.contains(old.classId) || !lesson ||
            db.classLessons.contains(old.classId, old.lessonId)) {
            report.notes.push_back(who + "olmayan sınıf veya ders ya da tekrar, atlandı");
            continue;
        }
        ClassLesson r;
        r.classId = old.classId;
        r.lessonId = old.lessonId;
        r.divisible = old.divisible;
        r.pattern = setPattern(old.patternNumber, lesson->weeklyHours, r.blockCount, who, report);
        db.classLessons.append(r);
    }
    return success();
}

Status convertAssignments(Database& db, const DataDir& earlier, LoadReport& report) {
    auto rows = readEarlier(earlier, DataFile::TeacherLesson, teacherLessonCodec(), report);
    if (!rows) return rows.error();
    std::map<std::tuple<Id, Id, Id>, bool> seen;
    std::map<std::pair<Id, Id>, int> perClassLesson;
    for (std::size_t i = 0; i < rows.value().size(); ++i) {
        const TeacherLesson& r = rows.value()[i];
        const bool sound = db.teachers.contains(r.teacherId) &&
                           db.classLessons.contains(r.classId, r.lessonId) &&
                           !seen[{r.teacherId, r.classId, r.lessonId}] &&
                           perClassLesson[{r.classId, r.lessonId}] < kMaxTeachersPerClassLesson;
        if (!sound) {
            report.notes.push_back(where(DataFile::TeacherLesson, i) +
                                   "olmayan öğretmen veya sınıf dersi, tekrar ya da fazla "
                                   "öğretmen, atlandı");
            continue;
        }
        seen[{r.teacherId, r.classId, r.lessonId}] = true;
        ++perClassLesson[{r.classId, r.lessonId}];
        db.teacherLessons.push_back(r);
    }
    return success();
}

} // namespace

Pattern patternFromNumber(u8 number, u8 weeklyHours, bool& mended) {
    mended = number != 0;
    if (weeklyHours == 0) return {};
    Pattern p{};
    const std::string digits = std::to_string(number);
    bool fits = number != 0;
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const u8 block = static_cast<u8>(digits[i] - '0');
        if (block == 0 || (i > 0 && block > p[i - 1])) fits = false;
        p[i] = block;
        sum += block;
    }
    mended = !(fits && sum == weeklyHours);
    if (!mended) return p;
    const int blocks = std::min(kPatternSize, (weeklyHours + 1) / 2);
    p = {};
    for (int i = 0; i < blocks; ++i)
        p[i] = static_cast<u8>(weeklyHours / blocks + (i < weeklyHours % blocks ? 1 : 0));
    return p;
}

bool importNeeded(const DataDir& earlier, const DataDir& work) {
    for (DataFile f : kMainFiles) {
        if (!isFile(earlier.file(f))) return false;
        std::error_code ec;
        if (fs::exists(work.file(f), ec) || ec) return false;
    }
    for (DataFile f : kLoadOrder)
        if (holdsBytes(work.file(f))) return false;
    return true;
}

Result<bool> importEarlierData(const DataDir& earlier, const DataDir& work, LoadReport& report) {
    if (!importNeeded(earlier, work)) return false;
    Database db;
    for (auto convert :
         {convertLessons, convertClasses, convertTeachers, convertClassLessons, convertAssignments})
        if (auto s = convert(db, earlier, report); !s) return s.error();
    listImportedTeachers(db);
    createMissingTimetables(db);
    if (auto s = importTimetableSettings(db, earlier, report); !s) return s.error();
    // One write: a failure leaves the working directory empty, so the next start imports.
    if (auto s = saveTables(db, work,
                            {DataFile::Lesson, DataFile::Class, DataFile::Teacher,
                             DataFile::ClassLesson, DataFile::TeacherLesson,
                             DataFile::TeacherTimetable, DataFile::ClassTimetable});
        !s)
        return s.error();
    return true;
}

ImportHook earlierDataImport(DataDir earlier) {
    ImportHook hook;
    hook.import = [earlier](Database&, const DataDir& work) -> Result<bool> {
        LoadReport report;
        return importEarlierData(earlier, work, report);
    };
    return hook;
}

} // namespace zs::maintenance
