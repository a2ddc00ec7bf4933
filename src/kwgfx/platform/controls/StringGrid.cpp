// SPDX-License-Identifier: MIT
#include "kwgfx/platform/controls/StringGrid.h"

#include "kwgfx/platform/base/Exceptions.h"

namespace kw::platform {

namespace {

[[noreturn]] void GridIndexError(int Col, int Row) {
    throw ERangeError("Grid index out of range (" + std::to_string(Col) + ", " +
                      std::to_string(Row) + ")");
}

} // namespace

// ---------------------------------------------------------------- TStringGridRow

int TStringGridRow::Count() const {
    return FGrid.ColCount();
}

std::string TStringGridRow::Get(int Index) const {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    return FGrid.Cells(Index, FRow);
}

void TStringGridRow::Put(int Index, std::string Text) {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    FGrid.SetCells(Index, FRow, std::move(Text));
}

void TStringGridRow::Insert(int, std::string) {
    throw EInvalidOperation("A grid row has a fixed number of cells");
}

void TStringGridRow::Delete(int) {
    throw EInvalidOperation("A grid row has a fixed number of cells");
}

void TStringGridRow::Clear() {
    for (int col = 0; col < Count(); ++col) FGrid.SetCells(col, FRow, std::string());
}

void TStringGridRow::Assign(const TPersistent& Source) {
    const auto* source = dynamic_cast<const TStrings*>(&Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    // Read the whole source first: it may be another row of the same grid.
    const int cols = Count();
    std::vector<std::string> cells(static_cast<size_t>(cols));
    const int lines = source->Count();
    for (int col = 0; col < cols && col < lines; ++col) cells[size_t(col)] = source->Get(col);
    for (int col = 0; col < cols; ++col) FGrid.SetCells(col, FRow, std::move(cells[size_t(col)]));
}

// ---------------------------------------------------------------- TStringGrid

TStringGrid::TStringGrid(int ColCount, int RowCount) : FColCount(1), FRowCount(1) {
    FCells.assign(1, std::vector<std::string>(1));
    SetColCount(ColCount);
    SetRowCount(RowCount);
    // One heading row and one heading column, when the grid is large enough to have them.
    FFixedRows = FRowCount > 1 ? 1 : 0;
    FFixedCols = FColCount > 1 ? 1 : 0;
}

TStringGrid::~TStringGrid() = default;

void TStringGrid::SetColCount(int Value) {
    if (Value < 1) throw ERangeError("Grid column count must be at least 1");
    for (auto& row : FCells) row.resize(size_t(Value));
    FColCount = Value;
    if (FFixedCols >= Value) FFixedCols = Value - 1;
}

void TStringGrid::SetRowCount(int Value) {
    if (Value < 1) throw ERangeError("Grid row count must be at least 1");
    FCells.resize(size_t(Value), std::vector<std::string>(size_t(FColCount)));
    if (FRowViews.size() > size_t(Value)) FRowViews.resize(size_t(Value));
    FRowCount = Value;
    if (FFixedRows >= Value) FFixedRows = Value - 1;
}

void TStringGrid::SetFixedRows(int Value) {
    if (Value < 0 || Value >= FRowCount)
        throw EInvalidOperation("Fixed row count must be less than row count");
    FFixedRows = Value;
}

void TStringGrid::SetFixedCols(int Value) {
    if (Value < 0 || Value >= FColCount)
        throw EInvalidOperation("Fixed column count must be less than column count");
    FFixedCols = Value;
}

const std::string& TStringGrid::CellRef(int Col, int Row) const {
    static const std::string empty;
    if (Col < 0 || Col >= FColCount || Row < 0 || Row >= FRowCount) return empty;
    return FCells[size_t(Row)][size_t(Col)];
}

std::string TStringGrid::Cells(int Col, int Row) const {
    return CellRef(Col, Row);
}

void TStringGrid::SetCells(int Col, int Row, std::string Text) {
    if (Col < 0 || Col >= FColCount || Row < 0 || Row >= FRowCount) GridIndexError(Col, Row);
    FCells[size_t(Row)][size_t(Col)] = std::move(Text);
}

TStrings& TStringGrid::Rows(int Row) {
    if (Row < 0 || Row >= FRowCount) GridIndexError(0, Row);
    if (FRowViews.size() < size_t(FRowCount)) FRowViews.resize(size_t(FRowCount));
    auto& view = FRowViews[size_t(Row)];
    if (!view) view = std::make_unique<TStringGridRow>(*this, Row);
    return *view;
}

} // namespace kw::platform
