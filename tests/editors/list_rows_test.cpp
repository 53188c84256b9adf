#include "editors/list_rows.h"

#include "core/cp1254.h"

#include <gtest/gtest.h>

namespace zs::editors {
namespace {

TEST(ListRows, KeptRowStaysWhileItExists) {
    const struct {
        int row, count, expected;
    } cases[] = {
        {0, 0, -1}, // an empty list selects nothing
        {3, 5, 3},  // the same row number
        {4, 5, 4},  // the last row
        {5, 5, 4},  // past the end: the last row
        {7, 3, 2},  //
        {-1, 3, 0}, // nothing was selected: the first row
    };
    for (const auto& c : cases)
        EXPECT_EQ(keptRow(c.row, c.count), c.expected) << c.row << " of " << c.count;
}

TEST(ListRows, RowAfterDeletion) {
    const struct {
        const char* what;
        int deletedRow, rowsLeft, expected;
    } cases[] = {
        {"middle row: the same number, now the next record", 1, 3, 1},
        {"first row", 0, 3, 0},
        {"last row: the row before", 3, 3, 2},
        {"last of two: the one left", 1, 1, 0},
        {"first of two: the one left", 0, 1, 0},
        {"the only row: nothing", 0, 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rowAfterDeletion(c.deletedRow, c.rowsLeft), c.expected) << c.what;
}

TEST(ListRows, PrefixFindsTheFirstRowFromTheTop) {
    using cp1254::lit;
    const ListRows rows = {{1, {"1", lit("ÇİZİM")}},
                           {2, {"2", "MAKINE"}},
                           {3, {"3", lit("MATEMATİK")}},
                           {4, {"4", lit("MATEMATİK 2")}}};
    const struct {
        std::string prefix;
        int column, expected;
    } cases[] = {
        {"MA", 1, 1},     {"MAT", 1, 2}, {lit("MATEMATİK"), 1, 2},
        {lit("Ç"), 1, 0}, {"C", 1, -1},  {"", 1, 0},
        {"X", 1, -1},     {"3", 0, 2},   {"M", 5, -1},
        {"M", -1, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(firstRowWithPrefix(rows, c.column, c.prefix), c.expected)
            << cp1254::toUtf8(c.prefix) << " in column " << c.column;
}

} // namespace
} // namespace zs::editors
