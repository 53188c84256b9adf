// zamanseri-tool backup and restore: exit codes, and a restore killed at any moment.
#include "core/startup.h"
#include "maintenance/backup.h"
#include "maintenance/backup_set.h"
#include "sample/sample_school.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>

#include <sys/wait.h>
#include <unistd.h>

namespace zs {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

using test::quoted;
using test::ToolRun;

ToolRun tool(const std::string& arguments) {
    return test::runTool(ZS_TOOL, arguments);
}

std::map<DataFile, Bytes> dataFiles(const TempDir& dir) {
    std::map<DataFile, Bytes> out;
    for (DataFile f : kLoadOrder) out[f] = dir.read(fileName(f));
    return out;
}

TEST(MaintenanceCommands, ExitCodesTellDoneRefusedAndFailed) {
    TempDir work, target, empty, damaged;
    ASSERT_TRUE(sched::writeSampleSchool(DataDir(work.path()), {4, 1}));
    damaged.write("LESSON.YDK", Bytes(47, 1));
    const std::string w = quoted(work.path());
    struct Case {
        std::string args;
        int code;
        const char* says;
    } cases[] = {
        {"backup " + w + " --to " + quoted(target.path()), 0, "Yedek alma işlemi tamamlandı."},
        {"backup " + w + " --to A:", 1, "Disket sürücünüzce disket yok."},
        {"backup " + w + " --to " + quoted(work / "nowhere"), 2, "Dizin bulunamadı"},
        {"backup " + w, 2, "Kullanım"},
        {"restore " + w + " --from A:", 1, "Disket sürücünüzce disket yok."},
        {"restore " + w + " --from " + quoted(empty.path()), 1, "yedek dosyası bulunamadı"},
        {"restore " + w + " --from " + quoted(damaged.path()), 1, "LESSON.YDK: 47 bayt"},
        {"restore " + w + " --from " + quoted(target.path()), 0, "Önceki dosyalar: "},
    };
    const auto before = dataFiles(work);
    for (const auto& c : cases) {
        const ToolRun r = tool(c.args);
        EXPECT_EQ(r.exitCode, c.code) << c.args << "\n" << r.out;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << "\n" << r.out;
        EXPECT_EQ(dataFiles(work), before) << c.args;
    }
    EXPECT_EQ(target.read("TPS.YDK"), before.at(DataFile::TeacherTimetable));
}

TEST(MaintenanceCommands, RestoreKilledAtAnyMomentLeavesEachFileOldOrNew) {
    TempDir oldSet, newSet, backup;
    ASSERT_TRUE(sched::writeSampleSchool(DataDir(oldSet.path()), {12, 1}));
    Database next;
    sched::buildSampleSchool(next, {12, 2});
    ASSERT_TRUE(maintenance::backupTables(next, backup.path()));
    ASSERT_TRUE(sched::writeSampleSchool(DataDir(newSet.path()), {12, 2}));
    const auto before = dataFiles(oldSet), after = dataFiles(newSet);

    std::mt19937 random(17);
    std::uniform_int_distribution<int> delayMicros(0, 450000);
    int restoredWhole = 0;
    for (int round = 0; round < 12; ++round) {
        TempDir work;
        for (DataFile f : kLoadOrder) work.write(fileName(f), before.at(f));
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::execl(ZS_TOOL, ZS_TOOL, "restore", work.path().c_str(), "--from",
                    backup.path().c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::usleep(static_cast<useconds_t>(delayMicros(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        restoredWhole += WIFEXITED(status) && WEXITSTATUS(status) == 0;

        for (DataFile f : kLoadOrder) {
            const Bytes now = work.read(fileName(f));
            EXPECT_TRUE(now == before.at(f) || now == after.at(f)) << round << " " << fileName(f);
        }
        Database db;
        LoadReport report;
        EXPECT_TRUE(loadWorkingDirectory(db, DataDir(work.path()), report)) << round;
    }
    RecordProperty("restoresFinishedBeforeTheKill", restoredWhole);
}

} // namespace
} // namespace zs
