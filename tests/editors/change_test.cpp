#include "editors/change.h"

#include "core/data_files.h"
#include "core/settings_file.h"
#include "editors/used_school.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zs::editors {
namespace {

namespace fs = std::filesystem;

TEST(WriteChange, WritesTheNamedFilesAndNothingElse) {
    test::TempDir dir;
    const Database db = test::usedSchool();
    Change change{{DataFile::Class, DataFile::ClassTimetable}};
    ASSERT_TRUE(writeChange(db, DataDir(dir.path()), change).ok());
    EXPECT_EQ(dir.read("CLASS.PRG"), encodeTable(db, DataFile::Class));
    EXPECT_EQ(dir.read("CPS.PRG"), encodeTable(db, DataFile::ClassTimetable));
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir.path())) files += e.is_regular_file();
    EXPECT_EQ(files, 2);
}

TEST(WriteChange, SettingsAndAnnexFlagsWhenNamed) {
    test::TempDir dir;
    const Database db = test::usedSchool();
    Change change;
    change.settings = true;
    change.annexFlags = true;
    ASSERT_TRUE(writeChange(db, DataDir(dir.path()), change).ok());
    EXPECT_EQ(dir.read("OPTION.PRG"), encodeSettings(db.settings));
    EXPECT_EQ(dir.read("ADD.PRG"), encodeAnnexFlags(db.annexFlags));
    EXPECT_FALSE(fs::exists(dir / "LESSON.PRG"));
}

TEST(WriteChange, AFolderThatCannotBeWrittenIsAnError) {
    test::TempDir dir;
    const Database db = test::usedSchool();
    const DataDir missing(dir / "nowhere");
    Change change{{DataFile::Lesson}};
    change.settings = true;
    const Status s = writeChange(db, missing, change);
    EXPECT_FALSE(s.ok());
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
}

TEST(WriteChange, AnEmptyChangeWritesNothing) {
    test::TempDir dir;
    EXPECT_TRUE(Change{}.empty());
    ASSERT_TRUE(writeChange(test::usedSchool(), DataDir(dir.path()), Change{}).ok());
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

} // namespace
} // namespace zs::editors
