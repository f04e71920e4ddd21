#include "WindowTrace.h"
#include "tools/MatchPoints.h"
#include "view/document/ChartKinds.h"

#include <gtest/gtest.h>

namespace {

void ExpectSlot(const MatchPoint& slot, double R, double X)
{
    EXPECT_DOUBLE_EQ(slot.R, R);
    EXPECT_DOUBLE_EQ(slot.X, X);
}

TEST(MatchPoints, FindTakesTheFirstOfEqualExtremesAndSkipsGapsAndZeros)
{
    WindowTrace w;
    w.data().Append(1, 0, 0);      // R = X = 0: not a point
    w.data().Append(2, 30, -10);   // first least R and least X
    w.data().Append(3, 30, -10);   // equal: the first stays
    w.data().Append(4, 1e99, 500); // gap
    w.data().Append(5, 90, 1e91);  // gap
    w.data().Append(6, 1e90, 20);  // exactly 1e90 is a value
    w.data().Append(7, 60, 40);
    w.data().MatchPoints[kCenter].index = 7;

    FindMatchPoints(w.data());

    const MatchPoint* slots = w.data().MatchPoints;
    ExpectSlot(slots[kRMin], 30, -10);
    ExpectSlot(slots[kXMin], 30, -10);
    ExpectSlot(slots[kRMax], 1e90, 20);
    ExpectSlot(slots[kXMax], 60, 40);
    ExpectSlot(slots[kCenter], (30 + 30 + 1e90 + 60) * 0.25, (-10 - 10 + 20 + 40) * 0.25);
    EXPECT_EQ(slots[kCenter].index, 7); // indices belong to the transition search
}

TEST(MatchPoints, FindReadsThroughTheDisplayOffsetAndHandlesDegenerateTraces)
{
    WindowTrace w;
    w.data().Append(1, 75, 10);
    w.view.transform.offsetUse = true;
    w.view.transform.offsetR = 25;
    FindMatchPoints(w.data());
    for (const MatchPoint& slot : w.data().MatchPoints) ExpectSlot(slot, 50, 10); // one point fills all, centre on it

    WindowTrace zeros;
    zeros.data().Append(1, 0, 0);
    zeros.data().Append(2, 0, 0);
    FindMatchPoints(zeros.data());
    for (const MatchPoint& slot : zeros.data().MatchPoints) EXPECT_FALSE(MatchSlotShown(slot));
}

TEST(MatchPoints, AcceptReadsTheCellsAndStopsAtTheFirstThatIsNotANumber)
{
    WindowTrace w;
    w.data().Append(1, 50, 0);
    MatchCells cells;
    cells.R = {"10", "20", "", "40"};
    cells.X = {"1", "-5", "", "7"};
    EXPECT_FALSE(AcceptMatchCells(w.data(), cells));
    ExpectSlot(w.data().MatchPoints[kRMin], 10, 1);
    EXPECT_FALSE(MatchSlotShown(w.data().MatchPoints[kRMax])); // left empty
    EXPECT_FALSE(MatchSlotShown(w.data().MatchPoints[kCenter])); // so no centre

    cells.R = {"10", "20", "30", "4k"};
    cells.X = {"1", "x2", "3", "7"};
    const auto message = AcceptMatchCells(w.data(), cells);
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, "Syntax error: x2");
    EXPECT_DOUBLE_EQ(w.data().MatchPoints[kXMin].R, 20); // read before the bad cell
    EXPECT_DOUBLE_EQ(w.data().MatchPoints[kXMin].X, 1e99);
    EXPECT_DOUBLE_EQ(w.data().MatchPoints[kRMax].R, -1e99); // after it: empty
    EXPECT_DOUBLE_EQ(w.data().MatchPoints[kCenter].R, 1e99);

    cells.R = {"10", "20", "30", "40"};
    cells.X = {"1", "2", "3", "6"};
    EXPECT_FALSE(AcceptMatchCells(w.data(), cells));
    ExpectSlot(w.data().MatchPoints[kCenter], 25, 3);
}

TEST(MatchPoints, CursorPointAndRowsOutsideTheExtremesAreRefused)
{
    WindowTrace w;
    w.data().Append(10, 40, 5);
    w.data().Append(20, 1e99, 5);
    double R = 0, X = 0;
    EXPECT_TRUE(MatchPointAtCursor(w.data(), kHorF, 15, R, X));
    EXPECT_EQ(R, 40);
    EXPECT_FALSE(MatchPointAtCursor(w.data(), kHorF, 5, R, X));  // left of the trace
    EXPECT_FALSE(MatchPointAtCursor(w.data(), kHorN, 7, R, X));  // beyond its last point
    EXPECT_FALSE(MatchPointAtCursor(w.data(), kHorF, 25, R, X)); // a gap

    EXPECT_FALSE(SetMatchSlot(w.data(), 0, 1, 2));
    EXPECT_FALSE(SetMatchSlot(w.data(), 5, 1, 2));
    EXPECT_TRUE(SetMatchSlot(w.data(), 4, 1, 2));
    ExpectSlot(w.data().MatchPoints[kXMax], 1, 2);
}

} // namespace
