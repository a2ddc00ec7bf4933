// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A grid of text cells: ColCount columns by RowCount rows, the first FixedRows rows and
/// FixedCols columns being the fixed (heading) part; a new grid has one fixed row and one
/// fixed column when its size allows. Cells(Col, Row) reads a cell; every
/// write, through SetCells or through a row's TStrings view, goes to the virtual SetCells,
/// so a derived grid can check or observe it.

#include "kwgfx/platform/text/Strings.h"

#include <memory>
#include <string>
#include <vector>

namespace kw::platform {

class TStringGrid;

/// The cells of one grid row seen as a list of ColCount lines. Its length is the grid's:
/// Insert and Delete raise EInvalidOperation; Clear empties the cells; Assign sets cell i to
/// line i of the source, empties the cells beyond the source's lines and drops source lines
/// beyond the last column.
class TStringGridRow : public TStrings {
public:
    /// The view of row Row of Grid.
    TStringGridRow(TStringGrid& Grid, int Row) : FGrid(Grid), FRow(Row) {}

    int Count() const override;
    std::string Get(int Index) const override;
    void Put(int Index, std::string Text) override;
    void Insert(int Index, std::string Text) override;
    void Delete(int Index) override;
    void Clear() override;
    void Assign(const TPersistent& Source) override;

private:
    TStringGrid& FGrid;
    int FRow;
};

/// A grid of text cells; see the file's description.
class TStringGrid : public TObject {
public:
    /// A grid of that size with empty cells and, where the size allows, one fixed row and one fixed
    /// column.
    explicit TStringGrid(int ColCount = 5, int RowCount = 5);
    TStringGrid(const TStringGrid&) = delete;
    TStringGrid& operator=(const TStringGrid&) = delete;
    ~TStringGrid() override;

    /// The number of columns and rows.
    ///@{
    int ColCount() const { return FColCount; }
    int RowCount() const { return FRowCount; }
    ///@}
    /// Changing the size keeps the cells that stay inside it; new cells are empty. A count
    /// below 1 raises ERangeError; the fixed rows or columns shrink to fit.
    ///@{
    void SetColCount(int Value);
    void SetRowCount(int Value);
    ///@}

    /// The number of fixed rows and columns.
    ///@{
    int FixedRows() const { return FFixedRows; }
    int FixedCols() const { return FFixedCols; }
    ///@}
    /// Must stay below the row / column count: EInvalidOperation otherwise.
    ///@{
    void SetFixedRows(int Value);
    void SetFixedCols(int Value);
    ///@}

    /// The text of a cell; empty for a cell outside the grid.
    std::string Cells(int Col, int Row) const;
    /// The text of a cell without a copy; a cell outside the grid gives an empty string.
    const std::string& CellRef(int Col, int Row) const;
    /// Writes a cell; ERangeError for a cell outside the grid.
    virtual void SetCells(int Col, int Row, std::string Text);

    /// Row Row as a TStrings of ColCount lines (ERangeError outside the grid). The view
    /// stays valid while the row exists.
    TStrings& Rows(int Row);

private:
    std::vector<std::vector<std::string>> FCells; // [row][col]
    std::vector<std::unique_ptr<TStringGridRow>> FRowViews;
    int FColCount;
    int FRowCount;
    int FFixedRows = 0;
    int FFixedCols = 0;
};

} // namespace kw::platform
