#include "stored_copies.h"

#include "core/cp1254.h"
#include "rules/grid_check.h"

#include <algorithm>
#include <memory>
#include <set>

namespace zs::sched {

namespace {

struct Copy {
    const char* name;
    DataFile file;
};

constexpr Copy kCopies[] = {{kTeacherCopy, DataFile::TeacherTimetable},
                            {kClassCopy, DataFile::ClassTimetable},
                            {kRoomCopy, DataFile::RoomTimetable}};

// Stored records replace the records of the same identifier; records added since keep
// their grids, stored records of what is gone are skipped.
template <class T> void takeOver(Table<T>& now, const Table<T>& stored) {
    for (T& r : now.rows)
        if (const T* s = stored.find(recordId(r))) r = *s;
}

std::set<std::string> faults(const Database& db) {
    const auto lines = findDataFaults(db);
    return {lines.begin(), lines.end()};
}

RestoreOutcome refused(RestoreVerdict v, const char* utf8) {
    return {v, cp1254::lit(utf8)};
}

} // namespace

Status storeCopies(const Database& db, const DataDir& dir) {
    WriteBatch batch;
    for (const Copy& c : kCopies) batch.add(dir.file(c.name), encodeTable(db, c.file));
    return batch.commit();
}

Result<RestoreOutcome> restoreCopies(Database& db, const DataDir& dir) {
    auto stored = std::make_unique<Database>();
    LoadReport report;
    int found = 0;
    for (const Copy& c : kCopies) {
        auto bytes = readFileIfExists(dir.file(c.name), maxFileSize(c.file));
        if (!bytes) return bytes.error();
        if (!bytes.value()) continue; // that kind of timetable stays as it is
        ++found;
        decodeTable(*stored, c.file, *bytes.value(), report);
    }
    if (found == 0)
        return refused(RestoreVerdict::Missing,
                       "Saklanmış program bulunamadı. Önce SAKLA ile programı saklayın.");
    if (!report.notes.empty())
        return refused(RestoreVerdict::Mismatch,
                       "Saklanmış program dosyaları bozuk. Değişiklikler geri alınmadı.");

    auto result = std::make_unique<Database>(db);
    takeOver(result->teacherTimetables, stored->teacherTimetables);
    takeOver(result->classTimetables, stored->classTimetables);
    takeOver(result->roomTimetables, stored->roomTimetables);
    // Faults the tables already had are not the copies' doing; any other one is.
    const auto before = faults(db);
    const auto after = faults(*result);
    if (!std::includes(before.begin(), before.end(), after.begin(), after.end()))
        return refused(RestoreVerdict::Inconsistent, "Saklanmış program bugünkü derslere uymuyor. "
                                                     "Değişiklikler geri alınmadı.");
    db.teacherTimetables = std::move(result->teacherTimetables);
    db.classTimetables = std::move(result->classTimetables);
    db.roomTimetables = std::move(result->roomTimetables);
    return RestoreOutcome{};
}

} // namespace zs::sched
