#include "move_rule_counts.h"

#include "rules/placement.h"
#include "rules/prepare_teacher.h"
#include "rules/totals.h"

#include <array>

namespace zs::sched {

namespace {

CellReason reasonOf(Rule r) {
    switch (r) {
    case Rule::GapLimit:
        return CellReason::Gaps;
    case Rule::DailyMaximum:
        return CellReason::DailyMaximum;
    case Rule::Buildings:
        return CellReason::BuildingChange;
    case Rule::DayBetweenParts:
        return CellReason::DayBetweenParts;
    case Rule::OtherHourOtherDay:
        return CellReason::OtherHourOtherDay;
    case Rule::SameClassOtherLesson:
        return CellReason::SameClassOtherLesson;
    case Rule::LessonGroup:
        return CellReason::LessonGroup;
    case Rule::SameLessonDay:
        return CellReason::SameLessonDay;
    }
    return CellReason::Fits;
}

} // namespace

MoveRuleCounts::MoveRuleCounts(Database& without, Id classId, Id lessonId, int length, int home)
    : db_(without), classId_(classId), lessonId_(lessonId), length_(length),
      grids_(gridsConcerned(without, classId, lessonId)) {
    for (int t = 0; t < grids_.teacherCount; ++t) {
        const int row = grids_.teachers[t];
        counted_.push_back({true, row, db_.teacherTimetables.rows[std::size_t(row)].teacherId});
    }
    for (int c = 0; c < grids_.classCount; ++c)
        if (grids_.classes[c].grid >= 0)
            counted_.push_back({false, grids_.classes[c].grid, grids_.classes[c].classId});

    // The touched teachers, and the first teacher of every lesson of the touched classes,
    // whose bytes the class rules read.
    std::array<bool, 256> wanted{};
    auto firstTeacherOf = [&](Id c, Id l) {
        const ClassLesson* cl = l ? db_.classLessons.find(c, l) : nullptr;
        if (cl && cl->teacherCount > 0) wanted[cl->teachers[0]] = true;
    };
    for (int t = 0; t < grids_.teacherCount; ++t)
        wanted[db_.teacherTimetables.rows[grids_.teachers[t]].teacherId] = true;
    for (int c = 0; c < grids_.classCount; ++c) {
        const ClassCell& cell = grids_.classes[c];
        firstTeacherOf(cell.classId, cell.lessonId);
        if (cell.grid >= 0)
            for (Id l : db_.classTimetables.rows[std::size_t(cell.grid)].planes[kOccupantPlane])
                firstTeacherOf(cell.classId, l);
    }
    for (int id = 1; id < 256; ++id)
        if (wanted[std::size_t(id)] && db_.teachers.contains(Id(id))) {
            updateTeacherWeeklyTotals(db_, Id(id));
            PrepareTeacher(db_, Id(id));
        }
    homeCounted_ = countAt(home, home_);
}

bool MoveRuleCounts::countAt(int first, Counts& out) {
    auto& teachers = db_.teacherTimetables.rows;
    auto& classes = db_.classTimetables.rows;
    auto& rooms = db_.roomTimetables.rows;
    teachersKept_.clear();
    classesKept_.clear();
    roomsKept_.clear();
    for (const Grid& g : counted_)
        if (g.teacher)
            teachersKept_.push_back(teachers[std::size_t(g.row)]);
        else
            classesKept_.push_back(classes[std::size_t(g.row)]);
    for (int r = 0; r < grids_.roomCount; ++r) roomsKept_.push_back(rooms[grids_.rooms[r]]);

    bool placed = true;
    for (int s = first; s < first + length_; ++s)
        placed = Place(db_, s, classId_, lessonId_) && placed;
    out.clear();
    for (const Grid& g : counted_)
        out.push_back(g.teacher ? teacherBreaks(db_, teachers[std::size_t(g.row)])
                                : classBreaks(db_, classes[std::size_t(g.row)]));

    std::size_t t = 0, c = 0;
    for (const Grid& g : counted_)
        if (g.teacher)
            teachers[std::size_t(g.row)] = teachersKept_[t++];
        else
            classes[std::size_t(g.row)] = classesKept_[c++];
    for (int r = 0; r < grids_.roomCount; ++r) rooms[grids_.rooms[r]] = roomsKept_[std::size_t(r)];
    return placed;
}

CellExplanation MoveRuleCounts::raised(int first) {
    // A block that no longer fits its own place by hand (its class's hours changed since)
    // has no count to compare with.
    if (!homeCounted_ || !countAt(first, tried_)) return {};
    RuleCounts before, after;
    for (const RuleCounts& c : home_) before += c;
    for (const RuleCounts& c : tried_) after += c;
    for (int r = 0; r < kRuleCount; ++r) {
        const Rule rule = Rule(r);
        if (after[rule] <= before[rule]) continue;
        std::size_t k = 0;
        while (k + 1 < tried_.size() && tried_[k][rule] <= home_[k][rule]) ++k;
        const Grid& g = counted_[k];
        CellExplanation e{reasonOf(rule), g.teacher ? g.id : Id(0), g.teacher ? classId_ : g.id,
                          lessonId_};
        e.handAllowed = true;
        return e;
    }
    return {};
}

} // namespace zs::sched
