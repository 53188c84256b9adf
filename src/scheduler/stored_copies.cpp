#include "stored_copies.h"

#include "core/cp1254.h"
#include "core/integrity.h"
#include "rules/grid_check.h"

#include <algorithm>
#include <memory>

namespace zs::sched {

namespace {

struct Copy {
    const char* name;
    DataFile file;
};

constexpr Copy kCopies[] = {{kTeacherCopy, DataFile::TeacherTimetable},
                            {kClassCopy, DataFile::ClassTimetable},
                            {kRoomCopy, DataFile::RoomTimetable}};

// Exactly one stored record for each record in memory, and none besides.
template <class T> bool sameIds(const Table<T>& now, const Table<T>& stored) {
    if (now.count() != stored.count()) return false;
    for (const T& r : now.rows)
        if (std::count_if(stored.rows.begin(), stored.rows.end(),
                          [&](const T& s) { return recordId(s) == recordId(r); }) != 1)
            return false;
    return true;
}

template <class T> void takeOver(Table<T>& now, const Table<T>& stored) {
    for (T& r : now.rows) r = *stored.find(recordId(r));
}

std::size_t faults(const Database& db) {
    return checkReferences(db).size() + checkGridConsistency(db).size();
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
    for (const Copy& c : kCopies) {
        auto bytes = readFileIfExists(dir.file(c.name));
        if (!bytes) return bytes.error();
        if (!bytes.value())
            return refused(RestoreVerdict::Missing,
                           "Saklanmış program bulunamadı. Önce SAKLA ile programı saklayın.");
        decodeTable(*stored, c.file, *bytes.value(), report);
    }
    if (!report.notes.empty() || !sameIds(db.teacherTimetables, stored->teacherTimetables) ||
        !sameIds(db.classTimetables, stored->classTimetables) ||
        !sameIds(db.roomTimetables, stored->roomTimetables))
        return refused(RestoreVerdict::Mismatch,
                       "Saklanmış program bugünkü öğretmen, sınıf ve dersliklere uymuyor. "
                       "Değişiklikler geri alınmadı.");

    auto result = std::make_unique<Database>(db);
    takeOver(result->teacherTimetables, stored->teacherTimetables);
    takeOver(result->classTimetables, stored->classTimetables);
    takeOver(result->roomTimetables, stored->roomTimetables);
    // Faults the tables already had are not the copies' doing.
    if (faults(*result) > faults(db))
        return refused(RestoreVerdict::Inconsistent, "Saklanmış program bugünkü derslere uymuyor. "
                                                     "Değişiklikler geri alınmadı.");
    db.teacherTimetables = std::move(result->teacherTimetables);
    db.classTimetables = std::move(result->classTimetables);
    db.roomTimetables = std::move(result->roomTimetables);
    return RestoreOutcome{};
}

} // namespace zs::sched
