// Teacher preparation before an automatic run: the rule bytes in force, the day windows,
// the daily targets, and the order in which a run for all teachers takes the teachers.
#pragma once

#include "core/database.h"

#include <memory>
#include <vector>

namespace zs {

// The run values of a teacher timetable, named by their bytes in the record.
namespace run_values {
inline u8& spare5(TeacherTimetable& t) {
    return t.runValuesA[0];
}
// Days 1..5; 0 as the first hour means no working hours that day.
inline u8& dayFirstHour(TeacherTimetable& t, int day) {
    return t.runValuesA[day];
}
inline u8 dayFirstHour(const TeacherTimetable& t, int day) {
    return t.runValuesA[day];
}
inline u8& dayLastHour(TeacherTimetable& t, int day) {
    return t.runValuesA[5 + day];
}
inline u8 dayLastHour(const TeacherTimetable& t, int day) {
    return t.runValuesA[5 + day];
}
inline u8& usablePerDay(TeacherTimetable& t, int day) {
    return t.runValuesA[10 + day];
}
inline u8 usablePerDay(const TeacherTimetable& t, int day) {
    return t.runValuesA[10 + day];
}
inline u8& dayQuota(TeacherTimetable& t) {
    return t.runValuesB[2];
}
inline u8 dayQuota(const TeacherTimetable& t) {
    return t.runValuesB[2];
}
inline u8& slack(TeacherTimetable& t) {
    return t.runValuesB[3];
}
inline u8 slack(const TeacherTimetable& t) {
    return t.runValuesB[3];
}
inline u8& evenSpreadInForce(TeacherTimetable& t) {
    return t.runValuesB[4];
}
inline u8 evenSpreadInForce(const TeacherTimetable& t) {
    return t.runValuesB[4];
}
inline u8& dailyLow(TeacherTimetable& t) {
    return t.runValuesB[5];
}
inline u8 dailyLow(const TeacherTimetable& t) {
    return t.runValuesB[5];
}
inline u8& dailyHigh(TeacherTimetable& t) {
    return t.runValuesB[6];
}
inline u8 dailyHigh(const TeacherTimetable& t) {
    return t.runValuesB[6];
}
inline u8& overflowAllowance(TeacherTimetable& t) {
    return t.runValuesB[7];
}
inline u8 overflowAllowance(const TeacherTimetable& t) {
    return t.runValuesB[7];
}
inline u8& twoBlockFit(TeacherTimetable& t) {
    return t.runValuesB[8];
}
inline u8 twoBlockFit(const TeacherTimetable& t) {
    return t.runValuesB[8];
}
inline u8& mixedBuildings(TeacherTimetable& t) {
    return t.runValuesB[10];
}
inline u8 mixedBuildings(const TeacherTimetable& t) {
    return t.runValuesB[10];
}
inline u8& bothShifts(TeacherTimetable& t) {
    return t.reserved51;
}
inline u8 bothShifts(const TeacherTimetable& t) {
    return t.reserved51;
}
} // namespace run_values

// Positions of effectiveRules and teacherRules, in the order of the settings' rule bytes.
enum RuleByte : int {
    kAllowGaps = 0,
    kMaxGapsPerWeek = 1,
    kMaxGapBetween = 2,
    kSameClassOtherDay = 3,
    kDayBetweenParts = 4,
    kOtherHourOtherDay = 5,
    kGroupOtherDay = 6,
    kMaxHoursPerDay = 7
};

enum class Preparation {
    NoTimetable,  // the teacher has no timetable record: nothing was written
    NoHours,      // no weekly hours: only the rules in force and the day quota were set
    NoWorkingDay, // every day closed after trimming: left for the run to report
    Prepared,
};

struct PrepareOutcome {
    Preparation result = Preparation::NoTimetable;
    bool cannotFit = false; // the teacher's hours cannot fit its open cells or odd runs
};

// Works out the values an automatic run reads for the teacher from the settings in
// memory, the teacher's own rule bytes, the class windows and the teacher's grid.
// The weekly totals must be up to date.
PrepareOutcome PrepareTeacher(Database& db, Id teacherId);

// The teachers of a run for all teachers, in its priority order: teachers of both shifts
// first, then by the text of 99 - slack, larger first; equal keys keep `ids` order.
std::vector<Id> teacherRunOrder(const Database& db, const std::vector<Id>& ids);

// A copy of the data with every teacher's weekly totals and run values worked out from the
// settings in memory: what the checks and lists of a school as it stands read.
std::unique_ptr<Database> preparedCopy(const Database& db);

// Round to nearest, a half to the even neighbour.
int nearestEven(int numerator, int denominator);

} // namespace zs
