// The rules the search applies to a block at the attempt's cell: the same lesson on one
// day, and the rule chain (daily maximum, building change, gaps, a free day between the
// parts, other hours on other days, one teacher's other lessons of the class, groups).
#pragma once

#include "attempt.h"

namespace zs::sched {

bool sameLessonPerDay(const AutoRun& run, const PlacementAttempt& a);

bool dailyMaximumOk(const AutoRun& run, const PlacementAttempt& a, const TeacherTimetable& tt);
bool buildingChangeOk(const AutoRun& run, const PlacementAttempt& a);
bool gapsOk(const AutoRun& run, const PlacementAttempt& a, const TeacherTimetable& tt);
bool dayBetweenPartsOk(const AutoRun& run, const PlacementAttempt& a);
bool otherHourOtherDayOk(const AutoRun& run, const PlacementAttempt& a);
bool sameClassOtherLessonOk(const AutoRun& run, const PlacementAttempt& a);
bool lessonGroupOk(const AutoRun& run, const PlacementAttempt& a);

// The first rule of the chain, in its order, that refuses the block; Fits when none.
CellExplanation chainObstacle(const AutoRun& run, const PlacementAttempt& a);
// Every rule of the chain, in its order; the first failure fails it.
bool ruleChain(const AutoRun& run, const PlacementAttempt& a);
// The same lesson on one day, then the chain: what a direct placement must pass.
CellExplanation ruleObstacle(const AutoRun& run, const PlacementAttempt& a);

// The teacher's empty open hours between two of its lessons, over the days with working
// hours that are not full (only `onlyDay` when it is not 0); counting stops at `cap`.
int teacherGapCount(const TeacherTimetable& tt, int onlyDay, int cap);

// The gap the gap rule allows next to a lesson: 0 in the strict phase; in the settings
// phase what is left of the week's gaps, at most the gap between two lessons.
int allowedGap(const AutoRun& run, const TeacherTimetable& tt, int day);

// Whether taking out the teacher's block of `length` hours starting at `hour` of `day`
// would leave a gap the teacher may not have.
bool holeTest(const AutoRun& run, const TeacherTimetable& tt, int day, int hour, int length);

} // namespace zs::sched
