#include "attempt.h"

#include "day_rules.h"
#include "journal_ops.h"
#include "repair.h"
#include "rules/prepare_teacher.h"
#include "rules/slots.h"

#include <algorithm>

namespace zs::sched {

namespace rv = run_values;

TeacherTimetable& firstTeacherGrid(AutoRun& run, const PlacementAttempt& a) {
    return run.db.teacherTimetables.rows[a.teacherRow[0]];
}
const TeacherTimetable& firstTeacherGrid(const AutoRun& run, const PlacementAttempt& a) {
    return run.db.teacherTimetables.rows[a.teacherRow[0]];
}
ClassTimetable& firstClassGrid(AutoRun& run, const PlacementAttempt& a) {
    return run.db.classTimetables.rows[a.classRow[0]];
}
const ClassTimetable& firstClassGrid(const AutoRun& run, const PlacementAttempt& a) {
    return run.db.classTimetables.rows[a.classRow[0]];
}

// A block goes beyond the lesson's last hour only when no day offers the teacher enough
// free early hours.
bool earlyRoom(const AutoRun& run, const PlacementAttempt& a) {
    const TeacherTimetable& tt = firstTeacherGrid(run, a);
    if (rv::bothShifts(tt) == 1) return false;
    if (run.state.attemptDepth == 1 && a.targetCell != 0) return false;
    const ClassLesson& cl = *a.classLessonRecord;
    const int lastBlock = cl.blockCount >= 1 && cl.blockCount <= kPatternSize
                              ? a.lesson->pattern[cl.blockCount - 1]
                              : 0;
    const ClassTimetable& ct = firstClassGrid(run, a);
    int count = 0;
    for (int d = 1; d <= kDays; ++d) {
        if (lastBlock > 1) count = 0;
        const int first = ct.firstHour[d - 1];
        for (int h = first; first != 0 && h < first + a.lesson->notAfterHour; ++h) {
            if (!validHour(h)) break;
            const int i = slotIndex(slotOf(d, h));
            if (tt.planes[kOpenPlane][i] != 0 && tt.planes[kOccupantPlane][i] == 0) ++count;
        }
        if (a.length <= count) return true;
    }
    return false;
}

bool pairsRefuse(const AutoRun& run, const PlacementAttempt& a) {
    return run.state.pairsOnly && a.length % 2 == 0 && a.hour % 2 == 0;
}

DayWindow attemptWindow(const Database& db, const PlacementAttempt& a, int day) {
    DayWindow w = dayWindow(db.classTimetables.rows[a.classRow[0]], day);
    for (int c = 1; c < a.classes && !w.empty(); ++c) {
        const DayWindow m = dayWindow(db.classTimetables.rows[a.classRow[c]], day);
        if (m.empty()) return {};
        w.first = std::max(w.first, m.first);
        w.last = std::min(w.last, m.last);
        if (w.first > w.last) return {};
    }
    return w;
}

CellExplanation hourFilter(const AutoRun& run, const PlacementAttempt& a, int hour,
                           const DayWindow& w, int& early) {
    const int notAtHour = a.lesson->notAtHour;
    const int notAfterHour = a.lesson->notAfterHour;
    if (notAtHour != 0 && a.length >= 2 && hour == notAtHour) return {CellReason::NotAtHour};
    if (notAfterHour != 0 && hour + a.length - w.first > notAfterHour) {
        if (early < 0) early = earlyRoom(run, a) ? 1 : 0;
        if (early == 1) return {CellReason::NotAfterHour};
    }
    return {};
}

namespace {

template <std::size_t N> bool closedAt(const std::array<Plane, N>& p, int i) {
    return p[kOpenPlane][i] == 0;
}

} // namespace

CellExplanation blockObstacle(const Database& db, const PlacementAttempt& a) {
    using R = CellReason;
    for (int t = 0; t < a.teachers; ++t) {
        const TeacherTimetable& tt = db.teacherTimetables.rows[a.teacherRow[t]];
        for (int k = 0; k < a.length; ++k)
            if (closedAt(tt.planes, slotIndex(a.cell + k))) return {R::TeacherClosed, tt.teacherId};
    }
    for (int c = 0; c < a.classes; ++c) {
        const ClassTimetable& ct = db.classTimetables.rows[a.classRow[c]];
        for (int k = 0; k < a.length; ++k)
            if (closedAt(ct.planes, slotIndex(a.cell + k))) return {R::ClassClosed, 0, ct.classId};
    }
    for (int r = 0; r < a.rooms; ++r) {
        const RoomTimetable& rt = db.roomTimetables.rows[a.roomRow[r]];
        for (int k = 0; k < a.length; ++k)
            if (closedAt(rt.planes, slotIndex(a.cell + k)))
                return {R::RoomClosed, 0, 0, 0, rt.roomId};
    }
    for (int k = 0; k < a.length; ++k) {
        const int i = slotIndex(a.cell + k);
        for (int t = 0; t < a.teachers; ++t) {
            const TeacherTimetable& tt = db.teacherTimetables.rows[a.teacherRow[t]];
            if (const Id c = tt.planes[kOccupantPlane][i]) {
                const ClassTimetable* ct = db.classTimetables.find(c);
                return {R::TeacherBusy, tt.teacherId, c,
                        ct ? ct->planes[kOccupantPlane][i] : Id{0}};
            }
        }
        for (int c = 0; c < a.classes; ++c) {
            const ClassTimetable& ct = db.classTimetables.rows[a.classRow[c]];
            if (const Id l = ct.planes[kOccupantPlane][i]) return {R::ClassBusy, 0, ct.classId, l};
        }
        for (int r = 0; r < a.rooms; ++r) {
            const RoomTimetable& rt = db.roomTimetables.rows[a.roomRow[r]];
            if (const Id c = rt.planes[kOccupantPlane][i]) return {R::RoomBusy, 0, c, 0, rt.roomId};
        }
    }
    return {};
}

bool blockFits(const Database& db, const PlacementAttempt& a) {
    // The classes first: their cells are the likeliest to be taken.
    for (int k = 0; k < a.length; ++k) {
        const int i = slotIndex(a.cell + k);
        for (int c = 0; c < a.classes; ++c) {
            const auto& p = db.classTimetables.rows[a.classRow[c]].planes;
            if (p[kOccupantPlane][i] != 0 || closedAt(p, i)) return false;
        }
        for (int t = 0; t < a.teachers; ++t) {
            const auto& p = db.teacherTimetables.rows[a.teacherRow[t]].planes;
            if (p[kOccupantPlane][i] != 0 || closedAt(p, i)) return false;
        }
        for (int r = 0; r < a.rooms; ++r) {
            const auto& p = db.roomTimetables.rows[a.roomRow[r]].planes;
            if (p[kOccupantPlane][i] != 0 || closedAt(p, i)) return false;
        }
    }
    return true;
}

BlockState blockState(const Database& db, const PlacementAttempt& a) {
    // One pass: a closed cell anywhere outweighs a taken one, so the walk never stops at
    // the first taken cell.
    if (a.teachers == 1 && a.classes == 1 && a.rooms == 0) {
        // Most class lessons: one teacher, one class, no room.
        const auto& tp = db.teacherTimetables.rows[a.teacherRow[0]].planes;
        const auto& cp = db.classTimetables.rows[a.classRow[0]].planes;
        unsigned taken = 0;
        for (int i = slotIndex(a.cell), end = i + a.length; i < end; ++i) {
            if (tp[kOpenPlane][i] == 0 || cp[kOpenPlane][i] == 0) return BlockState::Closed;
            taken |= unsigned(tp[kOccupantPlane][i]) | cp[kOccupantPlane][i];
        }
        return taken != 0 ? BlockState::Busy : BlockState::Free;
    }
    bool busy = false;
    for (int k = 0; k < a.length; ++k) {
        const int i = slotIndex(a.cell + k);
        for (int t = 0; t < a.teachers; ++t) {
            const auto& p = db.teacherTimetables.rows[a.teacherRow[t]].planes;
            if (closedAt(p, i)) return BlockState::Closed;
            busy = busy || p[kOccupantPlane][i] != 0;
        }
        for (int c = 0; c < a.classes; ++c) {
            const auto& p = db.classTimetables.rows[a.classRow[c]].planes;
            if (closedAt(p, i)) return BlockState::Closed;
            busy = busy || p[kOccupantPlane][i] != 0;
        }
        for (int r = 0; r < a.rooms; ++r) {
            const auto& p = db.roomTimetables.rows[a.roomRow[r]].planes;
            if (closedAt(p, i)) return BlockState::Closed;
            busy = busy || p[kOccupantPlane][i] != 0;
        }
    }
    return busy ? BlockState::Busy : BlockState::Free;
}

namespace {

void addClass(const Database& db, PlacementAttempt& a, Id classId, Id lessonId) {
    const int row = db.classTimetables.positionOf(classId);
    if (classId == 0 || row < 0 || a.classes >= kMaxGroupMembers) return;
    for (int c = 0; c < a.classes; ++c)
        if (a.classIds[c] == classId) return;
    a.classRow[a.classes] = static_cast<std::int16_t>(row);
    a.classIds[a.classes] = classId;
    a.classLesson[a.classes] = lessonId;
    ++a.classes;
}

} // namespace

bool fillAttempt(const Database& db, PlacementAttempt& a, Id classId, Id lessonId) {
    a.classLessonRecord = db.classLessons.find(classId, lessonId);
    a.lesson = db.lessons.find(lessonId);
    if (!a.classLessonRecord || !a.lesson) return false;
    const ClassLesson& cl = *a.classLessonRecord;
    a.teacherCount = cl.teacherCount;
    a.roomCount = cl.roomCount;
    a.lessonId = lessonId;
    a.lessonGroup = a.lesson->groupId;
    a.commonGroupId = cl.commonGroupId;
    a.weeklyHours = a.lesson->weeklyHours;
    a.patternBlocks = cl.blockCount;
    for (int t = 0; t < std::min<int>(cl.teacherCount, kMaxTeachersPerClassLesson); ++t) {
        const int row = db.teacherTimetables.positionOf(cl.teachers[t]);
        if (cl.teachers[t] == 0 || row < 0) continue;
        if (std::find(a.teacherRow.begin(), a.teacherRow.begin() + a.teachers, row) !=
            a.teacherRow.begin() + a.teachers)
            continue;
        a.teacherRow[a.teachers++] = static_cast<std::int16_t>(row);
    }
    for (int r = 0; r < std::min<int>(cl.roomCount, kMaxRoomsPerClassLesson); ++r) {
        const int row = db.roomTimetables.positionOf(cl.rooms[r]);
        if (cl.rooms[r] == 0 || row < 0) continue;
        if (std::find(a.roomRow.begin(), a.roomRow.begin() + a.rooms, row) !=
            a.roomRow.begin() + a.rooms)
            continue;
        a.roomRow[a.rooms++] = static_cast<std::int16_t>(row);
    }
    const CommonGroup* group = db.commonGroups.find(cl.commonGroupId);
    if (group && group->memberCount > 0) {
        for (int m = 0; m < std::min<int>(group->memberCount, kMaxGroupMembers); ++m)
            addClass(db, a, group->memberClass[m], group->memberLesson[m]);
    } else {
        addClass(db, a, classId, lessonId);
    }
    a.classCount = a.classes;
    if (a.teachers == 0 || a.classes == 0) return false;
    a.annex = db.annexFlags[a.firstClass()];
    return true;
}

const PlacementAttempt* attemptOf(const AutoRun& run, Id classId, Id lessonId) {
    if (!run.attempts) {
        thread_local PlacementAttempt own;
        own = PlacementAttempt{};
        return fillAttempt(run.db, own, classId, lessonId) ? &own : nullptr;
    }
    return run.attempts->get(classId, lessonId, [&](PlacementAttempt& fresh) {
        return fillAttempt(run.db, fresh, classId, lessonId);
    });
}

bool fillAttemptOf(const AutoRun& run, PlacementAttempt& a, Id classId, Id lessonId) {
    if (!run.attempts) {
        a = PlacementAttempt{};
        return fillAttempt(run.db, a, classId, lessonId);
    }
    const PlacementAttempt* cached = attemptOf(run, classId, lessonId);
    if (!cached) return false;
    a = *cached;
    return true;
}

namespace {

void tryCell(AutoRun& run, PlacementAttempt& a) {
    if (pairsRefuse(run, a)) return;
    if (run.journal->guardReached()) return;
    const auto& first = firstTeacherGrid(run, a).planes;
    const int i = slotIndex(a.cell);
    if (first[kOccupantPlane][i] == a.firstClass() && first[kBlockStartPlane][i] == a.cell &&
        first[kBlockLengthPlane][i] == a.length)
        return;
    switch (blockState(run.db, a)) {
    case BlockState::Closed:
        return;
    case BlockState::Free:
        if (ruleObstacle(run, a).fits()) {
            a.success = commitBlock(run, a);
            return;
        }
        break;
    case BlockState::Busy:
        break;
    }
    repairMoves(run, a);
}

void walkWeek(AutoRun& run, PlacementAttempt& a) {
    run.observer.pump();
    RunState& st = run.state;
    if (st.stopCode != 0 || st.stopRequested) return;
    const TeacherTimetable& tt = firstTeacherGrid(run, a);
    int early = -1; // unknown until a cell needs it; the walk does not change it
    for (int day = 1; day <= kDays; ++day) {
        if (rv::dayFirstHour(tt, day) == 0) continue;
        const DayWindow w = attemptWindow(run.db, a, day);
        if (w.empty() || w.hours() < a.length) continue;
        for (int hour = w.first; hour <= w.last - a.length + 1; ++hour) {
            const int cell = slotOf(day, hour);
            if (a.targetCell != 0 && cell != a.targetCell) continue;
            if (!hourFilter(run, a, hour, w, early).fits()) continue;
            if (st.workLeft <= 0) return;
            --st.workLeft;
            if (st.attemptDepth == 1) run.observer.cellTried(cell);
            a.day = day;
            a.hour = hour;
            a.cell = cell;
            tryCell(run, a);
            if (a.success) return;
        }
    }
}

} // namespace

bool runAttempt(AutoRun& run, int targetCell, int length, Id classId, Id lessonId) {
    RunState& st = run.state;
    ++st.attemptDepth;
    st.deepestAttempt = std::max(st.deepestAttempt, st.attemptDepth);
    st.rearrangeLimit = run.db.settings.longRearrange;
    if (st.attemptDepth == 1) {
        run.journal->clear();
        st.displacedTotal = 0;
        st.dayRearrangeBusy = false;
        st.rearrangeNesting = 0;
        if (targetCell != 0) {
            st.rearrangeLimit = 1;
            st.pairsOnly = false;
        }
        st.displaceBudget = std::max(st.currentLevel - 1, 0) * (st.pairsOnly ? 1 : 2);
        st.workLeft = attemptWorkBudget(st.currentLevel);
    }
    PlacementAttempt a;
    a.targetCell = targetCell;
    a.length = length;
    const bool usable = length >= 1 && length <= kHoursPerDay &&
                        st.attemptDepth <= kMaxAttemptDepth &&
                        fillAttempt(run.db, a, classId, lessonId);
    if (usable) {
        if (rv::bothShifts(firstTeacherGrid(run, a)) == 1) st.rearrangeLimit = 1;
        a.sweep = 0;
        walkWeek(run, a);
        if (!a.success && st.sweepNo == 2) {
            a.sweep = 1;
            walkWeek(run, a);
        }
    }
    --st.attemptDepth;
    return a.success;
}

} // namespace zs::sched
