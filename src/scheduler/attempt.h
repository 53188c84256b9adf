// The search object for placing one block of one class lesson: it walks the week and
// tries each cell, directly and then with the repair moves.
#pragma once

#include "cell_reason.h"
#include "class_lesson_cache.h"
#include "rules/daily_hours.h"
#include "run.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zs::sched {

inline constexpr int kMaxDisplaced = 4; // a fifth block in the way ends a displacement

struct PlacementAttempt {
    bool success = false;
    bool displaceOk = false;
    int day = 0;
    int hour = 0;
    int displacedCount = 0;
    int cell = 0;
    int length = 0;
    int teacherCount = 0; // ClassLesson.teacherCount
    int classCount = 0;
    int roomCount = 0;
    Id lessonId = 0;
    Id lessonGroup = 0;
    int sweep = 0;
    Id commonGroupId = 0;
    std::array<u8, 10> displacedStart{};
    std::array<u8, 10> displacedLength{};
    std::array<Id, 10> displacedClass{};
    std::array<Id, 10> displacedLesson{};
    std::array<u8, 10> displacedNeedsDay{};
    int targetCell = 0;
    int weeklyHours = 0;
    int patternBlocks = 0; // ClassLesson.blockCount
    u8 annex = 0;

    // The grids concerned, as table rows: the teachers and rooms with a timetable, and
    // the class itself or every member class of its common group with the lesson it holds.
    int teachers = 0;
    std::array<std::int16_t, kMaxTeachersPerClassLesson> teacherRow{};
    int classes = 0;
    std::array<std::int16_t, kMaxGroupMembers> classRow{};
    std::array<Id, kMaxGroupMembers> classIds{};
    std::array<Id, kMaxGroupMembers> classLesson{};
    int rooms = 0;
    std::array<std::int16_t, kMaxRoomsPerClassLesson> roomRow{};

    const Lesson* lesson = nullptr;
    const ClassLesson* classLessonRecord = nullptr;

    Id firstClass() const { return classIds[0]; }
    Id firstClassLesson() const { return classLesson[0]; }
};

// Creates the attempt for a block of `length` hours of (class, lesson), at `targetCell`
// only when it is not 0, walks the week once or twice, and answers whether it placed.
bool runAttempt(AutoRun& run, int targetCell, int length, Id classId, Id lessonId);

// The fields of an attempt from the class lesson, its lesson and its common group. False
// when the attempt has no grid to work on: no teacher or class with a timetable record.
bool fillAttempt(const Database& db, PlacementAttempt& a, Id classId, Id lessonId);

// The attempts of the class lessons, each filled once; see AutoRun::attempts.
struct AttemptCache : ClassLessonCache<PlacementAttempt> {};

// fillAttempt, through the run's cache while it has one.
bool fillAttemptOf(const AutoRun& run, PlacementAttempt& a, Id classId, Id lessonId);
// The same for reading only, without a copy: nullptr when the class lesson has no attempt.
// Valid until the next call: a new entry may move the cache.
const PlacementAttempt* attemptOf(const AutoRun& run, Id classId, Id lessonId);

// The blocks-on-pairs rule, while in force: a block of even length never starts at an
// even hour.
bool pairsRefuse(const AutoRun& run, const PlacementAttempt& a);

// The early-room test of the lesson's last hour: true when some day offers the first
// teacher enough free hours before it, so the block is kept within them.
bool earlyRoom(const AutoRun& run, const PlacementAttempt& a);

// The hours of `day` that lie within the day of every class of the attempt: a common
// lesson goes only where all its member classes have lessons.
DayWindow attemptWindow(const Database& db, const PlacementAttempt& a, int day);

// The walk's own filters of a start hour within that window: the lesson's not-at-hour
// and the soft not-after-hour rule. `early` caches the early-room test for the walk
// (-1 unknown).
CellExplanation hourFilter(const AutoRun& run, const PlacementAttempt& a, int hour,
                           const DayWindow& w, int& early);

// The first closed cell of the block for any teacher, class or room of the attempt,
// then the first busy one; Fits when every cell is free.
CellExplanation blockObstacle(const Database& db, const PlacementAttempt& a);
// Whether blockObstacle finds the block fitting, without the reason.
bool blockFits(const Database& db, const PlacementAttempt& a);
// What blockObstacle would find, without the grid concerned: the search's hot path needs
// no more.
enum class BlockState { Free, Closed, Busy };
BlockState blockState(const Database& db, const PlacementAttempt& a);

// The grids of the attempt's first teacher and first class.
TeacherTimetable& firstTeacherGrid(AutoRun& run, const PlacementAttempt& a);
const TeacherTimetable& firstTeacherGrid(const AutoRun& run, const PlacementAttempt& a);
ClassTimetable& firstClassGrid(AutoRun& run, const PlacementAttempt& a);
const ClassTimetable& firstClassGrid(const AutoRun& run, const PlacementAttempt& a);

} // namespace zs::sched
