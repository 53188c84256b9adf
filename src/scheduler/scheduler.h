// The automatic scheduler: the run for all teachers ("Otomat"), the run for one teacher
// ("Öğretmen"), the placement of one lesson at a chosen cell ("BURAYA YERLEŞTİR"), the
// stop and skip requests and the elapsed-time tick. Everything runs on the caller's
// thread; the observer's pump is where the requests come in.
#pragma once

#include "rules/rule_breaks.h"
#include "run.h"

#include <vector>

namespace zs::sched {

// The whole automatic run. The weekly totals of the teachers and classes must be up to
// date (the teacher screen computes them when it opens).
void runAutomatic(AutoRun& run);

// The run for one teacher, without relaxation steps.
void runTeacher(AutoRun& run, Id teacherId);

// Places the next block of one class lesson exactly at `cell`, or nowhere; answers
// whether it did.
bool placeAtCell(AutoRun& run, Id teacherId, Id classId, Id lessonId, int cell);

// The weekly totals and preparation of the teachers of one class lesson, from the
// settings in memory: what a search for that lesson alone reads.
void prepareLessonTeachers(Database& db, Id classId, Id lessonId);

// The guidance lessons at their fixed cells, each locked there once placed.
void placeGuidanceLessons(AutoRun& run);

// One relaxation step of the settings in memory; false when there is none to make.
bool relaxStep(AutoRun& run);
// The rules the relaxation steps of `settings` loosen, as the steps reach them: entry k
// holds the rules of the first k+1 rules reached. Empty when nothing may be loosened
// (automatic adjustment off, or no box ticked whose rule is in force).
std::vector<RuleSet> relaxationLadder(const Settings& settings);

// "&Durdur" ends the whole run, every stage; "&Geç" abandons the lesson being placed.
void requestStop(AutoRun& run);
void requestSkip(AutoRun& run);

// The one-second timer: counts and answers the elapsed time as shown.
std::string timerTick(AutoRun& run);

// The faithful search's order of the teachers, each moved by up to this share of the
// teachers, at random from a seed of its own for each `attempt`: another search from the
// start then fills the week in another order, but the teachers with the least room still
// come early.
inline constexpr double kOrderSpread = 0.3;
std::vector<Id> shuffledOrder(const std::vector<Id>& order, unsigned attempt);

// Sums of totalHours and placedHours over the teachers.
struct HourSums {
    int total = 0;
    int placed = 0;
};
HourSums teacherHourSums(const Database& db);
// The run's placed total counted again from the teachers' grids, and shown: after a pass
// that moved blocks without counting them one by one.
void countPlacedAgain(AutoRun& run);

// The first line of a run's closing message, Windows-1254: the hours of class lessons
// still to place, as YERLEŞMEYEN DERSLER totals them.
std::string closingMessage(int unplacedHours);

} // namespace zs::sched
