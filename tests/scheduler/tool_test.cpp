// zamanseri-tool sample and schedule: the same arguments give the same bytes, a run
// writes the three timetable files and never OPTION.PRG, and the exit codes.
#include "core/data_files.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

#include <regex>

namespace zs {
namespace {

using test::TempDir;

using test::quoted;
using test::ToolRun;

ToolRun tool(const std::string& arguments) {
    return test::runTool(ZS_TOOL, arguments);
}

const char* kFiles[] = {"GROUP.PRG", "LESSON.PRG", "CLASS.PRG", "ROOM.PRG",   "TEACHER.PRG",
                        "DUTY.PRG",  "CLLE.PRG",   "CMNO.PRG",  "TEDU.PRG",   "TELE.PRG",
                        "TPS.PRG",   "CPS.PRG",    "RPS.PRG",   "OPTION.PRG", "ADD.PRG"};

TEST(SampleCommand, SameArgumentsSameBytes) {
    TempDir a, b, c;
    ASSERT_EQ(tool("sample " + quoted(a.path()) + " --classes 12 --seed 7").exitCode, 0);
    ASSERT_EQ(tool("sample " + quoted(b.path()) + " --classes 12 --seed 7").exitCode, 0);
    ASSERT_EQ(tool("sample " + quoted(c.path()) + " --classes 12 --seed 8").exitCode, 0);
    bool anyDiffers = false;
    for (const char* f : kFiles) {
        EXPECT_EQ(a.read(f), b.read(f)) << f;
        anyDiffers = anyDiffers || a.read(f) != c.read(f);
    }
    EXPECT_TRUE(anyDiffers);
    EXPECT_EQ(tool("check " + quoted(a.path())).exitCode, 0);
}

TEST(SampleCommand, RefusesBadArguments) {
    TempDir d;
    EXPECT_EQ(tool("sample " + quoted(d.path())).exitCode, 2);
    EXPECT_EQ(tool("sample " + quoted(d.path()) + " --classes 0").exitCode, 2);
    EXPECT_EQ(tool("sample " + quoted(d.path()) + " --classes 256").exitCode, 2);
}

TEST(ScheduleCommand, RunsSavesTheTimetablesAndLeavesTheSettings) {
    TempDir d;
    ASSERT_EQ(tool("sample " + quoted(d.path()) + " --classes 8").exitCode, 0);
    const Bytes option = d.read("OPTION.PRG");
    const Bytes lessons = d.read("LESSON.PRG");
    const Bytes classes = d.read("CPS.PRG");
    const ToolRun r = tool("schedule " + quoted(d.path()) + " --level 3 --quiet");
    EXPECT_EQ(r.exitCode, 0) << r.out;
    const std::regex last(
        R"(Sınırlı öğretmenlerin boş saati \d+\. Kural ihlalleri: boş saat sınırını aşan )"
        R"(öğretmen \d+, günlük en çoğu aşan gün \d+, (?:[^,\d]+ \d+, )*aynı gün iki blok \d+\.\n)"
        R"(placed (\d+) of (\d+) hours, unplaced (\d+), in [0-9.]+ s\n$)");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(r.out, m, last)) << r.out;
    EXPECT_EQ(std::stoi(m[2]) - std::stoi(m[1]), std::stoi(m[3]));
    EXPECT_GT(std::stoi(m[1]), 0);
    EXPECT_EQ(d.read("OPTION.PRG"), option);
    EXPECT_EQ(d.read("LESSON.PRG"), lessons);
    EXPECT_NE(d.read("CPS.PRG"), classes);
    const ToolRun check = tool("check " + quoted(d.path()));
    EXPECT_EQ(check.exitCode, 0) << check.out;
    const ToolRun faithful = tool("schedule " + quoted(d.path()) + " --faithful --quiet");
    EXPECT_EQ(faithful.exitCode, 0) << faithful.out;
}

TEST(ScheduleCommand, SameFilesEveryRun) {
    TempDir a, b;
    for (const TempDir* d : {&a, &b}) {
        ASSERT_EQ(tool("sample " + quoted(d->path()) + " --classes 8").exitCode, 0);
        ASSERT_EQ(tool("schedule " + quoted(d->path()) + " --level 3 --quiet").exitCode, 0);
    }
    for (const char* f : {"TPS.PRG", "CPS.PRG", "RPS.PRG"}) EXPECT_EQ(a.read(f), b.read(f)) << f;
}

TEST(ScheduleCommand, OneTeacher) {
    TempDir d;
    ASSERT_EQ(tool("sample " + quoted(d.path()) + " --classes 4").exitCode, 0);
    const ToolRun r = tool("schedule " + quoted(d.path()) + " --teacher 1 --level 2 --quiet");
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(tool("check " + quoted(d.path())).exitCode, 0);
    EXPECT_EQ(tool("schedule " + quoted(d.path()) + " --teacher 200 --quiet").exitCode, 1);
}

TEST(ScheduleCommand, NothingToScheduleOrNoRoom) {
    TempDir empty;
    const ToolRun r = tool("schedule " + quoted(empty.path()) + " --quiet");
    EXPECT_EQ(r.exitCode, 1) << r.out;

    TempDir full;
    ASSERT_EQ(tool("sample " + quoted(full.path()) + " --classes 1").exitCode, 0);
    Bytes cps = full.read("CPS.PRG");
    for (int i = 0; i < 80; ++i) cps[18 + i] = 0; // every cell of the class closed
    full.write("CPS.PRG", cps);
    const ToolRun refused = tool("schedule " + quoted(full.path()) + " --quiet");
    EXPECT_EQ(refused.exitCode, 1) << refused.out;
    EXPECT_NE(refused.out.find("fazla alan kapatılmış"), std::string::npos) << refused.out;
}

TEST(ScheduleCommand, FileErrorsAndBadArguments) {
    TempDir d;
    EXPECT_EQ(tool("schedule " + quoted(d / "missing") + " --quiet").exitCode, 2);
    EXPECT_EQ(tool("schedule " + quoted(d.path()) + " --level 100").exitCode, 2);
    EXPECT_EQ(tool("schedule").exitCode, 2);
}

} // namespace
} // namespace zs
