// A fault at every system call of a save and of a recovery, the call failing or the
// process dying there: afterwards the folder recovers clean, every file of the write old
// or every one new, nothing left behind, and what the caller was told matches the disk.
#include "core/file_io.h"
#include "core/intent_record.h"
#include "support/fault_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <set>

namespace zs {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

const Bytes kOldA = {1, 1}, kOldB = {2, 2}, kNewA = {3}, kNewB = {4, 4, 4}, kNewC = {5};

enum class State { Old, New, Mixed };

// With `leftovers`, temporaries and a record a successful write could not remove are
// passed over: the next recovery removes them.
State stateOf(const fs::path& dir, bool leftovers = false) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        if (!leftovers || (name != kIntentFile && !isWriteLeftover(name))) names.insert(name);
    }
    auto bytes = [&](const char* name) { return *readFileIfExists(dir / name).value(); };
    if (names == std::set<std::string>{"A.PRG", "B.PRG"} && bytes("A.PRG") == kOldA &&
        bytes("B.PRG") == kOldB)
        return State::Old;
    if (names == std::set<std::string>{"A.PRG", "B.PRG", "C.PRG"} && bytes("A.PRG") == kNewA &&
        bytes("B.PRG") == kNewB && bytes("C.PRG") == kNewC)
        return State::New;
    return State::Mixed;
}

void writeOld(const fs::path& dir) {
    WriteBatch b;
    b.add(dir / "A.PRG", kOldA);
    b.add(dir / "B.PRG", kOldB);
    ASSERT_TRUE(b.commit());
}

Status save(const fs::path& dir) {
    WriteBatch b;
    b.add(dir / "A.PRG", kNewA);
    b.add(dir / "B.PRG", kNewB);
    b.add(dir / "C.PRG", kNewC);
    return b.commit();
}

Status recover(const fs::path& dir) {
    auto r = recoverInterruptedWrite(dir);
    if (!r) return r.error();
    return success();
}

long saveCalls() {
    TempDir dir;
    writeOld(dir.path());
    return test::callsOf([&] { return save(dir.path()); });
}

// What the disk must hold after a recovery, given what the save reported.
bool matchesReport(const test::FaultRun& run, State after) {
    if (run.died) return after != State::Mixed;
    if (run.ok) return after == State::New;
    const bool finishesLater = run.message.find("tamamlanacak") != std::string::npos;
    return after == (finishesLater ? State::New : State::Old);
}

TEST(WriteFaults, ASaveFaultedAtEveryCallEndsAllOldOrAllNewAsReported) {
    test::preferMemoryFolders();
    const long calls = saveCalls();
    ASSERT_GT(calls, 20);
    int cases = 0;
    for (bool kill : {false, true})
        for (long at = 1; at <= calls; ++at) {
            TempDir dir;
            writeOld(dir.path());
            const auto run = test::runWithFault([&] { return save(dir.path()); }, at, kill);
            if (run.ok && !run.died) {
                EXPECT_EQ(stateOf(dir.path(), true), State::New) << at;
            }
            ASSERT_TRUE(recover(dir.path())) << at << (kill ? " kill" : " fail");
            EXPECT_TRUE(matchesReport(run, stateOf(dir.path())))
                << "call " << at << (kill ? " killed" : " failed: ") << run.message;
            ++cases;
        }
    RecordProperty("cases", cases);
}

// Every state a save killed midway leaves, recovered with a fault at every call of the
// recovery and then recovered again: the outcome is the one a clean recovery gives.
TEST(WriteFaults, ARecoveryFaultedAtEveryCallIsFinishedByTheNext) {
    test::preferMemoryFolders();
    const long calls = saveCalls();
    int cases = 0;
    for (long killedAt = 1; killedAt <= calls; killedAt += 3) {
        TempDir interrupted;
        writeOld(interrupted.path());
        (void)test::runWithFault([&] { return save(interrupted.path()); }, killedAt, true);
        if (!fs::exists(interrupted / kIntentFile)) continue;
        auto copy = [&](const TempDir& to) {
            for (const auto& e : fs::directory_iterator(interrupted.path()))
                fs::copy_file(e.path(), to / e.path().filename().string());
        };
        TempDir clean;
        copy(clean);
        ASSERT_TRUE(recover(clean.path()));
        const State expected = stateOf(clean.path());
        ASSERT_NE(expected, State::Mixed) << killedAt;
        TempDir probe;
        copy(probe);
        const long recoveryCalls = test::callsOf([&] { return recover(probe.path()); });
        for (bool kill : {false, true})
            for (long at = 1; at <= recoveryCalls; ++at) {
                TempDir dir;
                copy(dir);
                (void)test::runWithFault([&] { return recover(dir.path()); }, at, kill);
                ASSERT_TRUE(recover(dir.path())) << killedAt << "/" << at;
                EXPECT_EQ(stateOf(dir.path()), expected) << killedAt << "/" << at;
                ++cases;
            }
    }
    RecordProperty("cases", cases);
}

} // namespace
} // namespace zs
