// What keeps a block from a cell: the first check of the automatic search that refuses
// it there, with the teacher, class, lesson or room concerned. The search and the
// explanation pane take it from the same checks.
#pragma once

#include "core/ids.h"

namespace zs::sched {

enum class CellReason {
    Fits,
    NothingLeft,       // the lesson has all its hours placed
    OutsideClassHours, // the block does not lie within the hours of every class that day
    TeacherNoHours,    // the teacher has no working hours that day
    NotAtHour,         // the lesson's blocks may not start at this hour
    NotAfterHour,      // beyond the lesson's last hour while some day has room before it
    BlocksOnPairs,     // an even block may not start at an even hour
    TeacherClosed,
    ClassClosed,
    RoomClosed,
    TeacherBusy,
    ClassBusy,
    RoomBusy,
    SameLessonDay, // the lesson already stands on this day
    DailyMaximum,
    BuildingChange,
    Gaps,
    DayBetweenParts,
    OtherHourOtherDay,
    SameClassOtherLesson,
    LessonGroup,
};

struct CellExplanation {
    CellReason reason = CellReason::Fits;
    Id teacherId = 0; // the teacher, class or room concerned, where there is one
    Id classId = 0;
    Id lessonId = 0; // what stands in the way
    Id roomId = 0;
    bool handAllowed = false; // the explanation's note: one hour may go here by hand
    bool fits() const { return reason == CellReason::Fits; }
};

} // namespace zs::sched
