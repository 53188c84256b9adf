// What an automatic run tells the screen that started it, and the one thing it asks of it:
// to pump the message queue so that "&Geç", "&Durdur" and the timer reach the search.
// The scheduler knows no user interface; a headless run gives an observer that does nothing.
#pragma once

#include "core/ids.h"
#include "run_state.h"

#include <string>
#include <vector>

namespace zs::sched {

class RunObserver {
public:
    virtual ~RunObserver() = default;

    // Once per walk of the week, nested attempts included. A press handled here takes
    // effect at the next walk.
    virtual void pump() {}

    // The whole school: total and placed hours, shown when a run starts and after every
    // block placed.
    virtual void schoolHours(int /*totalHours*/, int /*placedTotal*/) {}
    // "SIRA": the number of teachers of a block pass and the current one's number; 0
    // clears the field.
    virtual void teacherCount(int /*count*/) {}
    virtual void teacherNumber(int /*number*/) {}
    // The teacher being scheduled with its total and placed hours.
    virtual void teacherShown(Id /*teacherId*/, int /*totalHours*/, int /*placedHours*/) {}
    // The class lesson being placed and the lesson's weekly hours.
    virtual void lessonShown(Id /*classId*/, Id /*lessonId*/, int /*weeklyHours*/) {}
    // "ARAMA DÜZEYİ".
    virtual void levelShown(int /*level*/) {}
    // The cell an outermost attempt is trying; the teacher grid marks its row and column.
    virtual void cellTried(int /*cell*/) {}
    // The teacher grid changed and may be repainted.
    virtual void gridChanged() {}
    // The stage the run is in: the faithful search, then completion and improvement.
    virtual void phaseShown(RunPhase /*phase*/) {}
    // What the feasibility check found no search can place, Windows-1254, one a line;
    // told once, before the search starts.
    virtual void impossibleFound(const std::vector<std::string>& /*lines*/) {}
    // The closing message of a run, Windows-1254, for the message dialog.
    virtual void runEnded(const std::string& /*message*/, int /*unplacedHours*/) {}
};

} // namespace zs::sched
