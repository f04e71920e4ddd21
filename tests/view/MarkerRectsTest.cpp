#include "ChartTestTraces.h"
#include "SettingsSnapshot.h"
#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/chart/ChartDrawing.h"
#include "view/document/MarkerRects.h"
#include "view/document/ViewState.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(MarkerRects, APressFindsTheFirstRectangleThatHoldsItEdgesIncluded)
{
    MarkerRectTable table;
    table.Alloc(4);
    table.Add({10, 10, 20, 20}, 1.5);
    table.Add({15, 15, 25, 25}, 2.5);
    EXPECT_EQ(table.Find(10, 20), 0); // the left and bottom edges count
    EXPECT_EQ(table.Find(20, 10), 0);
    EXPECT_EQ(table.Find(17, 17), 0); // the earlier one wins
    EXPECT_EQ(table.Find(25, 25), 1);
    EXPECT_EQ(table.Find(26, 25), -1);
    EXPECT_EQ(table[1].X, 2.5);
}

TEST(MarkerRects, WithoutATableNothingIsStoredOrFound)
{
    MarkerRectTable table;
    table.Add({0, 0, 10, 10}, 1);
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(table.Find(5, 5), -1);
    table.Alloc(0);
    EXPECT_FALSE(table.Exists());

    table.Alloc(2);
    table.Add({0, 0, 10, 10}, 1);
    table.Free();
    EXPECT_EQ(table.Find(5, 5), -1);
    table.Add({0, 0, 10, 10}, 1);
    EXPECT_EQ(table.Count(), 0);
}

TEST(MarkerRects, AFullTableGrowsRatherThanBeingWrittenPastItsEnd)
{
    MarkerRectTable table;
    table.Alloc(2);
    for (int i = 0; i < 3; ++i) table.Add({i * 10, 0, i * 10 + 5, 5}, i);
    EXPECT_EQ(table.Count(), 3);
    EXPECT_EQ(table.Find(22, 2), 2);
}

TEST(MarkerRects, EachDrawingRebuildsTheTableInTheStorageOfTheLastOne)
{
    const SettingsSnapshot snapshot;
    SetDefaults(Settings);
    ViewState view;
    view.GraphKind = kGraphRX;
    AddTrace(view, Noise(500, 9));
    QImage image(300, 200, QImage::Format_RGB32);
    CCanvas canvas(image);
    DrawChartContent(view, canvas, {0, 0, 300, 200});
    EnsureMarkerRects(view);
    ASSERT_GT(view.MarkerRects.Count(), 0);
    const int count = view.MarkerRects.Count();
    const MarkerRect* storage = &view.MarkerRects[0];
    DrawChartContent(view, canvas, {0, 0, 300, 200});
    EnsureMarkerRects(view);
    EXPECT_EQ(view.MarkerRects.Count(), count);
    EXPECT_EQ(&view.MarkerRects[0], storage);

    view.ShowDataPoints = false;
    DrawChartContent(view, canvas, {0, 0, 300, 200});
    EnsureMarkerRects(view);
    EXPECT_FALSE(view.MarkerRects.Exists());
}

TEST(MarkerRects, ADrawingLeavesTheTableToBeBuiltWhereItsPointsNowAre)
{
    const SettingsSnapshot snapshot;
    SetDefaults(Settings);
    ViewState view;
    view.HorLeft[kHorF] = 0;
    view.HorRight[kHorF] = 100;
    AddTrace(view, {{50, 20, 10, 0, 0, 0, 0}});
    QImage image(400, 300, QImage::Format_RGB32);
    CCanvas canvas(image);
    const auto pointAt = [&view](int index) {
        const TRect& r = view.MarkerRects[index].Rect;
        return TPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    for (const int kind : {kGraphRX, kGraphSmith}) {
        view.GraphKind = kind;
        view.HorLeft[kHorF] = 0;
        view.SmithX = 0;
        DrawChartContent(view, canvas, {0, 0, 400, 300});
        EXPECT_FALSE(view.MarkerRects.Exists()) << "nothing asked for the table yet";
        EnsureMarkerRects(view);
        ASSERT_GE(view.MarkerRects.Count(), 1) << kind;
        const TPoint before = pointAt(0);
        EXPECT_EQ(view.MarkerRects.Find(before.x, before.y), 0);
        EXPECT_EQ(view.MarkerRects[0].X, 50);

        // A pan to the left moves the point to the right.
        view.HorLeft[kHorF] = -40;
        view.SmithX = -0.3;
        DrawChartContent(view, canvas, {0, 0, 400, 300});
        EnsureMarkerRects(view);
        ASSERT_GE(view.MarkerRects.Count(), 1) << kind;
        const TPoint after = pointAt(0);
        EXPECT_GT(after.x, before.x + 10) << kind;
        EXPECT_EQ(view.MarkerRects.Find(after.x, after.y), 0) << kind;
        EXPECT_EQ(view.MarkerRects.Find(before.x, before.y), -1) << kind;
    }
}

} // namespace
