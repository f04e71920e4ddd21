#include "CanvasTestSupport.h"
#include "SettingsSnapshot.h"
#include "model/Settings.h"
#include "view/chart/AxisDrawing.h"
#include "view/chart/AxisMarks.h"
#include "view/chart/AxisMath.h"
#include "view/canvas/Canvas.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kGrey = 0x808080;

class AxisDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(Settings);
        canvas_.SetPenColor(kGrey);
        CFont font;
        font.Height = 13;
        font.Color = 0xC0C0C0;
        canvas_.SetFont(font);
        view_.RowHeight = 15;
    }

    SettingsSnapshot snapshot_;
    QImage image_ = BlackImage(600, 400);
    CCanvas canvas_{image_};
    ViewState view_;
};

TEST_F(AxisDrawing, XLinesAreDottedFromTopToBottom)
{
    view_.HorLeft[kHorF] = 0;
    DrawXAxis(canvas_, view_, {0, 0, 600, 400});
    std::string column;
    for (int y = 0; y < 12; ++y) column += IsSet(image_, 240, y) ? '#' : '.';
    EXPECT_EQ(column, "###...###...");
    EXPECT_EQ(PixelColor(image_, 240, 0), kGrey);
    EXPECT_TRUE(IsSet(image_, 480, 300));
    for (int y = 0; y < 300; ++y) ASSERT_FALSE(IsSet(image_, 0, y)) << "no line on the left edge";
}

TEST_F(AxisDrawing, LogarithmicXSubDecadesAreSinglePixelsEveryEighthRow)
{
    view_.HorLog = true;
    view_.HorRight[kHorF] = 1000;
    DrawXAxis(canvas_, view_, {0, 0, 600, 400});
    const int column = static_cast<int>(XToPixel(view_, 600, 2));
    for (int y = 0; y < 40; ++y) EXPECT_EQ(IsSet(image_, column, y), y % 8 == 0) << y;
}

TEST_F(AxisDrawing, YLinesAreDottedAcrossThePane)
{
    GraphSettings graph;
    graph.Top = 100;
    graph.Bot = 0;
    DrawYAxis(canvas_, graph, {0, 0, 600, 400});
    const int row = 385; // the line of 0, one text row above the bottom
    std::string line;
    for (int x = 0; x < 6; ++x) line += IsSet(image_, x, row) ? '#' : '.';
    EXPECT_EQ(line, "###...");
    EXPECT_TRUE(IsSet(image_, 595, row));
}

TEST_F(AxisDrawing, PhaseTicksShareThePaneAndLinesCrossASeparateOne)
{
    GraphSettings graph;
    graph.Phase = kPhaseOn;
    const TRect pane{0, 0, 600, 400};
    const AxisMark zero = [&] {
        for (const AxisMark& mark : PhaseAxisMarks(graph, pane, view_.RowHeight)) {
            if (mark.Value == 0) return mark;
        }
        return AxisMark{};
    }();
    ASSERT_GT(zero.Pixel, 0);

    DrawPhaseAxis(canvas_, view_, graph, pane);
    EXPECT_TRUE(IsSet(image_, 590, zero.Pixel));
    EXPECT_TRUE(IsSet(image_, 599, zero.Pixel));
    EXPECT_FALSE(IsSet(image_, 589, zero.Pixel));
    EXPECT_FALSE(IsSet(image_, 0, zero.Pixel));
    EXPECT_FALSE(canvas_.Font().Italic); // the labels' italics are undone

    image_.fill(Qt::black);
    graph.Phase = kPhaseSeparate;
    DrawPhaseAxis(canvas_, view_, graph, pane);
    EXPECT_TRUE(IsSet(image_, 0, zero.Pixel));
    EXPECT_FALSE(IsSet(image_, 3, zero.Pixel)); // dotted

    image_.fill(Qt::black);
    graph.Phase = kPhaseOff;
    DrawPhaseAxis(canvas_, view_, graph, pane);
    EXPECT_TRUE(SetPixels(image_).empty());
}

} // namespace
