#include "view/canvas/FullCells.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Cells made full at random, each answer checked against the cells
// themselves: every rectangle of a small grid, and every short range of a
// line long enough to take three words.
TEST(FullCells, RectanglesAndRangesAreFullExactlyWhenEachCellIs)
{
    constexpr int kWide = 7;
    constexpr int kHigh = 5;
    FullCellCounts counts;
    counts.Reset(kWide, kHigh);
    std::vector<bool> full(kWide * kHigh, false);
    std::mt19937 random(3);
    std::uniform_int_distribution<int> cell(0, kWide * kHigh - 1);
    for (int round = 0; round < 30; ++round) {
        const int c = cell(random);
        if (full[c]) continue;
        full[c] = true;
        counts.Add(c % kWide, c / kWide);
        for (int x0 = 0; x0 < kWide; ++x0) {
            for (int x1 = x0; x1 < kWide; ++x1) {
                for (int y0 = 0; y0 < kHigh; ++y0) {
                    for (int y1 = y0; y1 < kHigh; ++y1) {
                        bool expected = true;
                        for (int y = y0; y <= y1; ++y) {
                            for (int x = x0; x <= x1; ++x) expected = expected && full[y * kWide + x];
                        }
                        ASSERT_EQ(counts.AllFull(x0, x1, y0, y1), expected)
                            << x0 << ".." << x1 << " by " << y0 << ".." << y1 << " in round " << round;
                    }
                }
            }
        }
    }
    counts.Clear();
    EXPECT_FALSE(counts.AnyFull());
    EXPECT_FALSE(counts.AllFull(0, 0, 0, 0));

    constexpr int kCells = 150;
    FullCellGrid grid;
    grid.Reset(kCells, 2);
    std::vector<bool> inLine(kCells, false);
    for (int c = 0; c < kCells; ++c) {
        if (c % 17 == 5 || c % 29 == 11) continue;
        inLine[c] = true;
        grid.Set(c, 1);
    }
    for (int lo = 0; lo < kCells; ++lo) {
        for (int hi = lo; hi < kCells && hi - lo < 64; ++hi) {
            bool expected = true;
            for (int c = lo; c <= hi; ++c) expected = expected && inLine[c];
            ASSERT_EQ(grid.InRows().AllFull(1, lo, hi), expected) << lo << ".." << hi;
            ASSERT_FALSE(grid.InRows().AllFull(0, lo, hi));
        }
    }
    EXPECT_TRUE(grid.InColumns().AllFull(64, 1, 1));
    EXPECT_FALSE(grid.InColumns().AllFull(64, 0, 1));
}

} // namespace
