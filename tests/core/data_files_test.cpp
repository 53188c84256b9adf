#include "core/codecs.h"
#include "core/cp1254.h"
#include "core/data_files.h"
#include "core/entities.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::TempDir;

TEST(DataFiles, MissingFileIsCreatedEmpty) {
    TempDir dir;
    Database db;
    LoadReport report;
    ASSERT_TRUE(loadTable(db, DataDir(dir.path()), DataFile::Lesson, report));
    EXPECT_TRUE(std::filesystem::exists(dir / "LESSON.PRG"));
    EXPECT_EQ(std::filesystem::file_size(dir / "LESSON.PRG"), 0u);
    EXPECT_TRUE(db.lessons.empty());
}

TEST(DataFiles, IncompleteLastRecordIsDropped) {
    TempDir dir;
    Bytes b(100, 0);
    b[0] = 1;
    b[48] = 2;
    b[96] = 3;
    dir.write("LESSON.PRG", b);
    Database db;
    LoadReport report;
    ASSERT_TRUE(loadTable(db, DataDir(dir.path()), DataFile::Lesson, report));
    EXPECT_EQ(db.lessons.count(), 2);
    EXPECT_EQ(report.notes.size(), 1u);
}

TEST(DataFiles, NamesResolveWhateverTheirCase) {
    TempDir dir;
    Bytes b(22, 0);
    b[0] = 4;
    dir.write("group.prg", b);
    Database db;
    LoadReport report;
    ASSERT_TRUE(loadTable(db, DataDir(dir.path()), DataFile::Group, report));
    EXPECT_EQ(db.lessonGroups.count(), 1);
    ASSERT_TRUE(saveTables(db, DataDir(dir.path()), {DataFile::Group}));
    EXPECT_FALSE(std::filesystem::exists(dir / "GROUP.PRG"));
    EXPECT_EQ(dir.read("group.prg"), b);
}

TEST(DataFiles, SaveWritesTextFieldsAtFullCapacity) {
    TempDir dir;
    Database db;
    addLesson(db, 1, 0, 2, {2, 0, 0, 0, 0}, "MAT", cp1254::lit("MATEMATİK"), 1);
    ASSERT_TRUE(saveTables(db, DataDir(dir.path()), {DataFile::Lesson}));
    const Bytes b = dir.read("LESSON.PRG");
    ASSERT_EQ(b.size(), 48u);
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(b[1], 9);
    EXPECT_EQ(b[32], 3);
    EXPECT_EQ(b[33], 'M');
    EXPECT_EQ(b[38], 2);
    EXPECT_EQ(b[41], 1);
    EXPECT_EQ(b[43], 2);
}

TEST(DataFiles, EveryTableRoundTripsThroughItsFile) {
    TempDir dir;
    Database db;
    addLessonGroup(db, 2, "FEN");
    addLesson(db, 1, 2, 3, {2, 1, 0, 0, 0}, "FİZ", "FİZİK", 1);
    addSchoolClass(db, 1, "10", "B");
    addRoom(db, 4, "LAB");
    addTeacher(db, 6, "AYŞE", "FİZİK", "10-B", "FEN");
    addDutyPlace(db, 1, "BAHÇE");
    addClassLesson(db, 1, 1);
    addTeacherLesson(db, 6, 1, 1);
    addCommonGroup(db, 1);
    addTeacherDuty(db, 1, 6, 6);
    addTeacherTimetable(db, 6);
    addClassTimetable(db, 1);
    addRoomTimetable(db, 4);
    db.teacherTimetables.find(6)->planes[kOccupantPlane][10] = 1;
    std::vector<DataFile> all(kLoadOrder.begin(), kLoadOrder.end());
    const DataDir dd(dir.path());
    ASSERT_TRUE(saveTables(db, dd, all));
    Database back;
    LoadReport report;
    for (DataFile f : kLoadOrder) ASSERT_TRUE(loadTable(back, dd, f, report));
    EXPECT_TRUE(report.notes.empty());
    for (DataFile f : kLoadOrder)
        EXPECT_EQ(encodeTable(back, f), encodeTable(db, f)) << fileName(f);
    EXPECT_EQ(back.dutyPlaces.find(1)->dutyCount[5], 1);
}

TEST(DataFiles, DamagedFilesLoadWithoutCrashing) {
    TempDir dir;
    // Lessons: id 0, a duplicate, a name length of 255, a block count of 200.
    Bytes lessons(48 * 4, 0);
    lessons[0] = 0;
    lessons[48] = 5;
    lessons[49] = 255;
    lessons[48 + 41] = 200;
    lessons[96] = 5;
    lessons[144] = 6;
    lessons[144 + 32] = 255;
    dir.write("LESSON.PRG", lessons);
    // Class lessons: counts of 200.
    Bytes cl(42 * 2, 0);
    cl[0] = 1;
    cl[1] = 5;
    cl[4] = 200;
    cl[6] = 200;
    cl[3] = 200;
    cl[42] = 0;
    dir.write("CLLE.PRG", cl);
    Bytes groups(32, 0);
    groups[0] = 1;
    groups[1] = 200;
    dir.write("CMNO.PRG", groups);
    dir.write("TEDU.PRG", Bytes{1, 9, 1, 1, 0, 1, 0, 3, 1});
    dir.write("TELE.PRG", Bytes{0, 1, 5, 1, 1, 5, 2});
    dir.write("TPS.PRG", Bytes(464 * 2 + 7, 0));
    Database db;
    LoadReport report;
    const DataDir dd(dir.path());
    for (DataFile f : kLoadOrder) ASSERT_TRUE(loadTable(db, dd, f, report)) << fileName(f);
    EXPECT_EQ(db.lessons.count(), 2);
    EXPECT_EQ(db.lessons.find(5)->name.size(), 30u);
    EXPECT_EQ(db.lessons.find(5)->blockCount, 5);
    EXPECT_EQ(db.lessons.find(6)->shortName.size(), 4u);
    ASSERT_EQ(db.classLessons.count(), 1);
    EXPECT_EQ(db.classLessons.find(1, 5)->teacherCount, 15);
    EXPECT_EQ(db.classLessons.find(1, 5)->roomCount, 15);
    EXPECT_EQ(db.classLessons.find(1, 5)->blockCount, 5);
    EXPECT_EQ(db.commonGroups.find(1)->memberCount, 15);
    EXPECT_EQ(db.teacherDuties.size(), 0u);
    EXPECT_EQ(db.teacherLessons.size(), 1u);
    EXPECT_EQ(db.teacherTimetables.count(), 0); // both records carry teacher 0
    EXPECT_GE(report.notes.size(), 10u);
}

TEST(DataFiles, UnreadableExistingFileIsAnErrorNotEmptied) {
    TempDir dir;
    std::filesystem::create_directory(dir / "TEACHER.PRG"); // exists, cannot be read as a file
    Database db;
    LoadReport report;
    EXPECT_FALSE(loadTable(db, DataDir(dir.path()), DataFile::Teacher, report));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "TEACHER.PRG"));
}

} // namespace
} // namespace zs
