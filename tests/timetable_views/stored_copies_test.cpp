#include "scheduler/changed_report.h"
#include "scheduler/stored_copies.h"
#include "support/temp_dir.h"
#include "views_school.h"

#include "core/data_files.h"
#include "core/integrity.h"
#include "rules/grid_check.h"

#include <gtest/gtest.h>

namespace zs::test {
namespace {

Bytes grids(const Database& db) {
    Bytes all;
    for (DataFile f :
         {DataFile::TeacherTimetable, DataFile::ClassTimetable, DataFile::RoomTimetable}) {
        const Bytes b = encodeTable(db, f);
        all.insert(all.end(), b.begin(), b.end());
    }
    return all;
}

TEST(StoredCopies, StoreChangeRestoreGivesBackTheSameBytes) {
    TempDir dir;
    auto db = viewsSchool();
    const TeacherLesson* tl = plainLesson(*db);
    ASSERT_NE(tl, nullptr);
    ASSERT_TRUE(Place(*db, freeSlot(*db, *tl), tl->classId, tl->lessonId));
    const Bytes before = grids(*db);
    ASSERT_TRUE(sched::storeCopies(*db, DataDir(dir.path())).ok());
    EXPECT_EQ(dir.read("TPS.OLD"), encodeTable(*db, DataFile::TeacherTimetable));

    const int slot = freeSlot(*db, *tl);
    ASSERT_TRUE(Place(*db, slot, tl->classId, tl->lessonId));
    EXPECT_EQ(sched::changedTeachers(*db, DataDir(dir.path())), std::vector<Id>{tl->teacherId});

    auto outcome = sched::restoreCopies(*db, DataDir(dir.path()));
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.value().verdict, sched::RestoreVerdict::Restored);
    EXPECT_EQ(grids(*db), before);
    EXPECT_TRUE(checkGridConsistency(*db).empty());
    EXPECT_TRUE(checkReferences(*db).empty());
    EXPECT_TRUE(sched::changedTeachers(*db, DataDir(dir.path())).empty());
}

TEST(StoredCopies, AddedRecordsKeepTheirGridsGoneOnesAreSkipped) {
    TempDir dir;
    auto db = viewsSchool();
    TeacherTimetable gone;
    gone.teacherId = 201;
    ASSERT_TRUE(db->teacherTimetables.append(gone));
    ASSERT_TRUE(sched::storeCopies(*db, DataDir(dir.path())).ok());
    db->teacherTimetables.erase(201);
    TeacherTimetable added;
    added.teacherId = 200;
    added.planes[kOpenPlane][5] = 1;
    ASSERT_TRUE(db->teacherTimetables.append(added));
    std::filesystem::remove(dir / "RPS.OLD"); // the rooms' grids stay as they are
    const TeacherLesson* tl = plainLesson(*db);
    ASSERT_TRUE(Place(*db, freeSlot(*db, *tl), tl->classId, tl->lessonId));

    auto outcome = sched::restoreCopies(*db, DataDir(dir.path()));
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.value().verdict, sched::RestoreVerdict::Restored);
    EXPECT_FALSE(db->teacherTimetables.contains(201));
    EXPECT_EQ(db->teacherTimetables.find(200)->planes[kOpenPlane][5], 1);
    EXPECT_TRUE(sched::changedTeachers(*db, DataDir(dir.path())).empty());
}

TEST(StoredCopies, RefusesARestoreThatTradesOneFaultForAnother) {
    TempDir dir;
    auto db = viewsSchool();
    auto& first = db->teacherTimetables.rows[0];
    auto& second = db->teacherTimetables.rows[1];
    ++first.placedHours; // the stored copy's fault
    ASSERT_TRUE(sched::storeCopies(*db, DataDir(dir.path())).ok());
    --first.placedHours;
    ++second.placedHours; // the fault the tables have now
    const Bytes now = grids(*db);
    auto outcome = sched::restoreCopies(*db, DataDir(dir.path()));
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.value().verdict, sched::RestoreVerdict::Inconsistent);
    EXPECT_EQ(grids(*db), now);
}

TEST(StoredCopies, RefusesWhenNoCopyIsThere) {
    TempDir dir;
    auto db = viewsSchool();
    auto outcome = sched::restoreCopies(*db, DataDir(dir.path()));
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.value().verdict, sched::RestoreVerdict::Missing);
}

TEST(ChangedTeachers, MissingCopyListsNobody) {
    TempDir dir;
    auto db = viewsSchool();
    EXPECT_TRUE(sched::changedTeachers(*db, DataDir(dir.path())).empty());
}

TEST(ChangedTeachers, StoredRecordOfAGoneTeacherIsSkipped) {
    auto db = viewsSchool();
    Bytes stored = encodeTable(*db, DataFile::TeacherTimetable);
    stored[0] = 251; // above the compared numbers
    stored[137] ^= 1;
    const Id first = db->teacherTimetables.rows[0].teacherId;
    const auto ids = sched::changedTeachers(*db, stored);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), first), 0);
}

} // namespace
} // namespace zs::test
