// What one change made by an editor writes, and the writing itself.
#pragma once

#include "core/data_files.h"
#include "core/database.h"
#include "core/result.h"

#include <vector>

namespace zs::editors {

struct Change {
    std::vector<DataFile> files; // in writing order
    bool settings = false;       // OPTION.PRG
    bool annexFlags = false;     // ADD.PRG

    bool empty() const { return files.empty() && !settings && !annexFlags; }
};

// Why an editor changed nothing. A refused change writes nothing.
enum class Verdict {
    Done,
    Invalid,   // the entry does not hold what the record needs
    TableFull, // 255 records: no identifier is left
    NoRecord,  // nothing selected, or no neighbour to move past
    NotStored, // the value has no place in its file
};

struct Outcome {
    Verdict verdict = Verdict::Done;
    Change change; // what the tables now need written; empty unless done
    Id id = 0;     // the record concerned

    bool done() const { return verdict == Verdict::Done; }
};

inline Outcome refused(Verdict why) {
    return {why, {}, 0};
}

// The data files, OPTION.PRG and ADD.PRG the change needs, as one write: all or none.
Status writeChange(const Database& db, const DataDir& dir, const Change& change);

} // namespace zs::editors
