#include "core/cp1254.h"
#include "core/entities.h"
#include "core/intent_record.h"
#include "core/settings_file.h"
#include "core/startup.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::TempDir;

TEST(Startup, EmptyWorkingDirectoryGetsEveryFile) {
    TempDir dir;
    Database db;
    LoadReport report;
    ASSERT_TRUE(loadWorkingDirectory(db, DataDir(dir.path()), report));
    for (DataFile f : kLoadOrder) {
        ASSERT_TRUE(std::filesystem::exists(dir / fileName(f))) << fileName(f);
        EXPECT_EQ(std::filesystem::file_size(dir / fileName(f)), 0u);
    }
    EXPECT_EQ(dir.read("OPTION.PRG"), encodeSettings(Settings{}));
    EXPECT_EQ(dir.read("ADD.PRG"), Bytes(250, 0));
}

TEST(Startup, TeachersWithoutTimetablesGetFreshOnes) {
    TempDir dir;
    const DataDir dd(dir.path());
    Database db;
    addTeacher(db, 3, "A", "", "", "");
    addTeacher(db, 1, "B", "", "", "");
    addSchoolClass(db, 2, "9", "A");
    addRoom(db, 5, "LAB");
    ASSERT_TRUE(saveTables(db, dd, {DataFile::Teacher, DataFile::Class, DataFile::Room}));
    Database loaded;
    LoadReport report;
    ASSERT_TRUE(loadWorkingDirectory(loaded, dd, report));
    ASSERT_EQ(loaded.teacherTimetables.count(), 2);
    EXPECT_EQ(loaded.teacherTimetables.rows[0].teacherId, 3);
    EXPECT_EQ(loaded.teacherTimetables.rows[1].teacherId, 1);
    EXPECT_EQ(loaded.teacherTimetables.rows[0].planes[kOpenPlane][79], 1);
    EXPECT_TRUE(loaded.classTimetables.contains(2));
    EXPECT_TRUE(loaded.roomTimetables.contains(5));
    // Held in memory only until the next save of those files.
    EXPECT_EQ(std::filesystem::file_size(dir / "TPS.PRG"), 0u);
}

TEST(Startup, ReloadingStartsCleanAndTakesTheNewSettings) {
    TempDir a, b;
    Database db;
    addLesson(db, 1, 0, 1, {1, 0, 0, 0, 0}, "", "X", 1);
    ASSERT_TRUE(saveTables(db, DataDir(a.path()), {DataFile::Lesson}));
    Settings other;
    other.searchLevel = 33;
    ASSERT_TRUE(saveSettings(DataDir(b.path()), other));
    Bytes flags(250, 0);
    flags[4] = 1;
    b.write("ADD.PRG", flags);

    Database loaded;
    LoadReport report;
    ASSERT_TRUE(loadWorkingDirectory(loaded, DataDir(a.path()), report));
    ASSERT_TRUE(loadWorkingDirectory(loaded, DataDir(a.path()), report));
    EXPECT_EQ(loaded.lessons.count(), 1);
    ASSERT_TRUE(loadWorkingDirectory(loaded, DataDir(b.path()), report));
    EXPECT_EQ(loaded.lessons.count(), 0);
    EXPECT_EQ(loaded.settings.searchLevel, 33);
    EXPECT_EQ(loaded.annexFlags[5], 1);
    EXPECT_EQ(loaded.annexFlags[255], 0);
}

TEST(Startup, PathFileHoldsTheDosTextByteForByte) {
    TempDir dir;
    auto first = readPathFile(dir.path());
    ASSERT_TRUE(first);
    EXPECT_EQ(first.value(), "C:\\Zamanseri\\");
    const Bytes b = dir.read("PATH.PRG");
    ASSERT_EQ(b.size(), 81u);
    EXPECT_EQ(b[0], 13);
    EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 14), "C:\\Zamanseri\\");

    const std::string turkish = cp1254::lit("D:\\OKUL\\ŞUBAT\\");
    ASSERT_TRUE(writePathFile(dir.path(), turkish));
    EXPECT_EQ(readPathFile(dir.path()).value(), turkish);
    // A damaged record never reads past its bytes.
    dir.write("PATH.PRG", Bytes{200, 'C', ':'});
    EXPECT_EQ(readPathFile(dir.path()).value(), "C:");
    // An empty record names no folder: the default, not the program's own folder.
    for (const Bytes& empty : {Bytes{}, Bytes(81, 0), Bytes{2, ' ', ' '}}) {
        dir.write("PATH.PRG", empty);
        EXPECT_EQ(readPathFile(dir.path()).value(), "C:\\Zamanseri\\");
    }
}

// A write of PATH.PRG cut short leaves its record in the per-user folder: the next
// start finishes it, and a change of directory writes past it.
TEST(Startup, APendingWriteOfThePathFileIsFinishedBeforeItIsRead) {
    const std::string first = "D:\\BIR\\", second = "D:\\IKI\\";
    for (bool existed : {false, true}) {
        TempDir dir;
        if (existed) dir.write("PATH.PRG", encodePathRecord(first));
        const Bytes next = encodePathRecord(second);
        dir.write("PATH.PRG.5-1.yeni", next);
        if (existed) dir.write("PATH.PRG.5-1.eski", encodePathRecord(first));
        dir.write(kIntentFile,
                  encodeIntent({false,
                                {{"PATH.PRG", "PATH.PRG.5-1.yeni",
                                  existed ? "PATH.PRG.5-1.eski" : "", contentSum(next)}}}));
        auto read = readPathFile(dir.path());
        ASSERT_TRUE(read) << read.error().message;
        EXPECT_EQ(read.value(), second);
        dir.write(kIntentFile, encodeIntent({false, {{"PATH.PRG", "PATH.PRG.6-1.yeni", "", {}}}}));
        ASSERT_TRUE(writePathFile(dir.path(), first));
        EXPECT_EQ(readPathFile(dir.path()).value(), first);
        EXPECT_FALSE(std::filesystem::exists(dir / kIntentFile));
    }
}

// A folder that cannot be written is read as it is, and every write into it is refused
// with the reason, before anything is touched.
TEST(Startup, AReadOnlyLoadWritesNothingAndWritesAreRefusedWithTheReason) {
    TempDir dir;
    Database db;
    Lesson history;
    history.id = 3;
    db.lessons.append(history);
    ASSERT_TRUE(saveTables(db, DataDir(dir.path()), {DataFile::Lesson}));
    Database read;
    LoadReport report;
    ASSERT_TRUE(loadWorkingDirectory(read, DataDir(dir.path()), report, {}, true));
    EXPECT_EQ(read.lessons.count(), 1);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1u); // no missing file created, no settings written

    setReadOnlyFolder(dir.path(), "Bu dizin yazmaya karşı korumalı; yazılamıyor.");
    const Status refused = saveTables(read, DataDir(dir.path()), {DataFile::Class});
    setReadOnlyFolder({}, {});
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, "Bu dizin yazmaya karşı korumalı; yazılamıyor.");
    EXPECT_FALSE(std::filesystem::exists(dir / "CLASS.PRG"));
    EXPECT_TRUE(saveTables(read, DataDir(dir.path()), {DataFile::Class}));
}

TEST(Startup, AFailedLoadLeavesTheTablesAsTheyWere) {
    TempDir good, bad;
    Database db;
    addLesson(db, 1, 0, 1, {1, 0, 0, 0, 0}, "", "X", 1);
    ASSERT_TRUE(saveTables(db, DataDir(good.path()), {DataFile::Lesson}));
    std::filesystem::create_directory(bad / "TELE.PRG");
    Database loaded;
    LoadReport report;
    ASSERT_TRUE(loadWorkingDirectory(loaded, DataDir(good.path()), report));
    const Status s = loadWorkingDirectory(loaded, DataDir(bad.path()), report);
    ASSERT_FALSE(s);
    EXPECT_NE(s.error().path.find("TELE.PRG"), std::string::npos);
    EXPECT_EQ(loaded.lessons.count(), 1);
}

TEST(Startup, WorkDirTextGetsItsFinalBackslash) {
    struct Case {
        std::string typed, stored;
    } cases[] = {
        {"C:\\Okul", "C:\\Okul\\"},
        {"C:\\Okul\\", "C:\\Okul\\"},
        {"C:\\Okul  ", "C:\\Okul\\"},
        {"", ""},
        {std::string(85, 'a'), std::string(79, 'a') + "\\"},
    };
    for (const auto& c : cases) EXPECT_EQ(normaliseWorkDirText(c.typed), c.stored) << c.typed;
}

TEST(Startup, ClearAllEmptiesEveryDataFileButTheSettings) {
    TempDir dir;
    const DataDir dd(dir.path());
    Database db;
    LoadReport report;
    ASSERT_TRUE(loadWorkingDirectory(db, dd, report));
    addTeacher(db, 1, "A", "", "", "");
    addTeacherTimetable(db, 1);
    ASSERT_TRUE(saveTables(db, dd, {DataFile::Teacher, DataFile::TeacherTimetable}));
    const Bytes settings = dir.read("OPTION.PRG");
    ASSERT_TRUE(clearAllData(db, dd));
    EXPECT_TRUE(db.teachers.empty());
    for (DataFile f : kClearOrder) EXPECT_EQ(std::filesystem::file_size(dir / fileName(f)), 0u);
    EXPECT_EQ(dir.read("OPTION.PRG"), settings);
}

TEST(Startup, AnnexReceivesLessonsOnlyWhenItHasNone) {
    TempDir main, annex;
    const Bytes lessons(48, 1);
    main.write("LESSON.PRG", lessons);
    ASSERT_TRUE(shareLessonsWithAnnex(DataDir(main.path()), DataDir(annex.path())));
    EXPECT_EQ(annex.read("LESSON.PRG"), lessons);
    const Bytes own(96, 2);
    annex.write("LESSON.PRG", own);
    ASSERT_TRUE(shareLessonsWithAnnex(DataDir(main.path()), DataDir(annex.path())));
    EXPECT_EQ(annex.read("LESSON.PRG"), own);
}

} // namespace
} // namespace zs
