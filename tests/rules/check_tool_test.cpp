// zamanseri-tool check over placed grids: sound grids pass, wrong counters and blocks fail.
#include "core/data_files.h"
#include "rules/placement.h"
#include "school.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace zs {
namespace {

struct ToolRun {
    int exitCode;
    std::string out;
};

ToolRun check(const std::filesystem::path& dir) {
    const std::string cmd = std::string(ZS_TOOL) + " check '" + dir.string() + "' 2>&1";
    FILE* p = ::popen(cmd.c_str(), "r");
    std::string out;
    std::array<char, 512> buf{};
    while (std::fgets(buf.data(), buf.size(), p)) out += buf.data();
    const int status = ::pclose(p);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

test::School placedSchool() {
    test::School s;
    s.lesson(1, 4).klass(1).teacher(1).room(1);
    s.classLesson(1, 1, {1}, {1});
    Place(s.db, slotOf(2, 1), 1, 1);
    Place(s.db, slotOf(2, 2), 1, 1);
    return s;
}

void save(const Database& db, const test::TempDir& dir) {
    ASSERT_TRUE(saveTables(db, DataDir(dir.path()),
                           std::vector<DataFile>(kLoadOrder.begin(), kLoadOrder.end())));
}

TEST(CheckTool, PlacedGridsPass) {
    test::TempDir dir;
    save(placedSchool().db, dir);
    const ToolRun r = check(dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out;
}

TEST(CheckTool, CountersAndBlocksThatDisagreeAreNamed) {
    test::School s = placedSchool();
    s.tt(1).placedHours = 5;
    s.rt(1).planes[kBlockLengthPlane][slotOf(2, 2) - 1] = 1;
    test::TempDir dir;
    save(s.db, dir);
    const ToolRun r = check(dir.path());
    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_NE(r.out.find("hata: öğretmen 1: yerleşmiş saat 5, sayılan 2\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("hata: derslik 1 hücre 18: blok 1/17, beklenen 2/17\n"), std::string::npos)
        << r.out;
}

} // namespace
} // namespace zs
