#include "core/load_notes.h"
#include "core/startup.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

namespace fs = std::filesystem;

TEST(LoadNotes, SkippedRecordsAreCountedPerFileAndTheirFilesKept) {
    test::TempDir dir;
    Bytes lessons(48 * 3 + 5, 0); // identifier 0 twice, an incomplete record
    lessons[48] = 4;
    dir.write("LESSON.PRG", lessons);
    Database db;
    LoadReport report;
    ASSERT_TRUE(loadWorkingDirectory(db, DataDir(dir.path()), report));
    EXPECT_EQ(report.notedFiles, std::vector<std::string>{"LESSON.PRG"});
    const std::string text = summariseLoadNotes(report);
    EXPECT_NE(text.find("LESSON.PRG: 3 kayıt"), std::string::npos) << text;

    auto kept = keepCopiesOfNotedFiles(DataDir(dir.path()), report);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept.value(), std::vector<std::string>{"LESSON.PRG.bak"});
    EXPECT_EQ(dir.read("LESSON.PRG.bak"), lessons);
    // The same file again: the copy is there already.
    EXPECT_TRUE(keepCopiesOfNotedFiles(DataDir(dir.path()), report).value().empty());
    // Another damage: the first copy stays, the second gets a dated name.
    dir.write("LESSON.PRG", Bytes(48 + 1, 0));
    kept = keepCopiesOfNotedFiles(DataDir(dir.path()), report);
    ASSERT_EQ(kept.value().size(), 1u);
    EXPECT_NE(kept.value()[0], "LESSON.PRG.bak");
    EXPECT_EQ(dir.read(kept.value()[0]), Bytes(48 + 1, 0));
    EXPECT_EQ(dir.read("LESSON.PRG.bak"), lessons);
}

TEST(LoadNotes, ACleanLoadSaysNothing) {
    test::TempDir dir;
    Database db;
    LoadReport report;
    ASSERT_TRUE(loadWorkingDirectory(db, DataDir(dir.path()), report));
    EXPECT_TRUE(summariseLoadNotes(report).empty());
    EXPECT_TRUE(keepCopiesOfNotedFiles(DataDir(dir.path()), report).value().empty());
}

} // namespace
} // namespace zs
