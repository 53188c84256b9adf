// Moving a record of an ordered list (classes, rooms, teachers) one place up or down.
#pragma once

#include "change.h"

#include "core/data_files.h"
#include "core/entities.h"

namespace zs::editors {

// The record of `row` and its neighbour in `direction` (-1 up, +1 down) exchange their
// places; the moved record is then at row + direction. Writes the table's file.
template <class T> Outcome moveOrdered(Table<T>& table, DataFile file, int row, int direction) {
    if (direction != -1 && direction != 1) return refused(Verdict::NoRecord);
    if (row < 0 || row >= table.count()) return refused(Verdict::NoRecord);
    const Id id = table.rows[row].id;
    if (!moveRecord(table, row, direction)) return refused(Verdict::NoRecord);
    return {Verdict::Done, {{file}}, id};
}

} // namespace zs::editors
