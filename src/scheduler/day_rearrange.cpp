// The day re-arrangement ("Yeniden Düzenleme"): a teacher's whole day is taken out, the
// block goes in first, and the day's other blocks are placed again around it.
#include "journal_ops.h"
#include "repair.h"
#include "rules/block_run.h"
#include "rules/prepare_teacher.h"
#include "rules/slots.h"

#include <array>

namespace zs::sched {

namespace rv = run_values;

namespace {

struct Removed {
    Id classId = 0;
    Id lessonId = 0;
    int length = 0;
    bool replaced = false;
};

struct DayBlocks {
    std::array<Removed, kHoursPerDay> blocks{};
    int count = 0;
};

// Takes out every block of the teacher in hours first..last of the day. False when a
// block is locked or cannot be taken out; the caller rolls back.
bool takeOutDay(AutoRun& run, int teacherRow, int day, int first, int last, DayBlocks& out) {
    Database& db = run.db;
    for (int h = first; h >= 1 && h <= last && h <= kHoursPerDay; ++h) {
        const int slot = slotOf(day, h);
        const TeacherTimetable& tt = db.teacherTimetables.rows[teacherRow];
        const Id c = tt.planes[kOccupantPlane][slotIndex(slot)];
        if (c == 0) continue;
        if (tt.planes[kOpenPlane][slotIndex(slot)] == 0) return false;
        const int classRow = db.classTimetables.positionOf(c);
        if (classRow < 0) return false;
        const ClassTimetable& ct = db.classTimetables.rows[classRow];
        const Id lessonId = ct.planes[kOccupantPlane][slotIndex(slot)];
        const zs::Run block = runAt(ct.planes[kOccupantPlane], slot);
        if (lessonId == 0 || out.count >= kHoursPerDay || !removeBlock(run, classRow, block.start))
            return false;
        out.blocks[out.count++] = {c, lessonId, block.length, false};
    }
    return true;
}

// One round over the blocks not yet placed again; answers how many it placed.
int replaceRound(AutoRun& run, DayBlocks& day, bool stopAtFailure) {
    int placed = 0;
    for (int n = 0; n < day.count; ++n) {
        Removed& r = day.blocks[n];
        if (r.replaced) continue;
        r.replaced = runAttempt(run, 0, r.length, r.classId, r.lessonId);
        if (r.replaced)
            ++placed;
        else if (stopAtFailure)
            break;
    }
    return placed;
}

bool allReplaced(const DayBlocks& day) {
    for (int n = 0; n < day.count; ++n)
        if (!day.blocks[n].replaced) return false;
    return true;
}

} // namespace

void rearrangeDay(AutoRun& run, PlacementAttempt& a) {
    RunState& st = run.state;
    const TeacherTimetable& tt = firstTeacherGrid(run, a);
    const int mark = run.journal->count;
    DayBlocks day;
    if (!takeOutDay(run, a.teacherRow[0], a.day, rv::dayFirstHour(tt, a.day),
                    rv::dayLastHour(tt, a.day), day)) {
        rollBack(run, mark);
        return;
    }
    if (day.count == 0) return;
    if (!runAttempt(run, a.cell, a.length, a.firstClass(), a.firstClassLesson())) {
        rollBack(run, mark);
        return;
    }
    setBlockOpen(run, a, 0);
    int placedLastRound = 0;
    do {
        placedLastRound = 0;
        for (int sub = 1; sub <= 2 && !allReplaced(day); ++sub) {
            st.sweepNo = sub;
            placedLastRound += replaceRound(run, day, false);
        }
    } while (!allReplaced(day) && placedLastRound > 0);
    setBlockOpen(run, a, 1);
    st.sweepNo = 2;
    if (allReplaced(day))
        a.success = true;
    else
        rollBack(run, mark);
}

bool rearrangeDisplacedDay(AutoRun& run, const PlacementAttempt& a, int index) {
    RunState& st = run.state;
    Database& db = run.db;
    st.dayRearrangeBusy = true;
    ++st.moves.displacedDayRearrangements;
    const Id classId = a.displacedClass[index];
    const Id lessonId = a.displacedLesson[index];
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!cl || cl->teacherCount != 1 || cl->commonGroupId != 0) return false;
    const int teacherRow = db.teacherTimetables.positionOf(cl->teachers[0]);
    if (teacherRow < 0) return false;
    const int mark = run.journal->count;
    DayBlocks day;
    bool ok = takeOutDay(run, teacherRow, a.day, 1, kHoursPerDay, day) &&
              runAttempt(run, 0, a.displacedLength[index], classId, lessonId);
    if (ok) {
        st.sweepNo = 1;
        replaceRound(run, day, true);
        if (!allReplaced(day)) {
            st.sweepNo = 2;
            replaceRound(run, day, true);
        }
        ok = allReplaced(day);
    }
    st.sweepNo = 2;
    if (!ok) rollBack(run, mark);
    return ok;
}

} // namespace zs::sched
