// SPDX-License-Identifier: MIT
// Sorting string grid rows by one column.
#include <kwgfx/KwVclHelperFunctions.h>
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/base/Random.h>
#include <kwgfx/platform/text/LocaleCompare.h>

#include <gtest/gtest.h>

#include <pthread.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace kw;
using platform::TStringGrid;

namespace {

// A grid of two columns: the key column 0 and a column 1 naming the row it started in.
std::unique_ptr<TStringGrid> GridOf(const std::vector<std::string>& Keys, int FixedRows = 0) {
    auto grid = std::make_unique<TStringGrid>(2, int(Keys.size()));
    grid->SetFixedRows(FixedRows);
    for (int r = 0; r < int(Keys.size()); ++r) {
        grid->SetCells(0, r, Keys[size_t(r)]);
        grid->SetCells(1, r, "row" + std::to_string(r));
    }
    return grid;
}

std::vector<std::string> Column(const TStringGrid& Grid, int Col) {
    std::vector<std::string> cells;
    for (int r = 0; r < Grid.RowCount(); ++r) cells.push_back(Grid.Cells(Col, r));
    return cells;
}

} // namespace

TEST(SortGrid, NumbersAsNumbersOrAsText) {
    platform::SetRandSeed(1);
    auto grid = GridOf({"10", "9", "100"});
    SortGrid(*grid, 0, 0, 2, true, true);
    EXPECT_EQ(Column(*grid, 0), (std::vector<std::string>{"9", "10", "100"}));
    SortGrid(*grid, 0, 0, 2, false, true);
    EXPECT_EQ(Column(*grid, 0), (std::vector<std::string>{"10", "100", "9"}));
    SortGrid(*grid, 0, 0, 2, true, false);
    EXPECT_EQ(Column(*grid, 0), (std::vector<std::string>{"100", "10", "9"}));
    // Whole rows move with their key.
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"row2", "row0", "row1"}));
    // Numbers with fractions, signs and exponents.
    auto more = GridOf({"2.5", "-1", "1e1", " 3 "});
    SortGrid(*more, 0, 0, 3, true, true);
    EXPECT_EQ(Column(*more, 0), (std::vector<std::string>{"-1", "2.5", " 3 ", "1e1"}));
}

TEST(SortGrid, TextOrderIgnoresCase) {
    platform::SetRandSeed(2);
    auto grid = GridOf({"pear", "Apple", "banana", "Cherry"});
    SortGrid(*grid, 0, 0, 3, false, true);
    EXPECT_EQ(Column(*grid, 0), (std::vector<std::string>{"Apple", "banana", "Cherry", "pear"}));
}

TEST(SortGrid, CellsThatAreNotNumbersEqualEveryCell) {
    // Every comparison with "x" answers equal, so "x" can end anywhere, and the numbers on
    // either side of it are only ordered among themselves where no "x" lies between them.
    // With a single number besides "x" any order is right; what must hold is that the
    // rows are only permuted.
    for (uint64_t seed = 0; seed < 20; ++seed) {
        platform::SetRandSeed(seed);
        auto grid = GridOf({"x", "5", "abc", "3"});
        SortGrid(*grid, 0, 0, 3, true, true);
        auto keys = Column(*grid, 0);
        std::sort(keys.begin(), keys.end());
        EXPECT_EQ(keys, (std::vector<std::string>{"3", "5", "abc", "x"}));
        for (int r = 0; r < 4; ++r) // each row kept its own cells together
            EXPECT_EQ(grid->Cells(0, r),
                      (std::vector<std::string>{
                          "x", "5", "abc", "3"})[size_t(std::stoi(grid->Cells(1, r).substr(3)))]);
    }
    // All keys unconvertible: the sort may reorder, but never loses a row.
    platform::SetRandSeed(9);
    auto grid = GridOf({"a", "b", "c", "d", "e"});
    SortGrid(*grid, 0, 0, 4, true, true);
    auto keys = Column(*grid, 0);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"a", "b", "c", "d", "e"}));
}

TEST(SortGrid, FixedRowsStayUnlessIncluded) {
    platform::SetRandSeed(3);
    auto grid = GridOf({"Name", "b", "c", "a"}, 1);
    SortGrid(*grid, 0, false, false, true);
    EXPECT_EQ(Column(*grid, 0), (std::vector<std::string>{"Name", "a", "b", "c"}));
    SortGrid(*grid, 0, true, false, true);
    EXPECT_EQ(Column(*grid, 0), (std::vector<std::string>{"a", "b", "c", "Name"}));
}

TEST(SortGrid, DegenerateRangesAndColumnsLeaveTheGridAlone) {
    const std::vector<std::string> keys{"c", "b", "a"};
    auto grid = GridOf(keys);
    for (auto [first, last] :
         std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {0, 3}, {-1, 2}, {2, 2}, {0, -1}}) {
        SortGrid(*grid, 0, first, last, false, true);
        EXPECT_EQ(Column(*grid, 0), keys) << first << ".." << last;
    }
    SortGrid(*grid, 2, 0, 2, false, true); // no such column
    SortGrid(*grid, -1, 0, 2, false, true);
    EXPECT_EQ(Column(*grid, 0), keys);
    // A range inside the grid sorts only that part.
    auto part = GridOf({"z", "c", "b", "a", "y"});
    SortGrid(*part, 0, 1, 3, false, true);
    EXPECT_EQ(Column(*part, 0), (std::vector<std::string>{"z", "a", "b", "c", "y"}));
    // One-row grid with its fixed row included: nothing to sort.
    TStringGrid single(2, 1);
    single.SetCells(0, 0, "only");
    SortGrid(single, 0, true, false, true);
    EXPECT_EQ(single.Cells(0, 0), "only");
}

TEST(SortGrid, AFailedWriteBackPutsTheRowsBack) {
    // A grid that refuses the Nth cell write.
    class TRefusingGrid : public TStringGrid {
    public:
        using TStringGrid::TStringGrid;
        int WritesLeft = -1;
        void SetCells(int Col, int Row, std::string Text) override {
            if (WritesLeft == 0) {
                WritesLeft = -1; // refuse once
                throw platform::EInvalidOperation("cell refused");
            }
            if (WritesLeft > 0) --WritesLeft;
            TStringGrid::SetCells(Col, Row, std::move(Text));
        }
    };
    for (int refuseAt : {0, 1, 3, 5}) {
        platform::SetRandSeed(4);
        TRefusingGrid grid(2, 4);
        const std::vector<std::string> keys{"d", "c", "b", "a"};
        for (int r = 0; r < 4; ++r) {
            grid.SetCells(0, r, keys[size_t(r)]);
            grid.SetCells(1, r, "row" + std::to_string(r));
        }
        grid.WritesLeft = refuseAt;
        EXPECT_THROW(SortGrid(grid, 0, 0, 3, false, true), platform::EInvalidOperation);
        EXPECT_EQ(Column(grid, 0), keys) << refuseAt;
        EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"row0", "row1", "row2", "row3"}));
    }
}

TEST(SortGrid, PivotsFollowTheSeed) {
    // Equal keys: the order they end in is the generator's, so one seed gives one order.
    auto sortedWithSeed = [](uint64_t Seed) {
        platform::SetRandSeed(Seed);
        auto grid = GridOf(std::vector<std::string>(12, "same"));
        SortGrid(*grid, 0, 0, 11, false, true);
        return Column(*grid, 1);
    };
    EXPECT_EQ(sortedWithSeed(77), sortedWithSeed(77));
    bool someSeedDiffers = false;
    for (uint64_t seed = 0; seed < 10 && !someSeedDiffers; ++seed)
        someSeedDiffers = sortedWithSeed(seed) != sortedWithSeed(77);
    EXPECT_TRUE(someSeedDiffers);
}

TEST(SortGrid, LargeRandomGridsMatchAStableSortOfTheKeys) {
    for (uint64_t round = 0; round < 6; ++round) {
        platform::SetRandSeed(1000 + round);
        const bool numeric = round % 2 == 0;
        const bool ascending = round % 3 != 0;
        const int rows = 1500 + int(round) * 400;
        // Few distinct keys in some rounds, so equal keys are common.
        const int spread = round < 3 ? 50 : 100000;
        std::vector<std::string> keys;
        for (int r = 0; r < rows; ++r) {
            const int v = platform::Random(spread) - spread / 2;
            keys.push_back(numeric ? std::to_string(v) : "k" + std::to_string(v));
        }
        auto grid = GridOf(keys);
        SortGrid(*grid, 0, 0, rows - 1, numeric, ascending);

        std::vector<std::string> expected = keys;
        std::stable_sort(
            expected.begin(), expected.end(), [&](const std::string& a, const std::string& b) {
                const int c = numeric
                                  ? (std::stod(a) < std::stod(b) ? -1 : std::stod(a) > std::stod(b))
                                  : platform::AnsiCompareText(a, b);
                return ascending ? c < 0 : c > 0;
            });
        ASSERT_EQ(Column(*grid, 0), expected) << "round " << round;
        // Each row's second cell still belongs to its key.
        for (int r = 0; r < rows; ++r) {
            const int from = std::stoi(grid->Cells(1, r).substr(3));
            ASSERT_EQ(grid->Cells(0, r), keys[size_t(from)]);
        }
    }
}

TEST(SortGrid, ManyEqualKeysDoNotRecurseAsDeepAsTheGridIsLong) {
    // Keys that all compare equal split off one row per step: a sort that recursed into
    // each part would nest as deep as the grid is long (unless the compiler happens to turn
    // the last call into a loop, which unoptimised builds do not). Run it on a thread with
    // a small stack (256 KiB), which 10000 nested calls would overflow.
    struct TJob {
        std::unique_ptr<TStringGrid> Grid = GridOf(std::vector<std::string>(10000, "n/a"));
        static void* Run(void* Self) {
            auto* job = static_cast<TJob*>(Self);
            platform::SetRandSeed(5);
            SortGrid(*job->Grid, 0, 0, 9999, true, true);
            return nullptr;
        }
    } job;
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, 256 * 1024), 0);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, &TJob::Run, &job), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);

    std::vector<std::string> rows = Column(*job.Grid, 1);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(std::unique(rows.begin(), rows.end()), rows.end()); // a permutation of the rows
}

namespace {

// The rows' starting numbers (column 1 of GridOf) in their order after the sort.
std::vector<int> StartingRows(const TStringGrid& Grid) {
    std::vector<int> rows;
    for (int r = 0; r < Grid.RowCount(); ++r) rows.push_back(std::stoi(Grid.Cells(1, r).substr(3)));
    return rows;
}

} // namespace

TEST(SortGrid, EqualKeysMoveAsThePivotDrawsSay) {
    // With every key equal each partition keeps every row on the right of the pivot: the
    // drawn pivot goes to the front of its range (the hole it leaves takes the first
    // entry) and the rest of the range is sorted next. So the sort swaps entry L with entry
    // L + Random(R - L + 1) for L = first .. last - 1, which the test replays.
    for (const bool ascending : {true, false})
        for (const bool numeric : {true, false})
            for (const int fixedRows : {0, 1})
                for (uint64_t seed = 0; seed < 8; ++seed) {
                    const int rows = 3 + int(seed);
                    auto grid = GridOf(std::vector<std::string>(size_t(rows), "same"), fixedRows);
                    platform::SetRandSeed(seed);
                    SortGrid(*grid, 0, false, numeric, ascending);

                    std::vector<int> expected(static_cast<size_t>(rows));
                    for (int r = 0; r < rows; ++r) expected[size_t(r)] = r;
                    platform::SetRandSeed(seed);
                    for (int l = fixedRows; l < rows - 1; ++l)
                        std::swap(expected[size_t(l)],
                                  expected[size_t(l + platform::Random(rows - l))]);
                    EXPECT_EQ(StartingRows(*grid), expected)
                        << "seed " << seed << (ascending ? " up" : " down")
                        << (numeric ? " numeric" : " text") << " fixed " << fixedRows;
                }
}

TEST(SortGrid, TheHolePartitionAndTheLeftPartFirst) {
    // Keys b a a c c (rows 0..4). When the first draw picks row 0 ("b") as pivot, the
    // right scan stops at row 2 ("a"), which fills the hole at 0; the left scan passes
    // row 1 and meets the right scan at 2, where the pivot lands: rows 2 1 0 3 4. Then the
    // left part (two "a") is sorted with the next draw, the right part (two "c") with the
    // one after, each draw swapping its pair or not.
    int covered = 0;
    bool drawsDiffered = false;
    for (uint64_t seed = 0; seed < 200; ++seed) {
        platform::SetRandSeed(seed);
        if (platform::Random(5) != 0) continue;
        const int leftDraw = platform::Random(2), rightDraw = platform::Random(2);
        drawsDiffered = drawsDiffered || leftDraw != rightDraw;
        std::vector<int> expected{2, 1, 0, 3, 4};
        if (leftDraw) std::swap(expected[0], expected[1]);
        if (rightDraw) std::swap(expected[3], expected[4]);

        auto grid = GridOf({"b", "a", "a", "c", "c"});
        platform::SetRandSeed(seed);
        SortGrid(*grid, 0, 0, 4, false, true);
        EXPECT_EQ(StartingRows(*grid), expected) << "seed " << seed;
        ++covered;
    }
    EXPECT_GT(covered, 10);
    EXPECT_TRUE(drawsDiffered); // some seed tells the left-first order from the other
}
