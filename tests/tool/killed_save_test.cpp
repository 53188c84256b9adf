// A lesson deletion killed at random moments of its save: the folder always loads sound,
// with every file of the change old or every one new, and nothing left behind.
#include "core/dir_lock.h"
#include "core/startup.h"
#include "editors/change.h"
#include "editors/lesson_editor.h"
#include "rules/grid_check.h"
#include "sample/sample_school.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>

#include <sys/wait.h>
#include <unistd.h>

namespace zs {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

constexpr int kKills = 200;

Id busiestLesson(const Database& db) {
    std::map<Id, int> uses;
    for (const auto& cl : db.classLessons) ++uses[cl.lessonId];
    Id best = 0;
    for (const auto& [id, n] : uses)
        if (!best || n > uses[best]) best = id;
    return best;
}

// The child: load as the program does, delete the lesson, tell the parent, save.
[[noreturn]] void deleteLesson(const fs::path& dir, Id lesson, int ready) {
    auto lock = acquireDirLock(dir, "test");
    Database db;
    LoadReport report;
    if (!lock || !loadWorkingDirectory(db, DataDir(dir), report)) ::_exit(3);
    const editors::Outcome outcome = editors::removeLesson(db, lesson);
    const char go = 1;
    if (::write(ready, &go, 1) != 1) ::_exit(4);
    ::_exit(editors::writeChange(db, DataDir(dir), outcome.change) ? 0 : 5);
}

TEST(KilledSave, EveryFileOfTheChangeOldOrNewAndNothingLeftBehind) {
    // In memory where the system has it: the kills need the steps of a save, not the disk.
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec)) ::setenv("TMPDIR", "/dev/shm", 1);
    TempDir school;
    ASSERT_TRUE(sched::writeSampleSchool(DataDir(school.path()), {6, 3}));
    const std::string run = std::string(ZS_TOOL) + " schedule '" + school.path().string() +
                            "' --level 1 --quiet > /dev/null";
    ASSERT_EQ(std::system(run.c_str()), 0);

    Database db;
    LoadReport report;
    ASSERT_TRUE(loadWorkingDirectory(db, DataDir(school.path()), report));
    const Id lesson = busiestLesson(db);
    Database after = db;
    const auto files = editors::removeLesson(after, lesson).change.files;
    ASSERT_EQ(files.size(), 7u);
    std::map<std::string, std::pair<Bytes, Bytes>> oldAndNew;
    for (DataFile f : files)
        oldAndNew[fileName(f)] = {school.read(fileName(f)), encodeTable(after, f)};

    // Kills spread over the save and a little past it.
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_TRUE(editors::writeChange(after, DataDir(school.path()), {files}));
    const auto save = std::chrono::steady_clock::now() - t0;
    const long span =
        std::max<long>(50, 2 * std::chrono::duration_cast<std::chrono::microseconds>(save).count());

    std::mt19937 random(13);
    int sawOld = 0, sawNew = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        TempDir dir;
        for (const auto& e : fs::directory_iterator(school.path()))
            if (e.path().extension() == ".PRG") fs::copy_file(e.path(), dir / e.path().filename());
        for (const auto& [name, bytes] : oldAndNew) dir.write(name, bytes.first);

        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) deleteLesson(dir.path(), lesson, ready[1]);
        ::close(ready[1]);
        char go = 0;
        const bool loaded = ::read(ready[0], &go, 1) == 1;
        ::close(ready[0]);
        ::usleep(static_cast<useconds_t>(random() % span));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(loaded) << "the child could not load";

        auto lock = acquireDirLock(dir.path(), "test");
        ASSERT_TRUE(lock) << lock.error().message;
        Database back;
        LoadReport notes;
        ASSERT_TRUE(loadWorkingDirectory(back, DataDir(dir.path()), notes)) << kill;
        EXPECT_TRUE(notes.notes.empty()) << kill;
        EXPECT_TRUE(findDataFaults(back).empty()) << kill;
        int olds = 0, news = 0;
        for (const auto& [name, bytes] : oldAndNew) {
            const Bytes now = dir.read(name);
            olds += now == bytes.first;
            news += now == bytes.second;
        }
        EXPECT_TRUE(olds == 7 || news == 7) << kill << ": " << olds << " old, " << news << " new";
        sawOld += olds == 7;
        sawNew += news == 7;
        for (const auto& e : fs::directory_iterator(dir.path())) {
            const auto name = e.path().filename().string();
            EXPECT_TRUE(e.path().extension() == ".PRG" || name == kLockFile) << name;
        }
    }
    std::cout << "kills " << kKills << ": " << sawOld << " old, " << sawNew << " new\n";
}

} // namespace
} // namespace zs
