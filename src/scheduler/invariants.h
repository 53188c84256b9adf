// The invariants of the grids during an automatic run, for test builds to check after
// every commit, removal and roll-back: the three kinds of grid agree, the counters equal
// their recounts, every block carries its length and start, and no cell that was closed
// when the run began holds a lesson it did not hold then.
#pragma once

#include "core/database.h"

#include <string>
#include <vector>

namespace zs::sched {

class RunInvariants {
public:
    // Notes the closed cells of every grid as they are before the run.
    explicit RunInvariants(const Database& db);

    // One UTF-8 line per fault; empty when all hold.
    std::vector<std::string> check(const Database& db) const;

private:
    struct ClosedCell {
        int kind; // 0 teacher, 1 class, 2 room
        Id owner;
        int slot;
        u8 occupant;
    };
    std::vector<ClosedCell> closed_;
};

} // namespace zs::sched
