// SPDX-License-Identifier: MIT
// Sections: keys and their comparison; the quicksort; SortGrid.

#include "kwgfx/ui/KwGridSort.h"

#include "kwgfx/platform/base/Random.h"
#include "kwgfx/platform/text/LocaleCompare.h"
#include "kwgfx/platform/text/NumberText.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kw {

namespace {

// ---------------------------------------------------------------- keys

// The sort keys of rows First..Last, read once: the grid does not change while sorting,
// and converting a cell to a number for every comparison would be wasted work.
class TRowKeys {
public:
    TRowKeys(const TStringGrid& Grid, int Column, int First, int Last, bool Numeric)
        : FFirst(First), FNumeric(Numeric) {
        const size_t count = size_t(Last - First + 1);
        if (Numeric)
            FNumbers.reserve(count);
        else
            FTexts.reserve(count);
        for (int row = First; row <= Last; ++row) {
            if (!Numeric) {
                FTexts.push_back(Grid.Cells(Column, row));
                continue;
            }
            double value = 0;
            if (platform::TryStrToFloat(Grid.CellRef(Column, row), value))
                FNumbers.emplace_back(value);
            else
                FNumbers.emplace_back(std::nullopt);
        }
    }

    // -1, 0 or 1: the key of row A against the key of row B.
    int Compare(int A, int B) const {
        const size_t a = size_t(A - FFirst), b = size_t(B - FFirst);
        if (!FNumeric) return platform::AnsiCompareText(FTexts[a], FTexts[b]);
        const auto& x = FNumbers[a];
        const auto& y = FNumbers[b];
        if (!x || !y) return 0;
        return *x < *y ? -1 : *x > *y ? 1 : 0;
    }

private:
    int FFirst;
    bool FNumeric;
    std::vector<std::string> FTexts;
    std::vector<std::optional<double>> FNumbers;
};

// ---------------------------------------------------------------- the quicksort

// Sorts Rows[L..R] (row numbers) by their keys. A hole-moving partition around a pivot
// drawn at random; the parts are then sorted left before right, as the recursive form
// would, but from a stack of pending ranges on the heap: a grid whose keys are mostly
// equal splits off one row per step, and recursion would go as deep as it has rows.
class TRowQuickSort {
public:
    TRowQuickSort(std::vector<int>& Rows, const TRowKeys& Keys, bool Ascending)
        : FRows(Rows), FKeys(Keys), FAscending(Ascending) {}

    void Sort(int L, int R) {
        std::vector<std::pair<int, int>> pending{{L, R}};
        while (!pending.empty()) {
            const auto [left, right] = pending.back();
            pending.pop_back();
            if (left >= right) continue;
            const int i = Partition(left, right);
            pending.emplace_back(i + 1, right); // taken after the left part is done
            pending.emplace_back(left, i - 1);
        }
    }

private:
    bool BelongsRight(int Row, int Pivot) const {
        const int c = FKeys.Compare(Row, Pivot);
        return FAscending ? c >= 0 : c <= 0;
    }
    bool BelongsLeft(int Row, int Pivot) const {
        const int c = FKeys.Compare(Row, Pivot);
        return FAscending ? c < 0 : c > 0;
    }

    // Returns the pivot's final position.
    int Partition(int L, int R) {
        auto& rows = FRows;
        const int p = L + platform::Random(R - L + 1);
        const int pivot = rows[size_t(p)];
        rows[size_t(p)] = rows[size_t(L)]; // position L is now the hole
        int i = L, j = R;
        for (;;) {
            while (i < j && BelongsRight(rows[size_t(j)], pivot)) --j;
            if (i >= j) break;
            rows[size_t(i)] = rows[size_t(j)];
            ++i;
            while (i < j && BelongsLeft(rows[size_t(i)], pivot)) ++i;
            if (i >= j) {
                i = j;
                break;
            }
            rows[size_t(j)] = rows[size_t(i)];
        }
        rows[size_t(i)] = pivot;
        return i;
    }

    std::vector<int>& FRows;
    const TRowKeys& FKeys;
    bool FAscending;
};

} // namespace

// ---------------------------------------------------------------- SortGrid

void SortGrid(TStringGrid& Grid, int32_t Column, bool IncludeFixedRows, bool Numeric,
              bool Ascending) {
    const int32_t first = IncludeFixedRows ? 0 : Grid.FixedRows();
    SortGrid(Grid, Column, first, Grid.RowCount() - 1, Numeric, Ascending);
}

void SortGrid(TStringGrid& Grid, int32_t Column, int32_t FirstRow, int32_t LastRow, bool Numeric,
              bool Ascending) {
    const int32_t rowCount = Grid.RowCount();
    if (!(FirstRow < LastRow && FirstRow >= 0 && FirstRow < rowCount - 1 && LastRow >= 0 &&
          LastRow < rowCount))
        return;
    if (Column < 0 || Column >= Grid.ColCount()) return;

    // order[r] names the row whose contents go to row r.
    std::vector<int> order(static_cast<size_t>(rowCount));
    for (int r = FirstRow; r <= LastRow; ++r) order[size_t(r)] = r;

    // The rows being sorted, copied aside: the grid keeps them until they are written back.
    const auto saved = std::make_unique<TStringGrid>(Grid.ColCount(), rowCount);
    for (int r = FirstRow; r <= LastRow; ++r) saved->Rows(r).Assign(Grid.Rows(r));

    const TRowKeys keys(Grid, Column, FirstRow, LastRow, Numeric);
    TRowQuickSort(order, keys, Ascending).Sort(FirstRow, LastRow);

    int r = FirstRow;
    try {
        for (; r <= LastRow; ++r) Grid.Rows(r).Assign(saved->Rows(order[size_t(r)]));
    } catch (...) {
        // Put back the rows already written (and the one that failed half way), so the
        // grid is as it was before the call; a second failure leaves it as far as it got.
        try {
            for (int back = FirstRow; back <= r && back <= LastRow; ++back)
                Grid.Rows(back).Assign(saved->Rows(back));
        } catch (...) {
        }
        throw;
    }
}

} // namespace kw
