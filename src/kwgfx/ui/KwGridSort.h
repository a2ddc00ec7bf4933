// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Sorting the rows of a string grid by the texts of one column.

#include "kwgfx/platform/controls/StringGrid.h"

#include <cstdint>

namespace kw {

using platform::TStringGrid;

/// Sorts the rows from the first non-fixed row (row 0 with IncludeFixedRows) to the last.
void SortGrid(TStringGrid& Grid, int32_t Column, bool IncludeFixedRows, bool Numeric,
              bool Ascending);

/// Sorts rows FirstRow to LastRow by the cells of Column; the other rows keep their place.
/// - Text order is the locale's, without regard to letter case (AnsiCompareText).
/// - Numeric order compares the cells as numbers ("." as decimal separator); a cell that
///   is not a number counts as equal to every other cell.
/// - The sort is a quicksort with pivots drawn from the platform's Random, so rows with
///   equal keys end in no particular order; seed the generator for a repeatable order.
/// Nothing happens unless 0 <= FirstRow < LastRow < RowCount and 0 <= Column < ColCount.
/// When writing the sorted rows back fails (the grid refuses a cell), the rows already
/// written are put back as they were and the error passes on.
void SortGrid(TStringGrid& Grid, int32_t Column, int32_t FirstRow, int32_t LastRow, bool Numeric,
              bool Ascending);

} // namespace kw
