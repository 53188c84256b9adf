// Whether moving a placed block breaks a rule more often: the rule counts over the grids
// the move touches (its teachers' and its classes'), as the list of rule breaks and the
// improving stage of a run count them, with the block at home and at the cell tried.
#pragma once

#include "cell_reason.h"
#include "core/database.h"
#include "rules/grids_concerned.h"
#include "rules/rule_breaks.h"

#include <vector>

namespace zs::sched {

class MoveRuleCounts {
public:
    // `without` holds the tables with the class's block of `length` hours taken out of
    // `home`, its first slot. The teachers whose rule bytes the counts read are prepared
    // in it from the settings in memory, as the list of rule breaks prepares them.
    MoveRuleCounts(Database& without, Id classId, Id lessonId, int length, int home);

    // The first rule, in the list's order, broken more often over the touched grids with
    // the block's first hour at `first` than at home, naming the teacher or class whose
    // count rose; Fits when none rises. The block must fit there by hand. The tables are
    // given back as they were.
    CellExplanation raised(int first);

private:
    // A touched grid: its row in the teacher or class table and its owner.
    struct Grid {
        bool teacher;
        int row;
        Id id;
    };
    using Counts = std::vector<RuleCounts>; // one per grid
    // False when some hour of the block could not be placed there.
    bool countAt(int first, Counts& out);

    Database& db_;
    Id classId_;
    Id lessonId_;
    int length_;
    GridsConcerned grids_;
    std::vector<Grid> counted_;
    Counts home_;
    bool homeCounted_ = false;
    Counts tried_;
    // The touched grids as they were before a try.
    std::vector<TeacherTimetable> teachersKept_;
    std::vector<ClassTimetable> classesKept_;
    std::vector<RoomTimetable> roomsKept_;
};

} // namespace zs::sched
