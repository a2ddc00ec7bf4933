// SPDX-License-Identifier: MIT
// The string grid: cells, rows as string lists, and resizing.
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/controls/StringGrid.h>
#include <kwgfx/platform/text/Strings.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kw::platform;

namespace {

std::vector<std::string> RowTexts(TStringGrid& Grid, int Row) {
    std::vector<std::string> cells;
    for (int c = 0; c < Grid.ColCount(); ++c) cells.push_back(Grid.Cells(c, Row));
    return cells;
}

} // namespace

TEST(StringGrid, CellsRowsAndResizing) {
    TStringGrid grid(3, 4);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    grid.SetCells(2, 3, "c");
    EXPECT_EQ(grid.Cells(2, 3), "c");
    EXPECT_EQ(grid.Cells(3, 3), ""); // outside: empty
    EXPECT_THROW(grid.SetCells(3, 0, "x"), ERangeError);
    EXPECT_THROW(grid.Rows(4), ERangeError);

    TStrings& row3 = grid.Rows(3);
    EXPECT_EQ(row3.Count(), 3);
    EXPECT_EQ(row3.Strings(2), "c");
    row3.Assign(TStringList{"p", "q", "r", "dropped"});
    EXPECT_EQ(RowTexts(grid, 3), (std::vector<std::string>{"p", "q", "r"}));
    row3.Assign(TStringList{"only"});
    EXPECT_EQ(RowTexts(grid, 3), (std::vector<std::string>{"only", "", ""}));
    EXPECT_THROW(row3.Add("x"), EInvalidOperation);
    EXPECT_THROW(row3.Delete(0), EInvalidOperation);

    // One row onto another of the same grid.
    grid.Rows(1).Assign(grid.Rows(3));
    EXPECT_EQ(grid.Cells(0, 1), "only");

    grid.SetColCount(2);
    grid.SetRowCount(6);
    EXPECT_EQ(RowTexts(grid, 3), (std::vector<std::string>{"only", ""}));
    EXPECT_EQ(grid.Cells(0, 5), "");
    EXPECT_EQ(grid.Rows(3).Count(), 2);
    EXPECT_THROW(grid.SetFixedRows(6), EInvalidOperation);
    grid.SetFixedRows(5);
    grid.SetRowCount(2);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_THROW(grid.SetRowCount(0), ERangeError);
}
