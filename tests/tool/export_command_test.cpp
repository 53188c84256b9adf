// zamanseri-tool export: exit codes, refusals with their reasons, and a working directory
// left as it was.
#include "core/data_files.h"
#include "core/startup.h"
#include "rules/placement.h"
#include "sample/sample_school.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zs {
namespace {

using test::quoted;
using test::TempDir;

TEST(ExportCommand, ExitCodesTellWrittenRefusedAndFailed) {
    TempDir unplaced, work, out;
    ASSERT_TRUE(sched::writeSampleSchool(DataDir(unplaced.path()), {4, 1}));
    ASSERT_TRUE(sched::writeSampleSchool(DataDir(work.path()), {4, 1}));
    Database db;
    sched::buildSampleSchool(db, {4, 1});
    for (const ClassLesson& cl : std::vector<ClassLesson>(db.classLessons.rows))
        for (int slot = 1; slot <= kSlots; ++slot) Place(db, slot, cl.classId, cl.lessonId);
    ASSERT_TRUE(saveTables(db, DataDir(work.path()),
                           std::vector<DataFile>(kLoadOrder.begin(), kLoadOrder.end())));
    std::ofstream(out / "file.txt") << "x";
    std::vector<Bytes> before;
    for (DataFile f : kLoadOrder) before.push_back(work.read(fileName(f)));

    const std::string w = quoted(work.path()) + " ";
    const std::string o = out.path().string() + "/";
    const std::string calendar = " --ics " + o + "t --from 2026-09-14 --until 2027-01-22";
    const struct {
        std::string arguments;
        int exitCode;
        std::string says;
    } cases[] = {
        {quoted(unplaced.path()) + " --csv " + o + "a.csv", 1, "yerleşmemiş"},
        {w + "--ics " + o + "t --from 2026-09-14", 2, "Kullanım"},
        {w + "--csv " + o + "a.csv --minutes 40", 2, "Kullanım"},
        {w + "--ics " + o + "t --from 2026-02-30 --until 2026-03-30", 2, "Kullanım"},
        {w + "--ics " + o + "t --from 2026-09-14 --until 2026-09-01", 1, "bitiş tarihi"},
        {w + "--html " + o + "file.txt/site", 2, "Klasör bulunamadı"},
        {w + "--csv " + quoted(work / "a.csv"), 2, "çalışma dizinine"},
        {w + "--html " + o + "site --xlsx " + o + "a.xlsx --csv " + o + "a.csv" + calendar +
             " --minutes 45",
         0, "Yazıldı: " + o + "a-nobet.csv"},
    };
    for (const auto& c : cases) {
        const test::ToolRun r = test::runTool(ZS_TOOL, "export " + c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments << "\n" << r.out;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << r.out;
    }
    std::vector<Bytes> after;
    for (DataFile f : kLoadOrder) after.push_back(work.read(fileName(f)));
    EXPECT_EQ(before, after);
    EXPECT_TRUE(std::filesystem::exists(out / "site" / "index.html"));
}

} // namespace
} // namespace zs
