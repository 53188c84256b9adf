#include "improve_stage.h"

#include "journal_ops.h"
#include "kempe.h"
#include "rules/block_run.h"
#include "rules/patterns.h"
#include "rules/prepare_teacher.h"
#include "rules/slots.h"
#include "unplaced_report.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace zs::sched {

namespace {

GridScore teacherScore(const Database& db, const TeacherTimetable& tt, const TeacherWeek& week) {
    GridScore t;
    if (!db.teachers.contains(tt.teacherId)) return t;
    TeacherGaps g;
    t.breaks = weekBreaks(db, tt, week, &g);
    t.penalty = kFirmRuleWeight * (t.breaks.total() - t.breaks[Rule::GapLimit]) +
                kRuleWeight * (g.gapsOverLimit + g.longGaps + t.breaks[Rule::GapLimit]);
    if (g.limited) t.penalty += g.gaps;
    return t;
}

int weigh(const RuleCounts& c) {
    return kFirmRuleWeight * c.total();
}

// The week's figures with the days in `days` counted again from the grid.
void recount(const Database& db, const TeacherTimetable& tt, const RulesHeld& held, unsigned days,
             TeacherWeek& week) {
    for (int d = 1; d <= kDays; ++d)
        if (days >> (d - 1) & 1) week[d - 1] = teacherDay(db, tt, d, held);
}

// The same for class row `row`, whose week stood as `week` before the journal's entries
// from `from`: the rules across days are counted again for the lessons those entries
// changed only, on the plane as it stood and as it stands.
void recount(const Database& db, const ClassTimetable& ct, const RulesHeld& held, unsigned days,
             ClassWeek& week, const UndoJournal& j, int from, int row) {
    for (int d = 1; d <= kDays; ++d)
        if (days >> (d - 1) & 1) week.day[d - 1] = classDay(db, ct, d, held);
    if (days == 0) return;
    Plane before = ct.planes[kOccupantPlane];
    std::array<Id, 256> changed; // the lessons, each once
    std::size_t count = 0;
    auto note = [&](Id l) {
        if (l != 0 &&
            std::find(changed.begin(), changed.begin() + count, l) == changed.begin() + count)
            changed[count++] = l;
    };
    for (int e = j.count - 1; e >= from; --e) {
        if (j.grid[e] != GridKind::Class || j.position[e] != row) continue;
        const std::size_t i = std::size_t(slotIndex(j.cell[e]));
        note(before[i]);
        before[i] = j.formerOccupant[e];
        note(before[i]);
    }
    for (std::size_t k = 0; k < count; ++k) {
        const AcrossDays was = lessonAcrossDays(db, ct, before, changed[k], held);
        const AcrossDays now =
            lessonAcrossDays(db, ct, ct.planes[kOccupantPlane], changed[k], held);
        week.dayBetweenParts += now.dayBetweenParts - was.dayBetweenParts;
        week.otherHourOtherDay += now.otherHourOtherDay - was.otherHourOtherDay;
    }
}

void markDay(std::vector<std::pair<int, unsigned>>& rows, int row, unsigned day) {
    for (auto& [r, days] : rows)
        if (r == row) {
            days |= day;
            return;
        }
    rows.emplace_back(row, day);
}

} // namespace

void TouchedDays::collect(const UndoJournal& j, int mark) {
    teachers.clear();
    classes.clear();
    all = 0;
    for (int e = mark; e < j.count; ++e) {
        const unsigned day = 1u << (dayOf(j.cell[e]) - 1);
        all |= day;
        if (j.grid[e] == GridKind::Teacher)
            markDay(teachers, j.position[e], day);
        else if (j.grid[e] == GridKind::Class)
            markDay(classes, j.position[e], day);
    }
}

Scores::Scores(const Database& db, const RulesHeld& h) : held(h) {
    for (const TeacherTimetable& tt : db.teacherTimetables) {
        teacherWeeks.push_back(teacherWeek(db, tt, held));
        const GridScore t = teacherScore(db, tt, teacherWeeks.back());
        teacher.push_back(t.penalty);
        teacherRules.push_back(t.breaks);
    }
    for (const ClassTimetable& ct : db.classTimetables) {
        classWeeks.push_back(classWeek(db, ct, held));
        classRules.push_back(weekBreaks(db, ct, classWeeks.back()));
        klass.push_back(weigh(classRules.back()));
    }
    for (const RuleCounts& c : teacherRules) school += c;
    for (const RuleCounts& c : classRules) school += c;
}

int Scores::delta(const AutoRun& run, int from) {
    const Database& db = run.db;
    touched.collect(*run.journal, from);
    int d = 0;
    RuleCounts more;
    nowTeachers.clear();
    nowTeacherPenalty.clear();
    nowTeacherWeeks.clear();
    nowClasses.clear();
    nowClassWeeks.clear();
    for (const auto& [t, days] : touched.teachers) {
        const TeacherTimetable& tt = db.teacherTimetables.rows[t];
        TeacherWeek week = teacherWeeks[t];
        recount(db, tt, held, days, week);
        const GridScore now = teacherScore(db, tt, week);
        d += now.penalty - teacher[t];
        for (int r = 0; r < kRuleCount; ++r) more.n[r] += now.breaks.n[r] - teacherRules[t].n[r];
        nowTeachers.push_back(now.breaks);
        nowTeacherPenalty.push_back(now.penalty);
        nowTeacherWeeks.push_back(week);
    }
    for (const auto& [c, days] : touched.classes) {
        const ClassTimetable& ct = db.classTimetables.rows[c];
        ClassWeek week = classWeeks[c];
        recount(db, ct, held, days, week, *run.journal, from, c);
        const RuleCounts now = weekBreaks(db, ct, week);
        d += weigh(now) - klass[c];
        for (int r = 0; r < kRuleCount; ++r) more.n[r] += now.n[r] - classRules[c].n[r];
        nowClasses.push_back(now);
        nowClassWeeks.push_back(week);
    }
    // No rule in force is broken more often to gain on another, nor to close gaps.
    for (int r = 0; r < kRuleCount; ++r)
        if (more.n[r] > 0 && (mayRise & ruleBit(static_cast<Rule>(r))) == 0) return kNeverWorth;
    return d;
}

int Scores::total() const {
    int t = 0;
    for (int p : teacher) t += p;
    for (int p : klass) t += p;
    return t;
}

int Scores::teachersOverGapLimit() const {
    return school[Rule::GapLimit];
}

void Scores::accept() {
    auto keep = [&](RuleCounts& kept, const RuleCounts& now) {
        for (int r = 0; r < kRuleCount; ++r) school.n[r] += now.n[r] - kept.n[r];
        kept = now;
    };
    for (std::size_t k = 0; k < touched.teachers.size(); ++k) {
        const int t = touched.teachers[k].first;
        teacher[t] = nowTeacherPenalty[k];
        keep(teacherRules[t], nowTeachers[k]);
        teacherWeeks[t] = nowTeacherWeeks[k];
    }
    for (std::size_t k = 0; k < touched.classes.size(); ++k) {
        const int c = touched.classes[k].first;
        keep(classRules[c], nowClasses[k]);
        klass[c] = weigh(nowClasses[k]);
        classWeeks[c] = nowClassWeeks[k];
    }
}

// Every count is zero or more, so the sums tell whether one is broken anywhere.
bool Scores::anyBroken() const {
    return school.total() > 0;
}

int Scores::firmBreaks() const {
    return school.total() - school[Rule::GapLimit];
}

bool Scores::dayRulesBroken() const {
    return school[Rule::DayBetweenParts] + school[Rule::OtherHourOtherDay] +
               school[Rule::LessonGroup] >
           0;
}

bool Scores::troubled(const PlacementAttempt& a) const {
    for (int t = 0; t < a.teachers; ++t)
        if (teacherRules[a.teacherRow[t]].total() > 0) return true;
    for (int c = 0; c < a.classes; ++c)
        if (classRules[a.classRow[c]].total() > 0) return true;
    return false;
}

void Affected::add(const PlacementAttempt& a) {
    for (int t = 0; t < a.teachers; ++t)
        if (std::find(teachers.begin(), teachers.begin() + teacherCount, a.teacherRow[t]) ==
                teachers.begin() + teacherCount &&
            teacherCount < int(teachers.size()))
            teachers[std::size_t(teacherCount++)] = a.teacherRow[t];
    for (int c = 0; c < a.classes; ++c)
        if (std::find(classes.begin(), classes.begin() + classCount, a.classRow[c]) ==
                classes.begin() + classCount &&
            classCount < int(classes.size()))
            classes[std::size_t(classCount++)] = a.classRow[c];
}

namespace {

// The days the journal changed a grid row on, as a bit per day.
unsigned journalDays(const UndoJournal& j, GridKind kind, int row) {
    unsigned days = 0;
    for (int e = 0; e < j.count; ++e)
        if (j.grid[e] == kind && j.position[e] == row) days |= 1u << (dayOf(j.cell[e]) - 1);
    return days;
}

} // namespace

GridScore Affected::measure(const AutoRun& run, const RulesHeld& held, const Scores* kept) {
    const Database& db = run.db;
    GridScore sum;
    for (int k = 0; k < teacherCount; ++k) {
        const int t = teachers[std::size_t(k)];
        const TeacherTimetable& tt = db.teacherTimetables.rows[t];
        TeacherWeek& week = teacherWeeks_[std::size_t(k)];
        if (kept) {
            week = kept->teacherWeeks[t];
            recount(db, tt, held, journalDays(*run.journal, GridKind::Teacher, t), week);
        } else {
            week = teacherWeek(db, tt, held);
        }
        const GridScore one = teacherScore(db, tt, week);
        sum.penalty += one.penalty;
        sum.breaks += one.breaks;
    }
    for (int k = 0; k < classCount; ++k) {
        const int c = classes[std::size_t(k)];
        const ClassTimetable& ct = db.classTimetables.rows[c];
        ClassWeek& week = classWeeks_[std::size_t(k)];
        if (kept) {
            week = kept->classWeeks[c];
            recount(db, ct, held, journalDays(*run.journal, GridKind::Class, c), week, *run.journal,
                    0, c);
        } else {
            week = classWeek(db, ct, held);
        }
        const RuleCounts one = weekBreaks(db, ct, week);
        sum.penalty += weigh(one);
        sum.breaks += one;
    }
    return sum;
}

GridScore Affected::since(const AutoRun& run, const RulesHeld& held, int from) {
    const Database& db = run.db;
    const UndoJournal& j = *run.journal;
    unsigned days = 0;
    for (int e = from; e < j.count; ++e) days |= 1u << (dayOf(j.cell[e]) - 1);
    GridScore sum;
    for (int k = 0; k < teacherCount; ++k) {
        const TeacherTimetable& tt = db.teacherTimetables.rows[teachers[std::size_t(k)]];
        TeacherWeek week = teacherWeeks_[std::size_t(k)];
        recount(db, tt, held, days, week);
        const GridScore one = teacherScore(db, tt, week);
        sum.penalty += one.penalty;
        sum.breaks += one.breaks;
    }
    for (int k = 0; k < classCount; ++k) {
        const int row = classes[std::size_t(k)];
        const ClassTimetable& ct = db.classTimetables.rows[row];
        ClassWeek week = classWeeks_[std::size_t(k)];
        recount(db, ct, held, days, week, j, from, row);
        const RuleCounts one = weekBreaks(db, ct, week);
        sum.penalty += weigh(one);
        sum.breaks += one;
    }
    return sum;
}

std::vector<int> placeableBlocks(const AutoRun& run, Id classId, Id lessonId) {
    std::vector<int> blocks = missingBlocks(run.db, classId, lessonId);
    const int longest = run.state.longestPlaceable(classId, lessonId);
    std::erase_if(blocks, [&](int b) { return b > longest; });
    return blocks;
}

int hoursLeftToPlace(const AutoRun& run) {
    const Database& db = run.db;
    int hours = 0;
    for (const ClassLesson& cl : db.classLessons) {
        if (!placedAsUnit(db, cl)) continue;
        const bool full =
            std::any_of(cl.teachers.begin(), cl.teachers.begin() + cl.teacherCount, [&](Id t) {
                const TeacherTimetable* tt = db.teacherTimetables.find(t);
                return tt && run.state.atCapacity(t, tt->placedHours);
            });
        // Likewise a room holding every hour the check found cells for, its locked ones apart.
        const bool roomFull = std::any_of(
            cl.rooms.begin(),
            cl.rooms.begin() + std::min<int>(cl.roomCount, kMaxRoomsPerClassLesson), [&](Id r) {
                const RoomTimetable* rt = db.roomTimetables.find(r);
                if (!rt || run.state.roomCapacity[r] < 0) return false;
                int placed = 0;
                for (int i = 0; i < kSlots; ++i)
                    placed += rt->planes[kOccupantPlane][i] != 0 && rt->planes[kOpenPlane][i] != 0;
                return placed >= run.state.roomCapacity[r];
            });
        if (full || roomFull) continue;
        for (int b : placeableBlocks(run, cl.classId, cl.lessonId)) hours += b;
    }
    return hours;
}

bool fillFor(Stage& s, PlacementAttempt& a, Id classId, Id lessonId, int length) {
    if (!fillAttemptOf(s.run, a, classId, lessonId)) return false;
    a.length = length;
    return true;
}

namespace {

// The cell where the block costs least, 0 when it fits nowhere; a cell where the block
// breaks a rule outside `mayBend` more often than the grids did before is not taken.
int bestCell(Stage& s, PlacementAttempt& a, Affected& affected, RuleSet mayBend) {
    int best = 0, bestPenalty = INT_MAX;
    // Measured at the first cell that fits: most blocks pushed aside fit nowhere.
    bool measured = false;
    RuleCounts before;
    for (int day = 1; day <= kDays && !s.spent(); ++day)
        for (unsigned hours = hardFitHours(s.run, a, day); hours != 0 && !s.spent();
             hours &= hours - 1) {
            const int cell = slotOf(day, std::countr_zero(hours) + 1);
            if (!hardFits(s.run, a, cell)) continue;
            s.work();
            if (!measured) {
                before = affected.measure(s.run, s.held, s.kept).breaks;
                measured = true;
            }
            const int mark = s.run.journal->count;
            if (!commitBlock(s.run, a)) continue;
            const GridScore now = affected.since(s.run, s.held, mark);
            const int p = now.penalty;
            const bool keeps = !now.breaks.exceeds(before, mayBend);
            rollBack(s.run, mark);
            if (keeps && p < bestPenalty) {
                bestPenalty = p;
                best = cell;
            }
        }
    return best;
}

struct Blocker {
    int classRow;
    int slot;
};

} // namespace

// The block at `cell` once the one or two movable blocks in its way are taken out, they
// then placed elsewhere.
bool ejectAndPlace(Stage& s, PlacementAttempt& a, int cell, int depth) {
    AutoRun& run = s.run;
    const Database& db = run.db;
    const int day = dayOf(cell), hour = hourOf(cell);
    const DayWindow w = attemptWindow(db, a, day);
    if (!w.contains(hour) || hour + a.length - 1 > w.last) return false;
    a.day = day;
    a.hour = hour;
    a.cell = cell;
    if (blockState(db, a) != BlockState::Busy) return false;
    s.work();
    // More than two blocks in the way end the move, so a third is where noting stops.
    std::array<Blocker, 3> blockers{};
    std::size_t blockerCount = 0;
    auto note = [&](Id classId, int slot) {
        const int row = db.classTimetables.positionOf(classId);
        if (row < 0 || blockerCount == blockers.size()) return;
        const auto& p = db.classTimetables.rows[row].planes;
        const int start = p[kBlockStartPlane][slotIndex(slot)];
        for (std::size_t k = 0; k < blockerCount; ++k)
            if (blockers[k].classRow == row &&
                db.classTimetables.rows[row]
                        .planes[kBlockStartPlane][slotIndex(blockers[k].slot)] == start)
                return;
        blockers[blockerCount++] = {row, slot};
    };
    for (int k = 0; k < a.length; ++k) {
        const int i = slotIndex(cell + k);
        for (int t = 0; t < a.teachers; ++t)
            if (const Id c = db.teacherTimetables.rows[a.teacherRow[t]].planes[kOccupantPlane][i])
                note(c, cell + k);
        for (int c = 0; c < a.classes; ++c)
            if (db.classTimetables.rows[a.classRow[c]].planes[kOccupantPlane][i] != 0)
                note(a.classIds[c], cell + k);
        for (int r = 0; r < a.rooms; ++r)
            if (const Id c = db.roomTimetables.rows[a.roomRow[r]].planes[kOccupantPlane][i])
                note(c, cell + k);
    }
    if (blockerCount == 0 || blockerCount > 2) return false;
    struct Removed {
        Id classId, lessonId;
        int length;
    };
    std::array<Removed, 2> removed{};
    std::size_t removedCount = 0;
    const int mark = run.journal->count;
    for (std::size_t k = 0; k < blockerCount; ++k) {
        const Blocker& b = blockers[k];
        const ClassTimetable& ct = db.classTimetables.rows[b.classRow];
        const Id lessonId = ct.planes[kOccupantPlane][slotIndex(b.slot)];
        if (lessonId == 0) continue; // went with a common block taken out before
        const zs::Run r = runAt(ct.planes[kOccupantPlane], b.slot);
        if (!removeBlock(run, b.classRow, b.slot)) {
            rollBack(run, mark);
            return false;
        }
        removed[removedCount++] = {ct.classId, lessonId, r.length};
    }
    if (!hardFits(run, a, cell) || !commitBlock(run, a)) {
        rollBack(run, mark);
        return false;
    }
    setBlockOpen(run, a, 0);
    bool placed = true;
    for (std::size_t k = 0; k < removedCount; ++k) {
        const Removed& r = removed[k];
        if (!placeSomewhere(s, r.classId, r.lessonId, r.length, depth - 1, s.pushedMayBend)) {
            placed = false;
            break;
        }
    }
    setBlockOpen(run, a, 1);
    if (!placed) rollBack(run, mark);
    return placed;
}

namespace {

// The breaks of every rule on the given teacher and class grids.
RuleCounts breaksOfRows(const Database& db, const std::vector<std::pair<GridKind, int>>& rows) {
    RuleCounts sum;
    for (const auto& [kind, row] : rows)
        sum += kind == GridKind::Teacher ? teacherBreaks(db, db.teacherTimetables.rows[row])
                                         : classBreaks(db, db.classTimetables.rows[row]);
    return sum;
}

// The block at `cell` by pushing aside what is in its way, kept only when no rule outside
// `mayBend` is broken more often on the grids the move changed. The grids as they stood
// are counted once the move is undone, and the move, deterministic, is then made again.
bool ejectWithinRules(Stage& s, PlacementAttempt& a, int cell, int depth, RuleSet mayBend) {
    AutoRun& run = s.run;
    const UndoJournal& j = *run.journal;
    const int mark = j.count;
    const long workLeft = s.workLeft;
    if (!ejectAndPlace(s, a, cell, depth)) return false;
    if (!s.checkEjections) return true;
    std::vector<std::pair<GridKind, int>> rows;
    for (int e = mark; e < j.count; ++e) {
        const std::pair<GridKind, int> r{j.grid[e], j.position[e]};
        if (r.first != GridKind::Room && std::find(rows.begin(), rows.end(), r) == rows.end())
            rows.push_back(r);
    }
    const RuleCounts after = breaksOfRows(run.db, rows);
    rollBack(run, mark);
    if (after.exceeds(breaksOfRows(run.db, rows), mayBend)) return false;
    s.workLeft = workLeft;
    return ejectAndPlace(s, a, cell, depth);
}

} // namespace

bool placeSomewhere(Stage& s, Id classId, Id lessonId, int length, int depth, RuleSet mayBend) {
    PlacementAttempt a;
    if (length <= 0 || !fillFor(s, a, classId, lessonId, length)) return false;
    Affected affected;
    affected.add(a);
    if (const int cell = bestCell(s, a, affected, mayBend); cell != 0)
        return hardFits(s.run, a, cell) && commitBlock(s.run, a);
    if (depth <= 0) return false;
    for (int cell = 1; cell <= kSlots && !s.spent(); ++cell)
        if (ejectWithinRules(s, a, cell, depth, mayBend)) return true;
    return false;
}

} // namespace zs::sched
