#include "repair.h"

#include "day_rules.h"
#include "rules/prepare_teacher.h"
#include "rules/slots.h"

namespace zs::sched {

namespace rv = run_values;

namespace {

// The day re-arrangement is worth its cost only where the teacher's day is what stands
// in the way.
bool teacherDayInTheWay(const AutoRun& run, const PlacementAttempt& a) {
    const TeacherTimetable& tt = firstTeacherGrid(run, a);
    const bool cellEmpty = tt.planes[kOccupantPlane][slotIndex(a.cell)] == 0;
    if (cellEmpty && !gapsOk(run, a, tt)) return true;
    if ((cellEmpty || rv::bothShifts(tt) == 1) && !dailyMaximumOk(run, a, tt)) return true;
    if (!sameLessonPerDay(run, a)) return true;
    return rv::mixedBuildings(tt) == 1;
}

bool twoHourBlockStartsHere(const AutoRun& run, const PlacementAttempt& a) {
    const auto& p = firstClassGrid(run, a).planes;
    const int i = slotIndex(a.cell);
    return p[kOccupantPlane][i] != 0 && p[kBlockLengthPlane][i] == 2 &&
           p[kBlockStartPlane][i] == a.cell;
}

template <class Move> void asSwap(AutoRun& run, PlacementAttempt& a, Move move) {
    if (a.success) return;
    run.state.rearrangeNesting = 1;
    move(run, a);
    run.state.rearrangeNesting = 0;
}

} // namespace

void repairMoves(AutoRun& run, PlacementAttempt& a) {
    RunState& st = run.state;
    if (a.sweep == 1) {
        ++st.moves.displacements;
        displace(run, a);
    }
    if (a.success) return;

    if (st.settingsPhase == 1 && a.sweep == 1 && st.attemptDepth < 3 &&
        st.rearrangeNesting < st.rearrangeLimit && teacherDayInTheWay(run, a)) {
        ++st.rearrangeNesting;
        ++st.moves.dayRearrangements;
        rearrangeDay(run, a);
        --st.rearrangeNesting;
        if (a.success) return;
    }

    if (run.db.settings.splitBlock == 1 && a.sweep == 1 && st.attemptDepth == 1 &&
        twoHourBlockStartsHere(run, a) &&
        firstTeacherGrid(run, a).planes[kOpenPlane][slotIndex(a.cell)] == 1) {
        ++st.moves.twoHourSplits;
        splitTwoHourBlock(run, a);
        if (a.success) return;
    }

    if (!st.pairsOnly && st.currentLevel > 1 && st.attemptDepth < 3 && a.sweep == 1 &&
        st.rearrangeNesting == 0 && a.teacherCount == 1 && a.classCount == 1) {
        ++st.moves.swapMoves;
        asSwap(run, a, splitOwnBlock);
        asSwap(run, a, reshapeOtherBlock);
        asSwap(run, a, reshapeOwnBlock);
    }
}

} // namespace zs::sched
