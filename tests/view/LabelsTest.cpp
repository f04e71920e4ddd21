// Smith chart labels: the chart point's impedance, the hit test, the label
// commands and menu, and the drawing.

#include "CanvasTestSupport.h"
#include "SettingsSnapshot.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "view/LabelCommands.h"
#include "view/canvas/Canvas.h"
#include "view/chart/LabelDrawing.h"
#include "view/document/Label.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {

// The Smith chart's square from (50, 0) to (350, 300): Gamma = 0 at
// (200, 150), Gamma = 1 at (350, 150), Gamma = j at (200, 0).
class LabelsTest : public ::testing::Test {
protected:
    LabelsTest()
    {
        SetDefaults(Settings);
        Settings.LabelSize = 12;
        view_.GraphKind = kGraphSmith;
        view_.SmithRect = {50, 0, 350, 300};
    }

    CLabel& Add(double re, double im, int format = kLabelRX)
    {
        auto label = std::make_unique<CLabel>();
        label->Re = re;
        label->Im = im;
        label->Format = format;
        view_.Labels.push_back(std::move(label));
        return *view_.Labels.back();
    }

    QImage Draw()
    {
        QImage image = BlackImage(400, 300);
        CCanvas canvas(image);
        DrawLabels(view_, canvas, {0, 0, 400, 300});
        return image;
    }

    SettingsSnapshot snapshot_;
    ViewState view_;
};

TEST_F(LabelsTest, AChartPointHasTheImpedanceOfItsReflectionCoefficient)
{
    double R = 0;
    double X = 0;
    ASSERT_TRUE(PointToImpedance(view_, 200, 150, R, X));
    EXPECT_DOUBLE_EQ(R, 50);
    EXPECT_DOUBLE_EQ(X, 0);
    ASSERT_TRUE(PointToImpedance(view_, 200, 0, R, X));
    EXPECT_NEAR(R, 0, 1e-12);
    EXPECT_DOUBLE_EQ(X, 50);
    ASSERT_TRUE(PointToImpedance(view_, 380, 150, R, X)); // outside the circle: not refused
    EXPECT_NEAR(R, -550, 1e-9);
    EXPECT_FALSE(PointToImpedance(view_, 350, 150, R, X));

    EXPECT_EQ(AddLabelAt(view_, 350, 150), nullptr); // no impedance at Gamma = 1: nothing added
    EXPECT_TRUE(view_.Labels.empty());
    const CLabel* added = AddLabelAt(view_, 200, 0);
    ASSERT_NE(added, nullptr);
    EXPECT_DOUBLE_EQ(added->Im, 50);
    EXPECT_EQ(added->Format, kLabelRX);

    view_.SmithRect = {200, 150, 200, 150};
    EXPECT_FALSE(PointToImpedance(view_, 200, 150, R, X));
    EXPECT_FALSE(view_.Modified);
}

TEST_F(LabelsTest, TheHitTestFindsTheEarlierOfTwoDrawnLabelsAndNeverOneNotDrawn)
{
    Add(1e9, 0); // never drawn: its place (0, 0) is no place
    CLabel& first = Add(50, 0);
    Add(51, 0);
    Draw();
    EXPECT_EQ(first.Pos, (TPoint{200, 150}));
    EXPECT_EQ(FindLabelAt(view_, 0, 0), -1);
    EXPECT_EQ(FindLabelAt(view_, 210, 150), 1);
    EXPECT_EQ(FindLabelAt(view_, 200, 163), -1);

    HideLabel(view_, 1); // hidden: still hit where it was drawn
    Draw();
    EXPECT_EQ(FindLabelAt(view_, 200, 150), 1);
    RemoveLabel(view_, 1);
    EXPECT_EQ(FindLabelAt(view_, 200, 150), 1); // now the one that was third
    RemoveLabel(view_, 7);
    EXPECT_EQ(view_.Labels.size(), 2u);
}

TEST_F(LabelsTest, TheMenuShowsTheLabelItemsForAHitLabelOnly)
{
    LabelMenuItems items = LabelMenuFor(view_, false);
    EXPECT_FALSE(items.labelItemsVisible);
    EXPECT_FALSE(items.deleteAllEnabled);
    EXPECT_FALSE(items.addMatchPointEnabled);
    EXPECT_FALSE(items.showHiddenVisible);

    Add(50, 0);
    Add(20, 5, kLabelRX | kLabelHidden);
    view_.SelectedLabel = 1;
    items = LabelMenuFor(view_, true);
    EXPECT_TRUE(items.labelItemsVisible);
    EXPECT_TRUE(items.deleteAllEnabled);
    EXPECT_TRUE(items.addMatchPointEnabled);
    EXPECT_TRUE(items.showHiddenVisible);
    view_.SelectedLabel = 2;
    EXPECT_FALSE(LabelMenuFor(view_, true).labelItemsVisible);

    ShowHiddenLabels(view_);
    EXPECT_FALSE(LabelMenuFor(view_, true).showHiddenVisible);
    DeleteAllLabels(view_);
    EXPECT_TRUE(view_.Labels.empty());
}

TEST_F(LabelsTest, AnEditAppliesTheFormatToOneOrAllLabelsAndTheTextToItsOwn)
{
    CLabel& one = Add(50, 0);
    CLabel& other = Add(20, 0);
    other.Text = "other";
    ApplyLabelEdit(view_, one, {kLabelVswr, "first\nsecond", false});
    EXPECT_EQ(one.Format, kLabelVswr);
    EXPECT_EQ(one.Text, "first\nsecond");
    EXPECT_EQ(other.Format, kLabelRX);
    ApplyLabelEdit(view_, one, {kLabelHidden, "first", true});
    EXPECT_EQ(other.Format, kLabelHidden);
    EXPECT_EQ(other.Text, "other");
}

TEST_F(LabelsTest, ALabelShowsTheReadoutsOfItsFormatAndEveryLineOfItsText)
{
    Settings.LabelDataDigits = 4;
    const auto n = [](double v) { return FormatEng(4, v); };
    EXPECT_EQ(LabelLines(view_, kLabelRX | kLabelZPhase | kLabelVswr, 50, 50, "a\r\nb\rc\nd"),
              (std::vector<std::string>{"R=" + n(50) + ", X=" + n(50), "Z=" + n(std::sqrt(5000.0)) + ", Ph=" + n(45),
                                        "VSWR=" + n(2.618034), "a", "b", "c", "d"}));
    EXPECT_EQ(LabelLines(view_, kLabelZPhase | kLabelVswr, -50, 0, ""),
              (std::vector<std::string>{"Z=" + n(50) + ", Ph=" + n(180), "VSWR=n/a"}));
    EXPECT_EQ(LabelLines(view_, kLabelZPhase, 0, 0, "")[0], "Z=" + n(0) + ", Ph=" + n(0));
    EXPECT_TRUE(LabelLines(view_, 0, 50, 0, "").empty());
}

TEST_F(LabelsTest, VswrCirclesAreDrawnForEveryListedRatioOfOneOrMore)
{
    const TColor vswr = SchemeColor(kColorVswrCircles);
    Add(50, 0, kLabelVswrCircles); // Gamma = 0: circles of radius (S - 1) / (S + 1) about the centre
    Settings.LabelVswrList = "2";
    QImage image = Draw();
    EXPECT_EQ(PixelColor(image, 150, 150), vswr); // S = 2: 1/3 of the 150-pixel radius
    EXPECT_NE(PixelColor(image, 125, 150), vswr);
    EXPECT_EQ(PixelColor(image, 195, 150), vswr); // the plus sign at the label
    Settings.LabelVswrList = "2, 0.5, , 3";
    image = Draw();
    EXPECT_EQ(PixelColor(image, 125, 150), vswr); // S = 3: half the radius

    view_.Labels.clear(); // |Gamma| >= 1: the plus sign, no circles
    Add(0, 50, kLabelVswrCircles);
    image = Draw();
    EXPECT_EQ(PixelColor(image, 195, 0), vswr);
    EXPECT_NE(PixelColor(image, 200, 75), vswr);
}

TEST(VswrCircleList, IsCommaTextOfRatiosOfOneOrMore)
{
    EXPECT_EQ(VswrCircleRatios("1.22, 2.0, 3.0, 4.0"), (std::vector<double>{1.22, 2, 3, 4}));
    EXPECT_EQ(VswrCircleRatios("2 3"), (std::vector<double>{2, 3}));
    EXPECT_EQ(VswrCircleRatios("\"2\",\"3\""), (std::vector<double>{2, 3}));
    EXPECT_EQ(VswrCircleRatios("\" 1 \",,0.5, , x, inf, 2"), (std::vector<double>{1, 2}));
    EXPECT_TRUE(VswrCircleRatios("").empty());
}

TEST_F(LabelsTest, HiddenLabelsAndLabelsWithoutAFiniteImpedanceAreNotDrawn)
{
    CLabel& hidden = Add(50, 0, kLabelRX | kLabelHidden);
    CLabel& infinite = Add(std::numeric_limits<double>::infinity(), 0);
    CLabel& nan = Add(std::nan(""), 0);
    const QImage image = Draw();
    EXPECT_TRUE(SetPixels(image).empty());
    EXPECT_FALSE(hidden.Placed);
    EXPECT_FALSE(infinite.Placed);
    EXPECT_FALSE(nan.Placed);

    view_.Labels.clear();
    Add(50, 0).Text = std::string(200, 'W'); // the text stops at the chart's edge
    QImage wide = BlackImage(600, 300);
    {
        CCanvas canvas(wide);
        DrawLabels(view_, canvas, {0, 0, 400, 300});
    }
    for (const TPoint& p : SetPixels(wide)) EXPECT_LT(p.x, 400);
}

} // namespace
