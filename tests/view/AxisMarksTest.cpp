#include "SettingsSnapshot.h"
#include "model/Settings.h"
#include "view/chart/AxisMarks.h"
#include "view/chart/AxisMath.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

const AxisMark* FindValue(const std::vector<AxisMark>& marks, double value)
{
    const auto found = std::find_if(marks.begin(), marks.end(), [value](const AxisMark& mark) {
        return std::fabs(mark.Value - value) <= 1e-9 * std::max(1.0, std::fabs(value));
    });
    return found == marks.end() ? nullptr : &*found;
}

std::vector<double> LabelledValues(const std::vector<AxisMark>& marks)
{
    std::vector<double> values;
    for (const AxisMark& mark : marks) {
        if (mark.LabelPixel) values.push_back(mark.Value);
    }
    return values;
}

class AxisMarks : public ::testing::Test {
protected:
    void SetUp() override { SetDefaults(Settings); } // Settings.VertSize 150, Settings.HorSize 100
    SettingsSnapshot snapshot_;
};

TEST_F(AxisMarks, LinearXLinesStandAtMultiplesOfATidyStep)
{
    ViewState view;
    view.HorLeft[kHorF] = 0;
    const std::vector<AxisMark> marks = XAxisMarks(view, 600);

    // 100 MHz over 600 pixels with 150 pixels aimed at: a step of 40.
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].Value, 0);
    EXPECT_EQ(marks[0].Style, MarkStyle::LabelOnly); // the left edge gets no line
    EXPECT_EQ(marks[1].Value, 40);
    EXPECT_EQ(marks[1].Pixel, 240);
    EXPECT_EQ(marks[1].Style, MarkStyle::Line);
    EXPECT_EQ(marks[2].Pixel, 480);
    EXPECT_EQ(LabelledValues(marks), (std::vector<double>{0, 40, 80}));
}

TEST_F(AxisMarks, XLabelsAZeroAsExactlyZero)
{
    ViewState view;
    view.HorLeft[kHorF] = -0.3;
    view.HorRight[kHorF] = 0.3;
    const std::vector<AxisMark> marks = XAxisMarks(view, 600);
    const AxisMark* zero = FindValue(marks, 0);
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->Value, 0.0);
    EXPECT_EQ(zero->Pixel, 300);
}

TEST_F(AxisMarks, LogarithmicXOverDecadesLabelsEveryDecade)
{
    ViewState view;
    view.HorLog = true;
    view.HorRight[kHorF] = 1000;
    const std::vector<AxisMark> marks = XAxisMarks(view, 600);

    EXPECT_EQ(LabelledValues(marks), (std::vector<double>{1, 10, 100}));
    EXPECT_EQ(FindValue(marks, 1)->Style, MarkStyle::LabelOnly);
    EXPECT_EQ(FindValue(marks, 1)->Pixel, 0);
    EXPECT_EQ(FindValue(marks, 10)->Pixel, 200);
    EXPECT_EQ(FindValue(marks, 100)->Pixel, 400);
    EXPECT_EQ(FindValue(marks, 1000), nullptr); // on the right edge

    // A decade of 200 pixels is wider than 150 / 0.9: dotted lines at 2, 4,
    // 6 and 8 of each decade, not at the odd values.
    const AxisMark* two = FindValue(marks, 2);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->Style, MarkStyle::Dots);
    EXPECT_EQ(two->Pixel, static_cast<int>(XToPixel(view, 600, 2)));
    EXPECT_NE(FindValue(marks, 80), nullptr);
    EXPECT_EQ(FindValue(marks, 3), nullptr);
    EXPECT_EQ(FindValue(marks, 30), nullptr);
}

TEST_F(AxisMarks, NarrowLogarithmicXStepsInFrequency)
{
    ViewState view;
    view.HorLog = true;
    view.HorLeft[kHorF] = 10;
    view.HorRight[kHorF] = 150;
    const std::vector<AxisMark> marks = XAxisMarks(view, 600);

    ASSERT_EQ(LabelledValues(marks), (std::vector<double>{40, 80, 120}));
    EXPECT_EQ(marks[0].Pixel, static_cast<int>(XToPixel(view, 600, 40)));
    // Placed logarithmically: equal steps in frequency draw closer together.
    EXPECT_GT(marks[1].Pixel - marks[0].Pixel, marks[2].Pixel - marks[1].Pixel);
}

TEST_F(AxisMarks, LogarithmicXRaisesALimitBelowTheSmallestValue)
{
    ViewState view;
    view.HorLog = true;
    view.HorLeft[kHorF] = 0;
    XAxisMarks(view, 600);
    EXPECT_EQ(view.HorLeft[kHorF], 1e-20);

    view.HorRight[kHorF] = -5; // now below the left limit as well
    EXPECT_TRUE(XAxisMarks(view, 600).empty());
}

TEST_F(AxisMarks, XDrawsNothingOnADegenerateAxisAndBoundsTheLines)
{
    ViewState view;
    EXPECT_TRUE(XAxisMarks(view, 2).empty());
    view.HorRight[kHorF] = 1;
    EXPECT_TRUE(XAxisMarks(view, 600).empty());
    view.HorRight[kHorF] = std::nan("");
    EXPECT_TRUE(XAxisMarks(view, 600).empty());
    view.HorLeft[kHorF] = -1e19;
    view.HorRight[kHorF] = 1e19;
    Settings.VertSize = 1;
    EXPECT_LE(XAxisMarks(view, 60000).size(), 100u);
}

TEST_F(AxisMarks, LinearYLinesFitTwiceIntoTheWidenedRange)
{
    GraphSettings graph;
    graph.Top = 100;
    graph.Bot = 0;
    const int row = 15;
    const std::vector<AxisMark> marks = YAxisMarks(graph, {0, 0, 600, 400}, row);

    // The range is widened by one row at each end: 100 on row 15, 0 on 385.
    ASSERT_EQ(LabelledValues(marks), (std::vector<double>{0, 40, 80}));
    EXPECT_EQ(marks[0].Value, 0.0);
    EXPECT_EQ(marks[0].Pixel, 385);
    EXPECT_EQ(marks[0].LabelPixel, 385 - row); // in the widening row: labelled above the line
    EXPECT_LT(40, (100 + 2 * 100 * row / 370.0) / 2);
    EXPECT_GT(marks[0].Pixel, marks[1].Pixel);
}

TEST_F(AxisMarks, YLabelsAZeroAsExactlyZero)
{
    GraphSettings graph;
    graph.Top = 0.3;
    graph.Bot = -0.3;
    const std::vector<AxisMark> marks = YAxisMarks(graph, {0, 0, 600, 400}, 15);
    const AxisMark* zero = FindValue(marks, 0);
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->Value, 0.0);
}

TEST_F(AxisMarks, YLabelsInTheBottomRowDependOnTheSeparatePhasePane)
{
    GraphSettings graph;
    graph.Top = 50;
    graph.Bot = 1;
    const int row = 15;
    // The line of 0 lies below Bot, in the bottom text row (row 392 > 385).
    graph.Phase = kPhaseOn;
    const std::vector<AxisMark> sharedMarks = YAxisMarks(graph, {0, 0, 600, 400}, row);
    const AxisMark* shared = FindValue(sharedMarks, 0);
    ASSERT_NE(shared, nullptr);
    ASSERT_GT(shared->Pixel, 400 - row);
    EXPECT_FALSE(shared->LabelPixel); // it would cover the X labels

    graph.Phase = kPhaseSeparate; // the X labels are below the phase pane
    const std::vector<AxisMark> separateMarks = YAxisMarks(graph, {0, 0, 600, 400}, row);
    const AxisMark* separate = FindValue(separateMarks, 0);
    ASSERT_NE(separate, nullptr);
    EXPECT_EQ(separate->LabelPixel, separate->Pixel - row);
}

TEST_F(AxisMarks, YDrawsNothingForAnUnboundedOrEmptyRange)
{
    GraphSettings graph;
    const TRect pane{0, 0, 600, 400};
    for (const auto& [top, bot] : {std::pair{std::nan(""), 0.0}, std::pair{kInf, 0.0}, std::pair{1.0, -kInf},
                                   std::pair{1e308, -1e308}, std::pair{5.0, 5.0}, std::pair{1.0, 2.0}}) {
        graph.Top = top;
        graph.Bot = bot;
        EXPECT_TRUE(YAxisMarks(graph, pane, 15).empty()) << top << " " << bot;
    }
    // So small that every step meets NiceStep's lower clamp: the search for
    // a step that fits must end.
    graph.Top = 1e-30;
    graph.Bot = 0;
    EXPECT_TRUE(YAxisMarks(graph, pane, 15).empty());
    graph.Top = 100;
    EXPECT_TRUE(YAxisMarks(graph, {0, 0, 600, 30}, 15).empty()); // no plot height
}

TEST_F(AxisMarks, LogarithmicYLabelsDecades)
{
    GraphSettings graph;
    graph.Log = true;
    graph.Top = 1e6;
    graph.Bot = 1;
    const std::vector<AxisMark> marks = YAxisMarks(graph, {0, 0, 600, 400}, 15);

    const std::vector<double> labelled = LabelledValues(marks);
    ASSERT_FALSE(labelled.empty());
    for (const double value : labelled) EXPECT_DOUBLE_EQ(value, std::pow(10.0, std::round(std::log10(value))));
    EXPECT_NE(FindValue(marks, 1e6), nullptr);
    EXPECT_LT(FindValue(marks, 1e6)->Pixel, FindValue(marks, 1e3)->Pixel);

    graph.Bot = 1e-21;
    EXPECT_TRUE(YAxisMarks(graph, {0, 0, 600, 400}, 15).empty());
}

TEST_F(AxisMarks, NarrowLogarithmicYStepsInValue)
{
    GraphSettings graph;
    graph.Log = true;
    graph.Top = 18;
    graph.Bot = 2;
    const std::vector<AxisMark> marks = YAxisMarks(graph, {0, 0, 600, 400}, 15);
    ASSERT_GE(marks.size(), 3u);
    EXPECT_EQ(marks[0].Value, 5);
    const double step = marks[1].Value - marks[0].Value;
    EXPECT_DOUBLE_EQ(marks[2].Value - marks[1].Value, step);
    EXPECT_GT(marks[0].Pixel - marks[1].Pixel, marks[1].Pixel - marks[2].Pixel);
}

TEST_F(AxisMarks, PhaseStepDoublesUntilLinesStandEightyPixelsApart)
{
    GraphSettings graph;
    graph.Phase = kPhaseSeparate;
    std::vector<AxisMark> marks = PhaseAxisMarks(graph, {0, 0, 600, 100}, 15);
    ASSERT_EQ(LabelledValues(marks), (std::vector<double>{-360, 0, 360})); // 45 doubled up to 360
    EXPECT_EQ(marks.front().LabelPixel, marks.front().Pixel - 15);

    marks = PhaseAxisMarks(graph, {0, 0, 600, 800}, 15);
    ASSERT_GE(marks.size(), 2u);
    EXPECT_EQ(marks[1].Value - marks[0].Value, 90);
}

TEST_F(AxisMarks, EqualPhaseLimitsShowAFullTurnAbove)
{
    GraphSettings graph;
    graph.Phase = kPhaseOn;
    graph.PhTop = graph.PhBot = 0;
    const std::vector<AxisMark> marks = PhaseAxisMarks(graph, {0, 0, 600, 400}, 15);
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks.front().Value, 0);
    EXPECT_EQ(marks.back().Value, 360);
}

TEST_F(AxisMarks, PhaseDrawsNothingWhenOffOrUnboundedAndBoundsTheLines)
{
    GraphSettings graph;
    EXPECT_TRUE(PhaseAxisMarks(graph, {0, 0, 600, 400}, 15).empty());
    graph.Phase = kPhaseSeparate;
    graph.PhTop = kInf;
    EXPECT_TRUE(PhaseAxisMarks(graph, {0, 0, 600, 400}, 15).empty());
    graph.PhTop = 1e300;
    graph.PhBot = -1e300;
    EXPECT_LE(PhaseAxisMarks(graph, {0, 0, 600, 400}, 15).size(), 200u);
}

} // namespace
