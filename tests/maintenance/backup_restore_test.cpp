// Backup from memory, the floppy checks, and the all-or-nothing restore.
#include "core/data_files.h"
#include "core/startup.h"
#include "maintenance/backup.h"
#include "maintenance/backup_place.h"
#include "maintenance/backup_set.h"
#include "maintenance/restore.h"
#include "sample/sample_school.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>

namespace zs::maintenance {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// Every regular file under a folder, with its bytes.
std::map<std::string, Bytes> snapshot(const fs::path& folder) {
    std::map<std::string, Bytes> out;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file())
            out[fs::relative(e.path(), folder).string()] = *readFileIfExists(e.path()).value();
    return out;
}

Database loaded(const DataDir& dir) {
    Database db;
    LoadReport report;
    EXPECT_TRUE(loadWorkingDirectory(db, dir, report));
    return db;
}

TEST(Backup, WritesEveryTableAsItsDataFile) {
    for (int classes : {0, 6}) {
        TempDir work, target;
        if (classes) {
            ASSERT_TRUE(sched::writeSampleSchool(DataDir(work.path()), {classes, 3}));
        }
        const Database db = loaded(DataDir(work.path()));
        ASSERT_TRUE(backupTables(db, target.path()));
        for (DataFile f : kBackupOrder) {
            const Bytes backup = target.read(backupName(f));
            EXPECT_EQ(backup, work.read(fileName(f))) << backupName(f);
        }
        EXPECT_EQ(snapshot(target.path()).size(), kBackupOrder.size());
    }
}

TEST(BackupPlace, FloppyChecksTellTheirNotices) {
    TempDir disk, lessonsOnly;
    lessonsOnly.write("lesson.ydk", {});
    struct Case {
        BackupPlace place;
        PlaceVerdict backup, restore;
    } cases[] = {
        {{disk / "nowhere", false, false}, PlaceVerdict::Ready, PlaceVerdict::Ready},
        {{fs::path(), true, false}, PlaceVerdict::NoDisk, PlaceVerdict::NoDisk},
        {{disk / "nowhere", true, false}, PlaceVerdict::NoDisk, PlaceVerdict::NoDisk},
        {{disk.path(), true, true},
         PlaceVerdict::WriteProtected,
         PlaceVerdict::LessonBackupMissing},
        {{disk.path(), true, false}, PlaceVerdict::Ready, PlaceVerdict::LessonBackupMissing},
        {{lessonsOnly.path(), true, false}, PlaceVerdict::Ready, PlaceVerdict::Ready},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkBeforeBackup(c.place), c.backup) << c.place.folder;
        EXPECT_EQ(checkBeforeRestore(c.place), c.restore) << c.place.folder;
    }
    EXPECT_TRUE(snapshot(disk.path()).empty()); // the write probe leaves nothing behind
    EXPECT_STREQ(placeNotice(PlaceVerdict::LessonBackupMissing), "LESSON.YDK dosyası bulunamadı.");
}

TEST(Restore, PartialBackupReplacesOnlyItsFilesAndKeepsThePrevious) {
    TempDir work, backup;
    const DataDir dir(work.path());
    ASSERT_TRUE(sched::writeSampleSchool(dir, {6, 1}));
    Database db = loaded(dir);
    const auto before = snapshot(work.path());
    db.lessons.rows[0].name = "YENİ AD";
    db.teacherDuties.clear();
    for (DutyPlace& p : db.dutyPlaces.rows) p.dutyCount = {};
    backup.write("LESSON.YDK", encodeTable(db, DataFile::Lesson));
    backup.write("DUTY.YDK", encodeTable(db, DataFile::Duty));
    backup.write("TEDU.YDK", {});

    auto r = restoreBackup(backup.path(), dir);
    ASSERT_TRUE(r);
    ASSERT_EQ(r.value().verdict, RestoreVerdict::Restored);
    EXPECT_EQ(r.value().restored,
              (std::vector{DataFile::Lesson, DataFile::Duty, DataFile::TeacherDuty}));
    EXPECT_EQ(work.read("LESSON.PRG"), backup.read("LESSON.YDK"));
    EXPECT_TRUE(work.read("TEDU.PRG").empty());
    for (const auto& [name, bytes] : before)
        if (name != "LESSON.PRG" && name != "DUTY.PRG" && name != "TEDU.PRG") {
            EXPECT_EQ(work.read(name), bytes) << name;
        }

    // The previous set holds the replaced files only and undoes the restore.
    const fs::path previous = r.value().previousSet;
    EXPECT_EQ(previous.parent_path(), work.path());
    EXPECT_EQ(snapshot(previous).size(), 3u);
    ASSERT_TRUE(restoreBackup(previous, dir));
    for (const auto& [name, bytes] : before) EXPECT_EQ(work.read(name), bytes) << name;
}

TEST(Restore, DamagedOrForeignSetIsRefusedAndNothingChanges) {
    TempDir work;
    const DataDir dir(work.path());
    ASSERT_TRUE(sched::writeSampleSchool(dir, {4, 2}));
    const Database db = loaded(dir);
    Bytes lessons = encodeTable(db, DataFile::Lesson);
    Bytes truncated(lessons.begin(), lessons.end() - 1);
    Bytes zeroId = lessons;
    zeroId[0] = 0;
    Database other;
    sched::buildSampleSchool(other, {9, 7});
    const std::map<std::string, Bytes> sets[] = {
        {{"LESSON.YDK", truncated}},
        {{"LESSON.YDK", zeroId}},
        {{"CLASS.YDK", {}}}, // the class lessons would point at no class
        {{"CLLE.YDK", encodeTable(other, DataFile::ClassLesson)}},
    };
    const auto before = snapshot(work.path());
    for (const auto& set : sets) {
        TempDir backup;
        for (const auto& [name, bytes] : set) backup.write(name, bytes);
        auto r = restoreBackup(backup.path(), dir);
        ASSERT_TRUE(r);
        EXPECT_EQ(r.value().verdict, RestoreVerdict::Refused) << set.begin()->first;
        EXPECT_FALSE(r.value().reasons.empty());
        EXPECT_EQ(snapshot(work.path()), before) << set.begin()->first;
    }
}

TEST(Restore, FolderWithoutBackupFilesChangesNothing) {
    TempDir work, empty;
    ASSERT_TRUE(sched::writeSampleSchool(DataDir(work.path()), {2, 1}));
    const auto before = snapshot(work.path());
    auto r = restoreBackup(empty.path(), DataDir(work.path()));
    ASSERT_TRUE(r);
    EXPECT_EQ(r.value().verdict, RestoreVerdict::NothingToRestore);
    EXPECT_EQ(snapshot(work.path()), before);
}

} // namespace
} // namespace zs::maintenance
