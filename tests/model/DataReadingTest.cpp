#include "WindowTrace.h"
#include "model/Trace.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TEST(DataReading, ReadsAsStoredWithoutAWindow)
{
    CData standard;
    standard.Append(1, 75, 10);
    CTrace loose;
    loose.Data.Append(1, 75, 10);
    CTraces reference; // a list without a window
    auto listed = std::make_unique<CTrace>();
    listed->Data.Append(1, 75, 10);
    CData& listedData = listed->Data;
    reference.Add(std::move(listed));

    for (CData* data : {&standard, &loose.Data, &listedData}) {
        double f = 0, R = 0, X = 0, t = 0;
        ASSERT_TRUE(data->GetPoint(0, f, R, X, t));
        EXPECT_EQ(R, 75);
        EXPECT_EQ(X, 10);
    }
}

TEST(DataReading, SubtractsTheWindowsOffsets)
{
    WindowTrace w;
    w.data().Append(14, 75, 10, 2, 1, 2, 3);
    w.view.transform.offsetUse = true;
    w.view.transform.offsetR = 50;

    double f = 0, R = 0, X = 0, t = 0, V = 0;
    ASSERT_TRUE(w.data().GetPoint(0, f, R, X, t, &V));
    EXPECT_EQ(f, 14);
    EXPECT_EQ(R, 25);
    EXPECT_EQ(X, 10);
    EXPECT_EQ(t, 2);
    EXPECT_EQ(V, 1);
    EXPECT_EQ(w.data().GetRecord(0)->R, 75);

    w.view.transform.offsetUse = false;
    ASSERT_TRUE(w.data().GetPoint(0, f, R, X, t));
    EXPECT_EQ(R, 75);
}

TEST(DataReading, RotatesAlongALineOfTheSmithChart)
{
    WindowTrace w;
    w.data().Append(1, 100, 0);
    w.data().Append(2, 1e99, 0);
    w.view.transform.rotateUse = true;

    double f = 0, R = 0, X = 0, t = 0;
    w.view.transform.rotateAngle = 0;
    ASSERT_TRUE(w.data().GetPoint(0, f, R, X, t));
    EXPECT_EQ(R, 100);

    w.view.transform.rotateAngle = 180; // Gamma 1/3 becomes -1/3
    ASSERT_TRUE(w.data().GetPoint(0, f, R, X, t));
    EXPECT_NEAR(R, 25, 1e-5);
    EXPECT_NEAR(X, 0, 1e-4);

    w.view.transform.rotateAngle = 90; // Gamma 1 becomes -j
    ASSERT_TRUE(w.data().GetPoint(1, f, R, X, t));
    EXPECT_NEAR(R, 0, 1e-5);
    EXPECT_NEAR(X, -50, 1e-5);

    w.view.transform.rotateUse = false;
    ASSERT_TRUE(w.data().GetPoint(0, f, R, X, t));
    EXPECT_EQ(R, 100);
}

TEST(DataReading, GetPointXGivesTheHorizontalValueOfEachMode)
{
    WindowTrace w;
    for (int i = 0; i < 10; ++i) w.data().Append(10 + i, 70 + i, i, 0.5 * i);
    w.view.transform.offsetUse = true;
    w.view.transform.offsetR = 20;

    double x = 0, R = 0, X = 0;
    ASSERT_TRUE(w.data().GetPointX(0, 4, x, &R, &X));
    EXPECT_EQ(x, 5);
    EXPECT_EQ(R, 54);
    EXPECT_EQ(X, 4);
    ASSERT_TRUE(w.data().GetPointX(1, 4, x));
    EXPECT_EQ(x, 14);
    ASSERT_TRUE(w.data().GetReplayPointX(2, 4, x));
    EXPECT_EQ(x, 2);

    R = X = 9;
    EXPECT_FALSE(w.data().GetPointX(0, -1, x, &R, &X));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(R, 0);
    EXPECT_FALSE(w.data().GetPointX(0, 10, x));

    double f = 1, t = 1;
    EXPECT_FALSE(w.data().GetPoint(10, f, R, X, t));
    EXPECT_EQ(f, 0);
    EXPECT_EQ(t, 0);
}

TEST(DataReading, SequentialReadCrossesBlocksAndStopsAtTheDrawLimit)
{
    CData data;
    for (int i = 0; i < kBlockSize + 5; ++i) data.Append(i, i, -i);

    ASSERT_TRUE(data.StartIteration(kFirstBlockSize - 1));
    double f = 0, R = 0, X = 0, t = 0;
    ASSERT_TRUE(data.NextPoint(f, R, X, t));
    EXPECT_EQ(f, kFirstBlockSize - 1);
    ASSERT_TRUE(data.NextPoint(f, R, X, t));
    EXPECT_EQ(f, kFirstBlockSize);
    EXPECT_EQ(X, -kFirstBlockSize);

    int read = 0;
    data.StartIteration(0);
    while (data.NextPoint(f, R, X, t)) ++read;
    EXPECT_EQ(read, kBlockSize + 5);

    CData ten;
    for (int i = 0; i < 10; ++i) ten.Append(i, i, i);
    double x = 0;
    for (const auto& [limit, expected] : {std::pair{3, 3}, std::pair{20, 10}, std::pair{0, 0}}) {
        ten.DrawLimit = limit;
        ten.StartIteration(0);
        int n = 0;
        while (ten.NextPointX(0, x, R, X)) {
            ++n;
            EXPECT_EQ(x, n);
        }
        EXPECT_EQ(n, expected) << limit;
    }
}

TEST(DataReading, AStartOutsideTheStoreReadsNothing)
{
    CData data;
    data.Append(1, 2, 3);
    double f = 0, R = 0, X = 0, t = 0;
    EXPECT_FALSE(data.StartIteration(-1));
    EXPECT_FALSE(data.NextPoint(f, R, X, t));
    EXPECT_FALSE(data.StartIteration(1));
    EXPECT_FALSE(data.NextPoint(f, R, X, t));
    EXPECT_TRUE(data.StartIteration(0));
    data.Clear();
    EXPECT_FALSE(data.NextPoint(f, R, X, t));
}

TEST(PointReader, ReadsAsTheSequentialReadAndLeavesItsCursorAlone)
{
    WindowTrace w;
    const int count = 2 * kBlockSize + 7;
    for (int i = 0; i < count; ++i) w.data().Append(1 + i, 60 + i % 50, i % 30 - 15, 0.01 * i, i, -i, 3);
    w.view.transform = {true, 10, 5, true, 30, 50, 0};
    const int limit = count - 3;

    for (const int mode : {kHorN, kHorF, kHorT}) {
        CData& data = w.data();
        data.DrawLimit = limit;
        ASSERT_TRUE(data.StartIteration(0));
        const PointReader reader(data, mode, limit);
        EXPECT_EQ(reader.End(), limit);
        int mismatches = 0;
        const int after = reader.ForEach(-5, [&](int index, const ShownPoint& shown) {
            // A random read and a second reader in between must not move the
            // sequential read.
            double f = 0, R = 0, X = 0, t = 0, x = 0, V = 0;
            if (index % 1000 == 0) data.GetPoint(count - 1, f, R, X, t);
            if (index % 777 == 0) PointReader(data, mode, count).ForEach(0, [](int, const ShownPoint&) { return true; });
            if (!data.NextPointX(mode, x, R, X, &V)) return false;
            mismatches += x != shown.x || R != shown.point.R || X != shown.point.X || V != shown.point.V ||
                          shown.point.f != 1 + index;
            return true;
        });
        EXPECT_EQ(after, limit) << mode;
        EXPECT_EQ(mismatches, 0) << mode;
        double x = 0, R = 0, X = 0;
        EXPECT_FALSE(data.NextPointX(mode, x, R, X)) << "the sequential read ends at the draw limit";
    }
}

TEST(PointReader, StopsWhereAskedAndReadsNothingOutsideItsLimit)
{
    // Where the second block ends and the third begins.
    const int edge = kFirstBlockSize + kBlockSize;
    CData data;
    for (int i = 0; i < edge + 2; ++i) data.Append(i, 75, 10, 0);
    const ReadTransform offset = ReadTransform::From({true, 50, 0, false, 90, 50, 0});
    const PointReader reader(data, offset, kHorF, edge + 100);
    EXPECT_EQ(reader.End(), edge + 2);

    std::vector<int> seen;
    const int after = reader.ForEach(edge - 2, [&](int index, const ShownPoint& shown) {
        EXPECT_EQ(shown.point.R, 25); // offset, not rotated: the rotation is off
        seen.push_back(index);
        return index < edge;
    });
    EXPECT_EQ(after, edge + 1);
    EXPECT_EQ(seen, (std::vector<int>{edge - 2, edge - 1, edge}));

    ShownPoint shown{};
    shown.x = -1;
    EXPECT_FALSE(reader.Read(edge + 2, shown));
    EXPECT_FALSE(reader.Read(-1, shown));
    EXPECT_EQ(shown.x, -1);
    ASSERT_TRUE(reader.Read(7, shown));
    EXPECT_EQ(shown.x, 7);
    EXPECT_EQ(data.GetRecord(7)->R, 75);

    const PointReader none(data, kHorN, -4);
    EXPECT_EQ(none.End(), 0);
    EXPECT_EQ(none.ForEach(0, [](int, const ShownPoint&) { return true; }), 0);
}

} // namespace
