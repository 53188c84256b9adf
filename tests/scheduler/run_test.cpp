// Whole runs over the generated schools: they end, leave every reference and grid sound,
// keep every invariant after every change, and give the same timetable every time.
#include "core/cp1254.h"
#include "core/integrity.h"
#include "rules/grid_check.h"
#include "rules/placement.h"
#include "run_support.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using test::gridBytes;
using test::lines;
using test::MemoryRun;

// Test runs stop at level 3; the default level is measured by the benchmarks.
constexpr u8 kTestLevel = 3;

std::unique_ptr<Database> sample(int classes) {
    auto db = test::sampleDb(classes);
    db->settings.searchLevel = kTestLevel;
    return db;
}

class Samples : public ::testing::TestWithParam<int> {};

TEST_P(Samples, RunEndsWithSoundGrids) {
    auto db = sample(GetParam());
    const sched::RunInvariants invariants(*db);
    MemoryRun m(*db);
    sched::runAutomatic(m.run);
    EXPECT_FALSE(m.run.state.running);
    EXPECT_EQ(lines(invariants.check(*db)), "");
    const sched::HourSums sums = sched::teacherHourSums(*db);
    EXPECT_GT(sums.placed, sums.total * 9 / 10);
    EXPECT_FALSE(m.observer.closing.empty());
}

INSTANTIATE_TEST_SUITE_P(Classes, Samples, ::testing::Values(8, 24, 40));

TEST(Run, EveryInvariantHoldsAfterEveryChange) {
    // Blocks put back into nearly full grids: displacement and the repairs at work.
    auto db = test::fullWithHoles(3);
    db->settings.searchLevel = 5;
    db->settings.longRearrange = 1;
    db->settings.splitBlock = 1;
    MemoryRun m(*db);
    test::InvariantWatch watch(m.run);
    sched::runAutomatic(m.run);
    const auto& moves = m.run.state.moves;
    EXPECT_GT(moves.displacements, 0);
    EXPECT_GT(moves.dayRearrangements, 0);
    EXPECT_GT(moves.swapMoves, 0);
    EXPECT_GT(watch.checks, 500);
    EXPECT_EQ(lines(watch.faults), "") << watch.checks;
}

TEST(Run, SameSchoolSameTimetable) {
    auto a = sample(8);
    auto b = sample(8);
    MemoryRun ma(*a);
    sched::runAutomatic(ma.run);
    MemoryRun mb(*b);
    sched::runAutomatic(mb.run);
    EXPECT_EQ(gridBytes(*a), gridBytes(*b));
    EXPECT_EQ(ma.observer.pumps, mb.observer.pumps);
}

TEST(Run, NothingLeftMeansNoSearch) {
    auto db = sample(8);
    {
        MemoryRun first(*db);
        sched::runAutomatic(first.run);
    }
    // Whatever the first run left is placed by hand, so the second finds nothing to do.
    for (const TeacherLesson& tl : db->teacherLessons)
        for (int s = 1; s <= kSlots; ++s) Place(*db, s, tl.classId, tl.lessonId);
    const sched::HourSums sums = sched::teacherHourSums(*db);
    ASSERT_EQ(sums.placed, sums.total);
    // The preparation rewrites the teachers' run values; the cells must stay as they are.
    auto cells = [&] {
        Bytes b = encodeTable(*db, DataFile::ClassTimetable);
        for (const TeacherTimetable& tt : db->teacherTimetables)
            for (const Plane& p : tt.planes) b.insert(b.end(), p.begin(), p.end());
        return b;
    };
    const Bytes before = cells();
    MemoryRun second(*db);
    sched::runAutomatic(second.run);
    EXPECT_TRUE(second.observer.lessons.empty());
    EXPECT_EQ(second.observer.closing, cp1254::lit("Yerleşmeyen ders kalmadı."));
    EXPECT_EQ(cells(), before);
}

TEST(Run, OneTeacherRunPlacesThatTeachersLessons) {
    auto db = sample(8);
    const Id teacher = db->teachers.rows[0].id;
    MemoryRun m(*db);
    sched::runTeacher(m.run, teacher);
    const TeacherTimetable& tt = *db->teacherTimetables.find(teacher);
    EXPECT_EQ(tt.placedHours, tt.totalHours);
    EXPECT_TRUE(checkGridConsistency(*db).empty());
    EXPECT_TRUE(checkReferences(*db).empty());
}

TEST(Run, DeepLevelsStayWithinTheJournal) {
    auto db = test::sampleDb(24);
    db->settings.searchLevel = 99;
    MemoryRun m(*db);
    sched::runAutomatic(m.run);
    EXPECT_LE(m.run.state.deepestAttempt, sched::kMaxAttemptDepth);
    EXPECT_EQ(lines(checkGridConsistency(*db)), "");
}

TEST(Run, NoPatternBlocksMeansNoBlockPass) {
    auto db = sample(2);
    for (ClassLesson& cl : db->classLessons) {
        cl.pattern = {};
        cl.blockCount = 0;
    }
    db->settings.guidanceLessonId = 0;
    const Bytes before = encodeTable(*db, DataFile::ClassTimetable);
    MemoryRun m(*db);
    sched::runAutomatic(m.run);
    EXPECT_EQ(m.run.state.blockLengths.count, 0);
    EXPECT_TRUE(m.observer.lessons.empty());
    EXPECT_EQ(encodeTable(*db, DataFile::ClassTimetable), before);
}

TEST(Timer, ShowsHoursMinutesSeconds) {
    EXPECT_EQ(sched::elapsedText(3723), "01:02:03");
    EXPECT_EQ(sched::elapsedText(0), "00:00:00");
    Database db;
    test::RecordingObserver obs;
    sched::AutoRun run(db, obs, sched::fixedSettings(db.settings));
    EXPECT_EQ(sched::timerTick(run), "00:00:00"); // not running: the timer stands still
    run.state.running = true;
    run.state.elapsedSeconds = 3722;
    EXPECT_EQ(sched::timerTick(run), "01:02:03");
}

} // namespace
} // namespace zs
