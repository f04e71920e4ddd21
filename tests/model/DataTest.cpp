#include "model/Data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace {

void Fill(CData& data, std::initializer_list<double> frequencies)
{
    double r = 10;
    for (const double f : frequencies) {
        data.Append(f, r, -r, f * 2);
        r += 10;
    }
}

std::vector<double> Frequencies(const CData& data)
{
    std::vector<double> result;
    for (int i = 0; i < data.Count(); ++i) result.push_back(data.GetRecord(i)->f);
    return result;
}

TEST(Data, StartsEmptyWithEmptyMatchSlots)
{
    CData data;
    EXPECT_EQ(data.Count(), 0);
    EXPECT_EQ(data.Owner, nullptr);
    EXPECT_EQ(data.MatchPoints[kRMin].R, 1e99);
    EXPECT_EQ(data.MatchPoints[kXMin].X, 1e99);
    EXPECT_EQ(data.MatchPoints[kCenter].R, 1e99);
    EXPECT_EQ(data.MatchPoints[kRMax].R, -1e99);
    EXPECT_EQ(data.MatchPoints[kXMax].X, -1e99);
    for (const MatchPoint& slot : data.MatchPoints) {
        EXPECT_EQ(slot.index, -1);
        EXPECT_EQ(slot.GammaRe, 0);
        EXPECT_EQ(slot.flag, 0);
    }
    for (const MatchTransition& slot : data.Transitions) {
        EXPECT_EQ(slot.from, -1);
        EXPECT_EQ(slot.to, -1);
        EXPECT_EQ(slot.t, 0);
        EXPECT_EQ(slot.fromp, -1);
        EXPECT_EQ(slot.top, -1);
    }
}

TEST(Data, StoresPointsInBlocks)
{
    // A small first block of 64 points, then blocks of 4096.
    CData data;
    for (int i = 0; i < 4161; ++i) ASSERT_TRUE(data.Append(i, i * 2, -i, 0, 1, 2, 3));
    EXPECT_EQ(data.Count(), 4161);

    int block = -1, record = -1;
    EXPECT_TRUE(data.Locate(63, block, record));
    EXPECT_EQ(block, 0);
    EXPECT_EQ(record, 63);
    EXPECT_EQ(data.ContiguousFrom(60), 4);
    EXPECT_TRUE(data.Locate(64, block, record));
    EXPECT_EQ(block, 1);
    EXPECT_EQ(record, 0);
    EXPECT_EQ(data.ContiguousFrom(64), 4096);
    EXPECT_TRUE(data.Locate(4160, block, record));
    EXPECT_EQ(block, 2);
    EXPECT_EQ(record, 0);
    EXPECT_FALSE(data.Locate(4161, block, record));
    EXPECT_EQ(record, 1);
    block = record = 77;
    EXPECT_FALSE(data.Locate(-1, block, record));
    EXPECT_EQ(block, 77);

    for (const int index : {63, 64, 4159, 4160}) {
        const PointRecord* point = data.GetRecord(index);
        ASSERT_NE(point, nullptr);
        EXPECT_EQ(point->f, index);
        EXPECT_EQ(point->R, 2 * index);
        EXPECT_EQ(point->phase, 3);
    }
    EXPECT_EQ(data.GetRecord(4161), nullptr);
    EXPECT_EQ(data.GetRecord(-1), nullptr);

    data.MatchPoints[0].R = 5;
    data.Clear();
    EXPECT_EQ(data.Count(), 0);
    EXPECT_EQ(data.MatchPoints[0].R, 5);
}

TEST(Data, FindIndexByPointNumber)
{
    CData data;
    EXPECT_EQ(data.FindIndex(0, 2.4), 1);
    EXPECT_EQ(data.FindIndex(0, 2.5), 2);
    EXPECT_EQ(data.FindIndex(0, -0.7), -1);
    EXPECT_EQ(data.FindIndex(0, -5), -5);
}

TEST(Data, FindIndexByPointNumberSurvivesValuesBeyondAnInt)
{
    CData data;
    Fill(data, {1, 2, 3});
    EXPECT_EQ(data.FindIndex(0, std::numeric_limits<double>::quiet_NaN()), -1);
    EXPECT_EQ(data.FindIndex(0, -1e300), -1);
    EXPECT_EQ(data.FindIndex(0, -std::numeric_limits<double>::infinity()), -1);
    EXPECT_GE(data.FindIndex(0, 1e300), data.Count());
    EXPECT_GE(data.FindIndex(0, std::numeric_limits<double>::infinity()), data.Count());
}

TEST(Data, FindIndexByFrequencyTakesTheLastKeyAtOrBelow)
{
    CData data;
    EXPECT_EQ(data.FindIndex(1, 1), -1);
    Fill(data, {1, 2, 2, 3});
    EXPECT_EQ(data.FindIndex(1, 2), 2);
    EXPECT_EQ(data.FindIndex(1, 0.5), -1);
    EXPECT_EQ(data.FindIndex(1, 10), 3);
    EXPECT_EQ(data.FindIndex(2, 4), 2); // time is twice the frequency here
    EXPECT_EQ(data.FindIndex(1, std::numeric_limits<double>::quiet_NaN()), -1);

    CData close;
    Fill(close, {1, 2, 3});
    EXPECT_EQ(close.FindIndex(1, 2 * (1 - 1e-13)), 1);
    EXPECT_EQ(close.FindIndex(1, 2 * (1 - 1e-11)), 0);
}

TEST(Data, FindIndexAgreesWithALinearSearchAcrossBlocks)
{
    CData data;
    std::mt19937 random(3);
    double f = 0;
    std::vector<double> keys;
    for (int i = 0; i < 3 * kBlockSize + 17; ++i) {
        f += (random() % 3) * 0.5; // repeated keys too
        data.Append(f, 0, 0);
        keys.push_back(f);
    }
    for (double v = -1; v < f + 2; v += 0.25) {
        const int expected = static_cast<int>(std::upper_bound(keys.begin(), keys.end(), v) - keys.begin()) - 1;
        ASSERT_EQ(data.FindIndex(1, v), expected) << v;
    }
}

TEST(Data, InsertSortedPlacesAfterEqualFrequencies)
{
    CData a;
    Fill(a, {1, 2, 3});
    a.InsertSorted(2, 99, 0);
    EXPECT_EQ(Frequencies(a), (std::vector<double>{1, 2, 2, 3}));
    EXPECT_EQ(a.GetRecord(2)->R, 99);

    CData b;
    Fill(b, {1, 2, 3});
    b.InsertSorted(0.5, 0, 0);
    EXPECT_EQ(Frequencies(b), (std::vector<double>{0.5, 1, 2, 3}));

    CData c;
    Fill(c, {1, 2, 3});
    c.InsertSorted(4, 0, 0);
    EXPECT_EQ(Frequencies(c), (std::vector<double>{1, 2, 3, 4}));
}

TEST(Data, InsertSortedMovesPointsAcrossBlocks)
{
    // Both blocks full: every point moves one step, across the end of the
    // small first block and of the second, and the last lands as the first
    // record of a new block.
    const int full = kFirstBlockSize + kBlockSize;
    CData data;
    for (int i = 0; i < full; ++i) data.Append(i + 1, i, 0);
    data.InsertSorted(0.5, -1, 0, 7, 8, 9, 10);
    ASSERT_EQ(data.Count(), full + 1);
    EXPECT_EQ(data.GetRecord(0)->f, 0.5);
    EXPECT_EQ(data.GetRecord(0)->phase, 10);
    for (int i = 1; i <= full; ++i) ASSERT_EQ(data.GetRecord(i)->f, i) << i;
}

TEST(Data, InsertSortedInRandomOrderSorts)
{
    CData data;
    std::mt19937 random(11);
    std::vector<double> expected;
    for (int i = 0; i < 3 * kBlockSize; ++i) {
        const double f = static_cast<double>(random() % 5000);
        data.InsertSorted(f, i, 0);
        expected.push_back(f);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Frequencies(data), expected);
}

TEST(Data, InterpolatesByFrequencyPointNumberAndTime)
{
    CData data;
    data.Append(1, 10, 100, 0, 1, 2, 3);
    data.Append(2, 20, 200, 1, 3, 4, 5);
    double R = 0, X = 0, V = 0, I = 0, phase = 0;

    ASSERT_TRUE(data.InterpolateAt(1, false, 1.5, R, X, &V, &I, &phase));
    EXPECT_DOUBLE_EQ(R, 15);
    EXPECT_DOUBLE_EQ(X, 150);
    EXPECT_DOUBLE_EQ(V, 2);
    EXPECT_DOUBLE_EQ(phase, 4);

    ASSERT_TRUE(data.InterpolateAt(1, true, 1.5, R, X));
    EXPECT_DOUBLE_EQ(R, 10 + 10 * std::log(1.5) / std::log(2.0));

    ASSERT_TRUE(data.InterpolateAt(0, false, 1.25, R, X));
    EXPECT_DOUBLE_EQ(R, 12.5);
    ASSERT_TRUE(data.InterpolateAt(0, false, 0.75, R, X)); // extended backwards
    EXPECT_DOUBLE_EQ(R, 7.5);

    ASSERT_TRUE(data.InterpolateAt(2, false, 0.5, R, X));
    EXPECT_DOUBLE_EQ(R, 15);
}

TEST(Data, InterpolationEndsAtTheLastPoint)
{
    CData data;
    double R = 1, X = 1;
    EXPECT_FALSE(data.InterpolateAt(1, false, 1, R, X));
    EXPECT_EQ(R, 0);
    EXPECT_FALSE(data.InterpolateAtFreq(R, X, 1));

    data.Append(1, 10, 100);
    data.Append(2, 20, 200);
    ASSERT_TRUE(data.InterpolateAt(1, false, 2, R, X));
    EXPECT_EQ(R, 20);
    EXPECT_FALSE(data.InterpolateAt(1, false, 2.001, R, X));
    EXPECT_FALSE(data.InterpolateAt(1, false, 0.5, R, X));
    EXPECT_TRUE(data.InterpolateAt(0, false, 2.4, R, X));
}

TEST(Data, InterpolatesAtFrequencyHeldBeyondTheEnds)
{
    CData data;
    data.Append(1, 10, 100);
    double R = 0, X = 0;
    ASSERT_TRUE(data.InterpolateAtFreq(R, X, 1000));
    EXPECT_EQ(R, 10);

    data.Append(10, 20, 200);
    ASSERT_TRUE(data.InterpolateAtFreq(R, X, 0.1));
    EXPECT_EQ(R, 10);
    ASSERT_TRUE(data.InterpolateAtFreq(R, X, 100));
    EXPECT_EQ(X, 200);
    ASSERT_TRUE(data.InterpolateAtFreq(R, X, std::sqrt(10.0)));
    EXPECT_DOUBLE_EQ(R, 15);

    CData zero;
    zero.Append(0, 1, 1);
    zero.Append(1, 2, 2);
    EXPECT_FALSE(zero.InterpolateAtFreq(R, X, 0.5));
}

} // namespace
