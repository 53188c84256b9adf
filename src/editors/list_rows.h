// The rows a list screen shows, and which of them it selects after a change.
#pragma once

#include "core/ids.h"

#include <string>
#include <string_view>
#include <vector>

namespace zs::editors {

// One row: the record's identifier and the texts of every column, hidden ones included,
// as code-page bytes.
struct ListRow {
    Id id = 0;
    std::vector<std::string> cells;
};
using ListRows = std::vector<ListRow>;

// The row a rebuilt list keeps: the same row number while it exists, else the last row;
// -1 for an empty list.
int keptRow(int row, int rowCount);

// After the record of `deletedRow` went, with `rowCount` rows left: the same row number,
// the row before when the last row went, the first row when one is left; -1 for none.
int rowAfterDeletion(int deletedRow, int rowCount);

// The first row, from the top, whose cell in `column` begins with `prefix`; -1 for none.
int firstRowWithPrefix(const ListRows& rows, int column, std::string_view prefix);

} // namespace zs::editors
