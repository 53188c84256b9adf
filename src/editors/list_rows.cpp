#include "list_rows.h"

#include <algorithm>

namespace zs::editors {

int keptRow(int row, int rowCount) {
    if (rowCount <= 0) return -1;
    return std::clamp(row, 0, rowCount - 1);
}

int rowAfterDeletion(int deletedRow, int rowCount) {
    if (rowCount <= 0) return -1;
    if (rowCount == 1) return 0;
    if (deletedRow >= rowCount) return rowCount - 1;
    return std::max(deletedRow, 0);
}

int firstRowWithPrefix(const ListRows& rows, int column, std::string_view prefix) {
    if (column < 0) return -1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& cells = rows[i].cells;
        if (static_cast<std::size_t>(column) < cells.size() &&
            std::string_view(cells[column]).starts_with(prefix))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace zs::editors
