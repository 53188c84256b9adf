// A new timetable with and without each of its two options.
#include "core/integrity.h"
#include "maintenance/backup_set.h"
#include "maintenance/new_timetable.h"
#include "rules/grid_check.h"
#include "rules/lock.h"
#include "rules/placement.h"
#include "rules/school.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zs::maintenance {
namespace {

using test::at;
using test::School;

constexpr RuleBytes kOwnRules{1, 2, 3, 0, 0, 0, 0, 4};

// Monday hours 2-3 placed; Tuesday hours 2-3 placed and locked; the teacher's Wednesday
// hour 5 closed while empty. The class's Monday runs from hour 2 to hour 7; it has no
// lessons on Friday.
School placedSchool() {
    School s;
    s.lesson(1, 4).klass(1).teacher(1).room(1).classLesson(1, 1, {1}, {1});
    s.ct(1).firstHour[0] = 2;
    s.ct(1).lastHour[0] = 7;
    s.ct(1).firstHour[4] = s.ct(1).lastHour[4] = 0;
    for (int slot : {slotOf(1, 2), slotOf(1, 3), slotOf(2, 2), slotOf(2, 3)})
        EXPECT_TRUE(Place(s.db, slot, 1, 1));
    EXPECT_TRUE(ToggleLock(s.db, CellOf::Class, 1, slotOf(2, 2)));
    EXPECT_TRUE(ToggleLock(s.db, CellOf::Teacher, 1, slotOf(3, 5)));
    s.tt(1).teacherRules = kOwnRules;
    return s;
}

TEST(NewTimetable, EachOptionDoesItsPartOnly) {
    for (bool openClosed : {false, true})
        for (bool reset : {false, true}) {
            School s = placedSchool();
            clearTimetables(s.db, {openClosed, reset});
            const u8 kept = openClosed ? 0 : 1; // the locked Tuesday block
            SCOPED_TRACE(std::to_string(openClosed) + std::to_string(reset));
            EXPECT_EQ(at(s.tt(1), kOccupantPlane, 1, 2), 0);
            EXPECT_EQ(at(s.ct(1), kOccupantPlane, 1, 3), 0);
            EXPECT_EQ(at(s.rt(1), kOccupantPlane, 1, 2), 0);
            EXPECT_EQ(at(s.tt(1), kOccupantPlane, 2, 3), kept);
            EXPECT_EQ(at(s.ct(1), kOccupantPlane, 2, 2), kept);
            EXPECT_EQ(at(s.rt(1), kOccupantPlane, 2, 3), kept);
            EXPECT_EQ(at(s.tt(1), kOpenPlane, 3, 5), 1 - kept);
            EXPECT_EQ(at(s.ct(1), kOpenPlane, 2, 2), 1 - kept);
            EXPECT_EQ(s.tt(1).placedHours, 2 * kept);
            EXPECT_EQ(s.tt(1).placedOnDay[1], 2 * kept);
            EXPECT_EQ(s.ct(1).freeOnDay[0], 6);
            EXPECT_EQ(s.ct(1).freeOnDay[1], 6 - 2 * kept);
            EXPECT_EQ(s.ct(1).freeOnDay[4], 0);
            EXPECT_EQ(s.tt(1).teacherRules, reset ? kDefaultTeacherRules : kOwnRules);
            EXPECT_EQ(s.db.teacherLessons.size(), 1u);
            EXPECT_TRUE(checkReferences(s.db).empty());
            EXPECT_TRUE(checkGridConsistency(s.db).empty());
        }
}

TEST(NewTimetable, WritesTheTimetablesAndKeepsTheOldOnes) {
    test::TempDir work;
    const DataDir dir(work.path());
    School s = placedSchool();
    const std::vector<DataFile> grids = {DataFile::TeacherTimetable, DataFile::ClassTimetable,
                                         DataFile::RoomTimetable};
    ASSERT_TRUE(saveTables(s.db, dir, grids));
    const Database before = s.db;

    auto previous = startNewTimetable(s.db, dir, {true, false});
    ASSERT_TRUE(previous);
    EXPECT_EQ(s.tt(1).placedHours, 0);
    for (DataFile f : grids) {
        EXPECT_EQ(work.read(fileName(f)), encodeTable(s.db, f));
        EXPECT_EQ(*readFileIfExists(previous.value() / backupName(f)).value(),
                  encodeTable(before, f));
    }

    // A timetable file that cannot be read stops it before anything changes.
    School again = placedSchool();
    std::filesystem::remove(work / "RPS.PRG");
    std::filesystem::create_directory(work / "RPS.PRG");
    EXPECT_FALSE(startNewTimetable(again.db, dir, {true, true}));
    EXPECT_EQ(again.tt(1).placedHours, 4);
    EXPECT_EQ(work.read("TPS.PRG"), encodeTable(s.db, DataFile::TeacherTimetable));
}

} // namespace
} // namespace zs::maintenance
