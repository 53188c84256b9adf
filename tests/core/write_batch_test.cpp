// One write is one transaction: all files new, or on any failure all old; a write a dead
// process left half-done is finished by the next load; one writer per folder.
#include "core/dir_lock.h"
#include "core/file_io.h"
#include "core/intent_record.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zs {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

const Bytes kOldA = {1, 1}, kOldB = {2, 2}, kNewA = {3}, kNewB = {4, 4, 4}, kNewC = {5};

// The folder holds exactly these files, nothing left over from a write.
void expectOnly(const TempDir& dir, const std::vector<std::pair<std::string, Bytes>>& files) {
    std::size_t seen = 0;
    for (const auto& e : fs::directory_iterator(dir.path())) {
        const std::string name = e.path().filename().string();
        ++seen;
        bool known = false;
        for (const auto& [n, bytes] : files)
            if (n == name) {
                known = true;
                EXPECT_EQ(dir.read(n), bytes) << n;
            }
        EXPECT_TRUE(known) << "left behind: " << name;
    }
    EXPECT_EQ(seen, files.size());
}

TEST(WriteBatch, CommitReplacesAllAndLeavesNothingBehind) {
    TempDir dir;
    dir.write("A.PRG", kOldA);
    WriteBatch batch;
    batch.add(dir / "A.PRG", kOldB);
    batch.add(dir / "B.PRG", kNewB);
    batch.add(dir / "A.PRG", kNewA); // the later bytes hold
    ASSERT_TRUE(batch.commit());
    expectOnly(dir, {{"A.PRG", kNewA}, {"B.PRG", kNewB}});
    // Files of two folders are never one write.
    WriteBatch split;
    split.add(dir / "A.PRG", kOldA);
    split.add(dir / "sub" / "B.PRG", kOldB);
    EXPECT_FALSE(split.commit());
    EXPECT_EQ(dir.read("A.PRG"), kNewA);
}

// The state a process killed between two renames leaves: temporaries, kept old files and
// the record, with the first file already renamed.
Intent interruptedWrite(const TempDir& dir, bool undo) {
    dir.write("A.PRG", kOldA);
    dir.write("B.PRG", kOldB);
    Intent intent{undo,
                  {{"A.PRG", "A.PRG.7-1.yeni", "A.PRG.7-1.eski", contentSum(kNewA)},
                   {"B.PRG", "B.PRG.7-1.yeni", "B.PRG.7-1.eski", contentSum(kNewB)},
                   {"C.PRG", "C.PRG.7-1.yeni", "", contentSum(kNewC)}}};
    dir.write("A.PRG.7-1.eski", kOldA);
    dir.write("B.PRG.7-1.eski", kOldB);
    dir.write("A.PRG", kNewA); // renamed already
    dir.write("B.PRG.7-1.yeni", kNewB);
    dir.write("C.PRG.7-1.yeni", kNewC);
    dir.write(kIntentFile, encodeIntent(intent));
    dir.write("D.PRG.9-4.yeni", Bytes{9}); // another write's, never recorded
    return intent;
}

TEST(WriteRecovery, ARecordedWriteIsFinishedAndStraysRemoved) {
    TempDir dir;
    interruptedWrite(dir, false);
    auto done = recoverInterruptedWrite(dir.path());
    ASSERT_TRUE(done);
    EXPECT_EQ(done.value().size(), 2u);
    expectOnly(dir, {{"A.PRG", kNewA}, {"B.PRG", kNewB}, {"C.PRG", kNewC}});
    // Nothing is left to do a second time.
    EXPECT_TRUE(recoverInterruptedWrite(dir.path()).value().empty());
}

// A file system without ordered writes can keep the record and lose a temporary's content:
// the new content is looked for, not assumed, and a write that cannot be finished is undone.
TEST(WriteRecovery, ALostTemporaryUndoesTheWriteUnlessItsContentIsInPlace) {
    struct Case {
        const char* name;
        bool remove;
        Bytes content; // written into the temporary when not removed
        bool finished;
    } cases[] = {
        {"lost", true, {}, false},
        {"emptied", false, {}, false},
        {"garbled", false, {9, 9, 9}, false},
        {"whole", false, kNewB, true},
    };
    for (const auto& c : cases) {
        TempDir dir;
        interruptedWrite(dir, false);
        if (c.remove)
            fs::remove(dir / "B.PRG.7-1.yeni");
        else
            dir.write("B.PRG.7-1.yeni", c.content);
        auto done = recoverInterruptedWrite(dir.path());
        ASSERT_TRUE(done) << c.name;
        EXPECT_NE(done.value().front().find(c.finished ? "tamamlandı" : "geri alındı"),
                  std::string::npos)
            << c.name << ": " << done.value().front();
        if (c.finished)
            expectOnly(dir, {{"A.PRG", kNewA}, {"B.PRG", kNewB}, {"C.PRG", kNewC}});
        else
            expectOnly(dir, {{"A.PRG", kOldA}, {"B.PRG", kOldB}});
    }
    // A record of an earlier version, without content sums, is still finished.
    TempDir dir;
    Intent plain = interruptedWrite(dir, false);
    for (auto& e : plain.entries) e.sum.reset();
    dir.write(kIntentFile, encodeIntent(plain));
    ASSERT_TRUE(recoverInterruptedWrite(dir.path()));
    expectOnly(dir, {{"A.PRG", kNewA}, {"B.PRG", kNewB}, {"C.PRG", kNewC}});
}

TEST(WriteRecovery, AnUndoRecordPutsTheOldFilesBack) {
    TempDir dir;
    interruptedWrite(dir, true);
    ASSERT_TRUE(recoverInterruptedWrite(dir.path()));
    expectOnly(dir, {{"A.PRG", kOldA}, {"B.PRG", kOldB}});
}

TEST(WriteRecovery, ADamagedRecordIsRefusedAndTouchesNothing) {
    TempDir dir;
    const Bytes record = encodeIntent(interruptedWrite(dir, false));
    ASSERT_TRUE(decodeIntent(record));
    for (std::size_t at : {std::size_t{0}, record.size() / 2, record.size() - 2}) {
        Bytes damaged = record;
        damaged[at] ^= 0x20;
        EXPECT_FALSE(decodeIntent(damaged)) << at;
    }
    EXPECT_FALSE(decodeIntent(Bytes(record.begin(), record.end() - 1)));
    Bytes damaged = record;
    damaged[3] ^= 1;
    dir.write(kIntentFile, damaged);
    EXPECT_FALSE(recoverInterruptedWrite(dir.path()));
    EXPECT_EQ(dir.read("B.PRG.7-1.yeni"), kNewB);
    EXPECT_EQ(dir.read("A.PRG"), kNewA);
}

TEST(WriteRecovery, ARecordNamingFilesOutsideTheFolderIsDamaged) {
    const Intent escapes{false, {{"../A.PRG", "A.PRG.1-1.yeni", "", {}}}};
    EXPECT_FALSE(decodeIntent(encodeIntent(escapes)));
    const Intent notTemporary{false, {{"A.PRG", "B.PRG", "", {}}}};
    EXPECT_FALSE(decodeIntent(encodeIntent(notTemporary)));
}

TEST(WriteBatch, APendingWriteIsNeverTakenOver) {
    TempDir dir;
    interruptedWrite(dir, false);
    WriteBatch batch;
    batch.add(dir / "B.PRG", kOldA);
    EXPECT_FALSE(batch.commit());
    EXPECT_EQ(dir.read("B.PRG"), kOldB);
}

TEST(DirLock, ASecondWriterIsRefusedWithTheHolderNamed) {
    TempDir dir;
    auto first = acquireDirLock(dir.path(), "zamanseri-tool schedule");
    ASSERT_TRUE(first);
    const auto second = acquireDirLock(dir.path(), "Zamanseri programı");
    ASSERT_FALSE(second);
    EXPECT_NE(second.error().message.find("kullanıyor: zamanseri-tool schedule (süreç "),
              std::string::npos)
        << second.error().message;
    first.value().release();
    EXPECT_TRUE(acquireDirLock(dir.path(), "Zamanseri programı"));
}

TEST(ReadFile, OnlyBoundedRegularFilesAreRead) {
    TempDir dir;
    dir.write("REAL.PRG", Bytes(10, 7));
    ASSERT_EQ(::mkfifo((dir / "PIPE.PRG").c_str(), 0644), 0);
    fs::create_symlink(dir / "REAL.PRG", dir / "LINK.PRG");
    fs::create_symlink("/dev/zero", dir / "ENDLESS.PRG");
    fs::create_symlink(dir / "GONE.PRG", dir / "DANGLING.PRG");
    fs::create_directory(dir / "DIR.PRG");
    struct Case {
        const char* name;
        std::uintmax_t bound;
        const char* refusal; // empty: read
    } cases[] = {
        {"REAL.PRG", 10, ""},
        {"LINK.PRG", 10, ""},
        {"REAL.PRG", 9, "fazla büyük"},
        {"PIPE.PRG", 10, "Düzenli bir dosya değil"},
        {"ENDLESS.PRG", 10, "Düzenli bir dosya değil"},
        {"DANGLING.PRG", 10, "gösterdiği dosya yok"},
        {"DIR.PRG", 10, "dizin"},
    };
    for (const auto& c : cases) {
        const auto read = readFileIfExists(dir / c.name, c.bound);
        if (*c.refusal) {
            ASSERT_FALSE(read) << c.name;
            EXPECT_NE(read.error().message.find(c.refusal), std::string::npos) << c.name;
        } else {
            ASSERT_TRUE(read && read.value()) << c.name;
            EXPECT_EQ(*read.value(), Bytes(10, 7));
        }
    }
    EXPECT_FALSE(createEmptyIfMissing(dir / "DANGLING.PRG"));
    EXPECT_FALSE(readFileIfExists(dir / "NONE.PRG").value());
}

} // namespace
} // namespace zs
