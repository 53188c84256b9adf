// A backup is the whole school: every folder that loads comes back through a backup and
// a restore to the same data and settings bytes; the medium is recovered and locked; a
// fault at any call of a backup leaves the medium with the old set or the new one, as
// the backup reported, and a restore from it gives one whole school.
#include "core/dir_lock.h"
#include "core/startup.h"
#include "maintenance/backup.h"
#include "maintenance/backup_place.h"
#include "maintenance/backup_set.h"
#include "maintenance/restore.h"
#include "sample/sample_school.h"
#include "support/fault_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>

namespace zs::maintenance {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

constexpr const char* kHolder = "Zamanseri programı";

std::map<std::string, Bytes> schoolFiles(const TempDir& dir) {
    std::map<std::string, Bytes> out;
    for (DataFile f : kLoadOrder) out[fileName(f)] = dir.read(fileName(f));
    for (const char* name : kSettingsFiles) out[name] = dir.read(name);
    return out;
}

Database loaded(const TempDir& dir) {
    Database db;
    LoadReport report;
    EXPECT_TRUE(loadWorkingDirectory(db, DataDir(dir.path()), report));
    return db;
}

void appendTo(const TempDir& dir, const std::string& name, const Bytes& tail) {
    Bytes bytes = dir.read(name);
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    dir.write(name, bytes);
}

TEST(WholeSchool, EveryLoadableFolderComesBackThroughABackupByteForByte) {
    struct Case {
        const char* name;
        sched::SampleOptions school;
        std::function<void(const TempDir&)> damage;
    } cases[] = {
        {"a class missing", {1, 1}, [](const TempDir& d) { fs::remove(d / "CLASS.PRG"); }},
        {"an assignment of no teacher",
         {4, 7},
         [](const TempDir& d) {
             appendTo(d, "TELE.PRG", Bytes{250, 1, 1});
         }},
        {"small", {4, 2}, nullptr},
        {"large", {40, 5}, nullptr},
        {"half a record at the end",
         {6, 3},
         [](const TempDir& d) {
             appendTo(d, "LESSON.PRG", Bytes(20, 7));
             appendTo(d, "TPS.PRG", Bytes(3, 1));
         }},
        {"a class twice",
         {6, 4},
         [](const TempDir& d) {
             const Bytes classes = d.read("CLASS.PRG");
             appendTo(d, "CLASS.PRG",
                      Bytes(classes.end() - recordSize(DataFile::Class), classes.end()));
         }},
        {"short settings, long annex flags",
         {5, 6},
         [](const TempDir& d) {
             d.write("OPTION.PRG", Bytes(100, 1));
             appendTo(d, "ADD.PRG", Bytes(9, 2));
         }},
    };
    for (const auto& c : cases) {
        TempDir work, medium;
        ASSERT_TRUE(sched::writeSampleSchool(DataDir(work.path()), c.school)) << c.name;
        if (c.damage) c.damage(work);
        const Database db = loaded(work);
        const auto settings = std::pair{work.read("OPTION.PRG"), work.read("ADD.PRG")};
        auto backup = backupSchool(db, DataDir(work.path()), medium.path(), kHolder);
        ASSERT_TRUE(backup) << c.name << ": " << backup.error().message;
        EXPECT_TRUE(backup.value().refusals.empty()) << c.name;

        // Another school in its place, then the restore.
        ASSERT_TRUE(sched::writeSampleSchool(DataDir(work.path()), {9, 99}));
        auto restored = restoreBackup(medium.path(), DataDir(work.path()), kHolder);
        ASSERT_TRUE(restored) << c.name;
        ASSERT_EQ(restored.value().verdict, RestoreVerdict::Restored) << c.name;
        EXPECT_EQ(restored.value().restoredSettings.size(), 2u);
        for (DataFile f : kLoadOrder)
            EXPECT_EQ(work.read(fileName(f)), encodeTable(db, f)) << c.name << " " << fileName(f);
        EXPECT_EQ(work.read("OPTION.PRG"), settings.first) << c.name;
        EXPECT_EQ(work.read("ADD.PRG"), settings.second) << c.name;
        const Database back = loaded(work);
        for (DataFile f : kLoadOrder) EXPECT_EQ(encodeTable(back, f), encodeTable(db, f));
    }
}

TEST(WholeSchool, AnOlderSetWithoutSettingsKeepsTheCurrentOnes) {
    TempDir work, medium;
    ASSERT_TRUE(sched::writeSampleSchool(DataDir(work.path()), {4, 1}));
    ASSERT_TRUE(backupSchool(loaded(work), DataDir(work.path()), medium.path(), kHolder));
    fs::remove(medium / "OPTION.YDK");
    fs::remove(medium / "ADD.YDK");
    work.write("ADD.PRG", Bytes(250, 1));
    const auto settings = std::pair{work.read("OPTION.PRG"), work.read("ADD.PRG")};
    auto restored = restoreBackup(medium.path(), DataDir(work.path()), kHolder);
    ASSERT_TRUE(restored && restored.value().verdict == RestoreVerdict::Restored);
    EXPECT_TRUE(restored.value().restoredSettings.empty());
    EXPECT_EQ(work.read("OPTION.PRG"), settings.first);
    EXPECT_EQ(work.read("ADD.PRG"), settings.second);
}

TEST(WholeSchool, ABackupThatARestoreWouldRefuseSaysSoBeforeItsNotice) {
    TempDir work, medium;
    ASSERT_TRUE(sched::writeSampleSchool(DataDir(work.path()), {4, 1}));
    Database db = loaded(work);
    db.teacherLessons.push_back({0, 1, 1}); // a record no load takes
    auto done = backupSchool(db, DataDir(work.path()), medium.path(), kHolder);
    ASSERT_TRUE(done);
    ASSERT_FALSE(done.value().refusals.empty());
    const std::string notice = backupNotice(done.value());
    EXPECT_NE(notice.find(done.value().refusals.front()), std::string::npos) << notice;
    EXPECT_EQ(notice.rfind(kBackupDoneNotice), notice.size() - std::strlen(kBackupDoneNotice));
}

TEST(WholeSchool, ASecondBackupToAHeldMediumIsRefusedNamingTheHolder) {
    TempDir work, medium;
    ASSERT_TRUE(sched::writeSampleSchool(DataDir(work.path()), {2, 1}));
    auto first = acquireDirLock(medium.path(), "zamanseri-tool backup");
    ASSERT_TRUE(first);
    auto second = backupSchool(loaded(work), DataDir(work.path()), medium.path(), kHolder);
    ASSERT_FALSE(second);
    EXPECT_NE(second.error().message.find("zamanseri-tool backup"), std::string::npos);
    EXPECT_FALSE(fs::exists(medium / "LESSON.YDK"));
}

// Backs school B up over school A's set with the Nth call faulted; then restores the
// medium into a fresh folder: it holds A or B whole, as the backup reported, and the next
// backup to the medium succeeds.
TEST(WholeSchool, ABackupFaultedAtEveryCallLeavesTheMediumWholeAsReported) {
    test::preferMemoryFolders();
    TempDir a, b;
    ASSERT_TRUE(sched::writeSampleSchool(DataDir(a.path()), {3, 1}));
    ASSERT_TRUE(sched::writeSampleSchool(DataDir(b.path()), {3, 2}));
    const Database schoolA = loaded(a), schoolB = loaded(b);
    const auto filesA = schoolFiles(a), filesB = schoolFiles(b);
    auto prepared = [&](const TempDir& medium) {
        ASSERT_TRUE(backupSchool(schoolA, DataDir(a.path()), medium.path(), kHolder));
    };
    auto backupB = [&](const TempDir& medium) {
        return [&] {
            auto r = backupSchool(schoolB, DataDir(b.path()), medium.path(), kHolder);
            return r ? success() : Status(r.error());
        };
    };
    TempDir probe;
    prepared(probe);
    const long calls = test::callsOf(backupB(probe));
    ASSERT_GT(calls, 60);
    int cases = 0;
    for (bool kill : {false, true})
        for (long at = 1; at <= calls; at += kill ? 2 : 1) {
            TempDir medium, work;
            prepared(medium);
            const auto run = test::runWithFault(backupB(medium), at, kill);
            auto restored = restoreBackup(medium.path(), DataDir(work.path()), kHolder);
            ASSERT_TRUE(restored) << at << ": " << restored.error().message;
            ASSERT_EQ(restored.value().verdict, RestoreVerdict::Restored) << at;
            const auto now = schoolFiles(work);
            const bool isB = now == filesB;
            EXPECT_TRUE(isB || now == filesA) << "call " << at << (kill ? " killed" : " failed");
            const bool unverified = run.message.find("geri okunamadı") != std::string::npos;
            if (!run.died && !unverified) {
                EXPECT_EQ(isB, run.ok) << "call " << at << ": " << run.message;
            }
            EXPECT_TRUE(backupSchool(schoolB, DataDir(b.path()), medium.path(), kHolder)) << at;
            ++cases;
        }
    RecordProperty("cases", cases);
}

} // namespace
} // namespace zs::maintenance
