// The import of hand-built records of the earlier version.
#include "core/integrity.h"
#include "maintenance/earlier_data.h"
#include "support/fault_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zs::maintenance {
namespace {

using test::TempDir;

struct OldFile {
    std::size_t size;
    Bytes bytes;

    // One more record, all zero but the given (offset, bytes) runs.
    OldFile& record(std::initializer_list<std::pair<std::size_t, std::string>> runs) {
        Bytes r(size, 0);
        for (const auto& [offset, run] : runs)
            std::memcpy(r.data() + offset, run.data(), run.size());
        bytes.insert(bytes.end(), r.begin(), r.end());
        return *this;
    }
};

std::string b(std::initializer_list<u8> v) {
    return std::string(v.begin(), v.end());
}
std::string text(const std::string& s) {
    return char(s.size()) + s;
}

// Lessons 1 (5 hours, 3+2) and 2 (6 hours given as 1+2+3); classes 1 to 4 and one with
// identifier 0; teachers 1 and 2; class lessons (1,1) and one of a class that does not
// exist; teachers 1 and 2 on (1,1) and one unknown teacher; class 1's Monday from 2 to 7;
// teacher 1's Monday hour 3 closed and empty, hour 5 closed under a placement.
void writeEarlierSchool(const TempDir& old) {
    old.write("LESSON.PRG",
              OldFile{44, {}}
                  .record({{0, b({1})},
                           {1, text("MATEMATİK")},
                           {32, text("MAT")},
                           {37, b({5, 1})},
                           {40, b({32})}})
                  .record({{0, b({2})}, {1, text("FİZİK")}, {37, b({6})}, {40, b({123})}})
                  .bytes);
    OldFile classes{10, {}};
    for (u8 id : {1, 2, 3, 4}) classes.record({{0, b({id})}, {1, text("9")}, {6, text("A")}});
    classes.record({{0, b({0})}, {1, text("X")}});
    old.write("CLASS.PRG", classes.bytes);
    old.write("TEACHER.PRG", OldFile{86, {}}
                                 .record({{0, b({1})}, {1, text("AYŞE")}, {54, text("SATRANÇ")}})
                                 .record({{0, b({2})}, {1, text("ALİ")}})
                                 .bytes);
    old.write(
        "CLLE.PRG",
        OldFile{8, {}}.record({{0, b({1, 1, 1})}, {4, b({32})}}).record({{0, b({9, 1})}}).bytes);
    old.write("TELE.PRG", Bytes{1, 1, 1, 2, 1, 1, 7, 1, 1});
    old.write("CPS.PRG", OldFile{496, {}}.record({{0, b({1})}, {2, b({2})}, {7, b({7})}}).bytes);
    Bytes open(80, 1);
    open[2] = 0;
    open[4] = 0;
    Bytes placed(80, 0);
    placed[4] = 3;
    old.write("TPS.PRG", OldFile{524, {}}
                             .record({{0, b({1})},
                                      {39, std::string(open.begin(), open.end())},
                                      {119, std::string(placed.begin(), placed.end())}})
                             .bytes);
}

TEST(EarlierData, ImportAtStartTakesOverRecordsAndTimetableSettings) {
    TempDir old, work;
    writeEarlierSchool(old);
    Database db;
    LoadReport report;
    ASSERT_TRUE(loadWorkingDirectory(db, DataDir(work.path()), report,
                                     earlierDataImport(DataDir(old.path()))));

    const Lesson& math = *db.lessons.find(1);
    EXPECT_EQ(math.name, "MATEMATİK");
    EXPECT_EQ(math.shortName, "MAT");
    EXPECT_EQ(math.pattern, (Pattern{3, 2, 0, 0, 0}));
    EXPECT_EQ(math.blockCount, 2);
    EXPECT_EQ(math.groupId, 0);
    EXPECT_EQ(db.lessons.find(2)->pattern, (Pattern{2, 2, 2, 0, 0})); // 1+2+3 does not fit
    ASSERT_EQ(db.classes.count(), 4);
    EXPECT_EQ(db.classes.find(4)->order, 4);
    EXPECT_EQ(db.teachers.find(1)->club, "SATRANÇ");
    ASSERT_EQ(db.classLessons.count(), 1);
    const ClassLesson& cl = *db.classLessons.find(1, 1);
    EXPECT_EQ(cl.pattern, (Pattern{3, 2, 0, 0, 0}));
    EXPECT_EQ(cl.teacherCount, 2);
    EXPECT_EQ(cl.teachers[1], 2);
    EXPECT_EQ(db.teacherLessons.size(), 2u);
    EXPECT_EQ(work.read("CLLE.PRG").at(4), 2); // the teacher list reached the file

    const ClassTimetable& grid = *db.classTimetables.find(1);
    EXPECT_EQ(grid.firstHour[0], 2);
    EXPECT_EQ(grid.lastHour[0], 7);
    EXPECT_EQ(grid.freeOnDay[0], 6);
    const Plane& teacherOpen = db.teacherTimetables.find(1)->planes[kOpenPlane];
    EXPECT_EQ(teacherOpen[2], 0);
    EXPECT_EQ(teacherOpen[4], 1);
    EXPECT_EQ(teacherOpen[5], 1);
    EXPECT_TRUE(checkReferences(db).empty());
}

// A start that fails at any call of the import writes nothing the next start would take
// for data of its own: the next start imports, and gives the same files as a clean one.
TEST(EarlierData, AnImportFaultedAtAnyCallIsDoneWholeByTheNextStart) {
    test::preferMemoryFolders();
    TempDir old, reference;
    writeEarlierSchool(old);
    auto start = [&](const TempDir& work) {
        return [&] {
            Database db;
            LoadReport report;
            return loadWorkingDirectory(db, DataDir(work.path()), report,
                                        earlierDataImport(DataDir(old.path())));
        };
    };
    ASSERT_TRUE(start(reference)());
    const long calls = test::callsOf(start(TempDir()));
    for (long at = 1; at <= calls; ++at) {
        TempDir work;
        (void)test::runWithFault(start(work), at, false);
        ASSERT_TRUE(start(work)()) << at;
        for (DataFile f : kLoadOrder)
            EXPECT_EQ(work.read(fileName(f)), reference.read(fileName(f))) << at << fileName(f);
    }
}

TEST(EarlierData, NoImportIntoAWorkingDirectoryThatHoldsData) {
    struct Case {
        const char* file;
        Bytes bytes;
    } cases[] = {{"LESSON.PRG", {}}, {"TPS.PRG", Bytes(464, 1)}, {"Clle.prg", {}}};
    for (const auto& c : cases) {
        TempDir old, work;
        writeEarlierSchool(old);
        work.write(c.file, c.bytes);
        LoadReport report;
        auto imported = importEarlierData(DataDir(old.path()), DataDir(work.path()), report);
        ASSERT_TRUE(imported);
        EXPECT_FALSE(imported.value()) << c.file;
        EXPECT_FALSE(std::filesystem::exists(work / "CLASS.PRG")) << c.file;
    }
    TempDir missing, work;
    EXPECT_FALSE(importNeeded(DataDir(missing.path()), DataDir(work.path())));
}

TEST(EarlierData, PatternNumberGivesOneBlockPerDigit) {
    struct Case {
        u8 number, hours;
        Pattern pattern;
        bool mended;
    } cases[] = {
        {32, 5, {3, 2}, false},
        {221, 5, {2, 2, 1}, false},
        {3, 3, {3}, false},
        {0, 0, {}, false},
        {123, 6, {2, 2, 2}, true},
        {205, 7, {2, 2, 2, 1}, true},
        {4, 12, {3, 3, 2, 2, 2}, true},
        {2, 0, {}, true},
    };
    for (const auto& c : cases) {
        bool mended = false;
        EXPECT_EQ(patternFromNumber(c.number, c.hours, mended), c.pattern) << int(c.number);
        EXPECT_EQ(mended, c.mended) << int(c.number);
    }
}

} // namespace
} // namespace zs::maintenance
