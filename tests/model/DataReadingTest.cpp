#include "FakeView.h"
#include "model/Trace.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window's trace list holding one trace with the given points.
struct ViewWithTrace {
    FakeView view;
    CTraces traces;
    CTrace* trace;

    ViewWithTrace()
    {
        traces.Owner = &view;
        auto owned = std::make_unique<CTrace>();
        trace = owned.get();
        traces.Add(std::move(owned));
    }
    CData& data() { return trace->Data; }
};

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
    ViewWithTrace w;
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
    ViewWithTrace w;
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
    ViewWithTrace w;
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

    ASSERT_TRUE(data.StartIteration(kBlockSize - 1));
    double f = 0, R = 0, X = 0, t = 0;
    ASSERT_TRUE(data.NextPoint(f, R, X, t));
    EXPECT_EQ(f, 4095);
    ASSERT_TRUE(data.NextPoint(f, R, X, t));
    EXPECT_EQ(f, 4096);
    EXPECT_EQ(X, -4096);

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

} // namespace
