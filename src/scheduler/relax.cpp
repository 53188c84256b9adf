// The relaxation of the rule settings when a run leaves hours unplaced: one step at a
// time, each only where its box of "OTOMATİK AYARLAR" is ticked. The steps change the
// settings in memory only; the run reloads them from file when it ends.
#include "scheduler.h"

namespace zs::sched {

namespace {

bool ticked(const Settings& s, int box) {
    return s.autoOptions[box - 1] == 1;
}

void widenGaps(Settings& s) {
    if (s.maxGapBetween < s.maxGapsPerWeek) {
        ++s.maxGapBetween;
        return;
    }
    ++s.maxGapsPerWeek;
    if (s.maxGapBetween == 0) s.maxGapBetween = 1;
}

} // namespace

bool relaxStep(AutoRun& run) {
    RunState& st = run.state;
    Settings& s = run.db.settings;
    if (st.placedTotal == st.totalHours || s.autoAdjust == 0) return false;
    if (ticked(s, 4) && s.groupOtherDay == 1 && st.groupLevel == 0) {
        st.groupLevel = 1;
    } else if (ticked(s, 3) && s.otherHourOtherDay == 1) {
        s.otherHourOtherDay = 0;
    } else if (ticked(s, 3) && s.dayBetweenParts == 1) {
        s.dayBetweenParts = 0;
    } else if (ticked(s, 1) && s.maxGapsPerWeek < 2) {
        widenGaps(s);
    } else if (ticked(s, 4) && s.groupOtherDay == 1 && st.groupLevel < 2) {
        ++st.groupLevel;
    } else if (ticked(s, 2) && s.sameClassOtherDay == 1) {
        s.sameClassOtherDay = 0;
    } else if (ticked(s, 1) && s.maxGapsPerWeek < 3) {
        widenGaps(s);
    } else {
        return false;
    }
    return true;
}

} // namespace zs::sched
