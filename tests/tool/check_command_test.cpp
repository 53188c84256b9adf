// zamanseri-tool check over sound, damaged and unreadable folders.
#include "core/data_files.h"
#include "core/dir_lock.h"
#include "core/entities.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::TempDir;

using test::ToolRun;

ToolRun runTool(const std::string& arguments) {
    return test::runTool(ZS_TOOL, arguments);
}

ToolRun check(const std::filesystem::path& dir) {
    return runTool("check '" + dir.string() + "'");
}

ToolRun schedule(const std::filesystem::path& dir) {
    return runTool("schedule '" + dir.string() + "' --quiet");
}

TEST(ToolOptions, VersionHelpAndUnknownCommand) {
    const struct {
        const char* args;
        int exitCode;
        const char* says;
    } cases[] = {
        {"--version", 0, "zamanseri-tool 6.0\n"},
        {"--help", 0, "zamanseri-tool schedule DİZİN [--teacher NO]"},
        {"sample --help", 0, "Kullanım:\n  zamanseri-tool sample DİZİN --classes N"},
        {"", 2, "Komutlar:"},
        {"yok", 2, "Bilinmeyen komut: yok"},
    };
    for (const auto& c : cases) {
        const ToolRun r = runTool(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << "\n" << r.out;
    }
}

TEST(CheckCommand, EmptyFolderIsSoundAndGetsEveryFile) {
    TempDir dir;
    const ToolRun r = check(dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out.rfind("GROUP.PRG 0\nLESSON.PRG 0\nCLASS.PRG 0\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("RPS.PRG 0\n"), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(dir / "OPTION.PRG"), 568u);
    EXPECT_EQ(std::filesystem::file_size(dir / "ADD.PRG"), 250u);
}

TEST(CheckCommand, CountsRecordsAndNamesFaults) {
    TempDir dir;
    Database db;
    addSchoolClass(db, 1, "9", "A");
    addLesson(db, 1, 0, 2, {2, 0, 0, 0, 0}, "", "MAT", 1);
    addTeacher(db, 1, "A", "", "", "");
    addClassLesson(db, 1, 1);
    addTeacherLesson(db, 1, 1, 1);
    db.teacherLessons.push_back({1, 1, 9}); // no such class lesson
    ASSERT_TRUE(saveTables(db, DataDir(dir.path()),
                           {DataFile::Class, DataFile::Lesson, DataFile::Teacher,
                            DataFile::ClassLesson, DataFile::TeacherLesson}));
    const ToolRun r = check(dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_NE(r.out.find("TELE.PRG 2\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("hata: öğretmen dersi (1,1,9): olmayan sınıf dersi"), std::string::npos)
        << r.out;
}

TEST(CheckCommand, DamagedFilesAreReadAndTheirSkipsNamed) {
    TempDir dir;
    for (DataFile f : kLoadOrder) {
        Bytes junk(recordSize(f) * 3 + 1);
        for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<u8>(i * 37 + 11);
        junk[0] = 0; // first record carries identifier 0
        dir.write(fileName(f), junk);
    }
    const ToolRun r = check(dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_NE(r.out.find("atlandı: "), std::string::npos) << r.out;
}

TEST(CheckCommand, DutiesOfDamagedFilesAreSettledAndNamed) {
    TempDir dir;
    Database db;
    addTeacher(db, 1, "A", "", "", "");
    addDutyPlace(db, 1, "BAHCE");
    addTeacherDuty(db, 1, 2, 1);
    db.dutyPlaces.find(1)->dutyCount[4] = 3; // no Friday duty at all
    db.teacherDuties.push_back({1, 3, 7});   // no teacher 7
    db.teacherDuties.push_back({5, 3, 1});   // no place 5
    db.teacherDuties.push_back({1, 2, 1});   // the Tuesday duty again
    db.teacherDuties.push_back({1, 9, 1});   // no day 9
    ASSERT_TRUE(saveTables(db, DataDir(dir.path()),
                           {DataFile::Teacher, DataFile::Duty, DataFile::TeacherDuty}));
    const ToolRun r = check(dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out;
    for (const char* line :
         {"TEDU.PRG 1\n", "atlandı: TEDU.PRG kayıt 5: geçersiz gün",
          "atlandı: TEDU.PRG: nöbet (yer 1, gün 3, öğretmen 7) olmayan öğretmeni gösteriyor",
          "atlandı: TEDU.PRG: nöbet (yer 5, gün 3, öğretmen 1) olmayan nöbet yerini gösteriyor",
          "atlandı: TEDU.PRG: nöbet (yer 1, gün 2, öğretmen 1) ikinci kez yazılmış",
          "atlandı: DUTY.PRG: nöbet yeri 1, gün 5: sayı 3, nöbet 0; yeniden sayıldı"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    EXPECT_EQ(r.out.find("hata: "), std::string::npos) << r.out;
}

TEST(CheckCommand, UnreadableFileOrFolderExitsTwo) {
    TempDir dir;
    std::filesystem::create_directory(dir / "CLLE.PRG");
    EXPECT_EQ(check(dir.path()).exitCode, 2);
    EXPECT_EQ(check(dir / "nowhere").exitCode, 2);
}

TEST(ScheduleCommand, RefusesDamagedGridsAndASecondWriter) {
    TempDir dir;
    Database db;
    addSchoolClass(db, 1, "9", "A");
    addLesson(db, 1, 0, 2, {2, 0, 0, 0, 0}, "", "MAT", 1);
    addTeacher(db, 1, "A", "", "", "");
    addClassLesson(db, 1, 1);
    addTeacherLesson(db, 1, 1, 1);
    addTeacherTimetable(db, 1);
    addClassTimetable(db, 1);
    const std::vector<DataFile> all(kLoadOrder.begin(), kLoadOrder.end());
    db.classTimetables.find(1)->planes[kOccupantPlane][0] = 9; // a lesson that does not exist
    ASSERT_TRUE(saveTables(db, DataDir(dir.path()), all));
    const Bytes grids = dir.read("CPS.PRG");
    ToolRun r = schedule(dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_NE(r.out.find("hata: "), std::string::npos) << r.out;
    EXPECT_EQ(dir.read("CPS.PRG"), grids);

    db.classTimetables.find(1)->planes[kOccupantPlane][0] = 0;
    ASSERT_TRUE(saveTables(db, DataDir(dir.path()), all));
    auto held = acquireDirLock(dir.path(), "Zamanseri programı");
    ASSERT_TRUE(held);
    r = schedule(dir.path());
    EXPECT_EQ(r.exitCode, 2) << r.out;
    EXPECT_NE(r.out.find("Zamanseri programı (süreç"), std::string::npos) << r.out;
    held.value().release();
    EXPECT_EQ(schedule(dir.path()).exitCode, 0);
}

} // namespace
} // namespace zs
