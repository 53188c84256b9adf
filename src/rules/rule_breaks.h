// The placement rules as a finished timetable is judged by them: one function per rule
// that counts its breaks in one teacher's or one class's grid at the rule values in force
// (the prepared teacher records and the settings), and lists each break when asked. The
// figures of a run, the moves that improve a timetable and the list of breaks all count
// with these, so what is optimised is what is shown.
#pragma once

#include "core/database.h"

#include <array>
#include <string>
#include <vector>

namespace zs {

enum class Rule : int {
    GapLimit,             // teachers over the weekly (or daily) gap limit
    DailyMaximum,         // teacher-days over the daily maximum
    Buildings,            // teacher-days changing buildings twice or with no free hour
    DayBetweenParts,      // days of a lesson's parts with no free day between
    OtherHourOtherDay,    // two blocks of one lesson on the same hours of other days
    SameClassOtherLesson, // a teacher's days with two lessons of one class
    LessonGroup,          // class-days with more than two hours of one lesson group
    SameLessonDay,        // a lesson in two blocks on one day
};
inline constexpr int kRuleCount = 8;

// A set of rules, one bit per rule.
using RuleSet = unsigned;
inline constexpr RuleSet ruleBit(Rule r) {
    return 1u << static_cast<int>(r);
}
inline constexpr RuleSet kAllRules = (1u << kRuleCount) - 1;

struct RuleBreak {
    Rule rule = Rule::GapLimit;
    Id teacherId = 0; // the teacher, or the first teacher of the class's lesson
    Id classId = 0;   // the class concerned, 0 for a teacher's gaps, maximum or buildings
    Id lessonId = 0;
    int day = 0; // 0: the whole week
    int firstHour = 0;
    int lastHour = 0;
};

// Each rule function counts the breaks in one grid and, when `out` is given, appends them.
using BreakList = std::vector<RuleBreak>*;

struct TeacherGaps {
    int gaps = 0;          // empty open hours between two lessons, on the limited teachers
    int gapsOverLimit = 0; // beyond the weekly (or per-day) number allowed
    int longGaps = 0;      // hours beyond the longest gap allowed between two lessons
    bool limited = false;
    bool over() const { return gapsOverLimit > 0 || longGaps > 0; }
};
TeacherGaps teacherGaps(const Database& db, const TeacherTimetable& tt);
// The empty open hours between two lessons, whether or not the teacher may have them.
int plainGaps(const TeacherTimetable& tt);

int gapLimitBreaks(const Database& db, const TeacherTimetable& tt, BreakList out = nullptr);
// A day holding a block longer than the maximum may hold as many hours as that block.
int dailyMaximumBreaks(const TeacherTimetable& tt, BreakList out = nullptr);
// One change of building a day, with a free hour before it, is allowed.
int buildingBreaks(const Database& db, const TeacherTimetable& tt, BreakList out = nullptr);
// Two lessons of one class on one day, unless they are a single hour each.
int sameClassOtherLessonBreaks(const Database& db, const TeacherTimetable& tt,
                               BreakList out = nullptr);
// The two-part lessons (or those without a pattern) whose first teacher holds the rule.
int dayBetweenPartsBreaks(const Database& db, const ClassTimetable& ct, BreakList out = nullptr);
int otherHourOtherDayBreaks(const Database& db, const ClassTimetable& ct, BreakList out = nullptr);
int lessonGroupBreaks(const Database& db, const ClassTimetable& ct, BreakList out = nullptr);
int sameLessonDayBreaks(const Database& db, const ClassTimetable& ct, BreakList out = nullptr);

struct RuleCounts {
    std::array<int, kRuleCount> n{};
    int& operator[](Rule r) { return n[static_cast<int>(r)]; }
    int operator[](Rule r) const { return n[static_cast<int>(r)]; }
    int total() const;
    RuleCounts& operator+=(const RuleCounts& o);
    // Whether some rule outside `allowed` is broken more often here than in `o`.
    bool exceeds(const RuleCounts& o, RuleSet allowed = 0) const;
};

// `gaps`, when given, receives the teacher's gaps as the gap rule counted them.
RuleCounts teacherBreaks(const Database& db, const TeacherTimetable& tt, BreakList out = nullptr,
                         TeacherGaps* gaps = nullptr);
RuleCounts classBreaks(const Database& db, const ClassTimetable& ct, BreakList out = nullptr);

// The rules some teacher (or the school) holds; a rule nobody holds counts nothing, so
// the counts by day below skip it.
struct RulesHeld {
    std::array<bool, kRuleCount> on{};
    bool operator[](Rule r) const { return on[static_cast<int>(r)]; }
};
RulesHeld rulesHeld(const Database& db);

// The same counts kept day by day, so that a change to one day is counted again for that
// day alone: a move of the automatic run touches one or two days of a few grids.
struct TeacherDay {
    int gaps = 0;     // empty open hours between two lessons
    int longGaps = 0; // hours beyond the longest gap allowed between two lessons
    int overMaximum = 0;
    int buildings = 0;
    int sameClass = 0;
};
using TeacherWeek = std::array<TeacherDay, kDays>;
TeacherDay teacherDay(const Database& db, const TeacherTimetable& tt, int day,
                      const RulesHeld& held);
TeacherWeek teacherWeek(const Database& db, const TeacherTimetable& tt, const RulesHeld& held);
// The teacher's counts, as teacherBreaks gives them, from the figures of the days.
RuleCounts weekBreaks(const Database& db, const TeacherTimetable& tt, const TeacherWeek& week,
                      TeacherGaps* gaps = nullptr);

struct ClassDay {
    int lessonGroup = 0;
    int sameLessonDay = 0;
};
// A class's days, and the two rules that look across days, counted on the whole grid.
struct ClassWeek {
    std::array<ClassDay, kDays> day{};
    int dayBetweenParts = 0;
    int otherHourOtherDay = 0;
};
ClassDay classDay(const Database& db, const ClassTimetable& ct, int day, const RulesHeld& held);
void countAcrossDays(const Database& db, const ClassTimetable& ct, const RulesHeld& held,
                     ClassWeek& week);
// The two rules that look across days for one lesson of the class, on `occupants` (the
// class's plane, or one as it stood before some changes): countAcrossDays is their sum
// over the class's lessons, so a change to a few lessons is counted by those alone.
struct AcrossDays {
    int dayBetweenParts = 0;
    int otherHourOtherDay = 0;
};
AcrossDays lessonAcrossDays(const Database& db, const ClassTimetable& ct, const Plane& occupants,
                            Id lessonId, const RulesHeld& held);
ClassWeek classWeek(const Database& db, const ClassTimetable& ct, const RulesHeld& held);
RuleCounts weekBreaks(const Database& db, const ClassTimetable& ct, const ClassWeek& week);

// Over every teacher and class of the school.
RuleCounts schoolBreaks(const Database& db, BreakList out = nullptr);
std::vector<RuleBreak> listBreaks(const Database& db);

// Whether the rule is switched on for some teacher (or the school): only those are shown.
bool ruleInForce(const Database& db, Rule r);

// The rule's short name, Windows-1254.
std::string ruleName(Rule r);

} // namespace zs
