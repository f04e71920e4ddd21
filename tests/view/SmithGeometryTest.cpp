#include "view/canvas/DrawLimits.h"
#include "view/chart/SmithGeometry.h"
#include "view/chart/SmithGridTable.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(GammaFromZ, ReflectsAgainstTheWindowsZ0)
{
    ViewState view;
    double re = 9;
    double im = 9;
    ASSERT_TRUE(GammaFromZ(view, 50, 0, re, im));
    EXPECT_EQ(re, 0);
    EXPECT_EQ(im, 0);
    ASSERT_TRUE(GammaFromZ(view, 0, 50, re, im));
    EXPECT_NEAR(re, 0, 1e-15);
    EXPECT_NEAR(im, 1, 1e-15);

    view.Z0Re = 75;
    view.Z0Im = 10;
    ASSERT_TRUE(GammaFromZ(view, 75, 10, re, im));
    EXPECT_NEAR(re, 0, 1e-15);
    EXPECT_NEAR(im, 0, 1e-15);
}

TEST(GammaFromZ, TakesAbsentValuesAsAnOpenAndFailsOnTheUndefined)
{
    ViewState view;
    double re = 9;
    double im = 9;
    ASSERT_TRUE(GammaFromZ(view, 1e99, 0, re, im));
    EXPECT_EQ(re, 1);
    EXPECT_EQ(im, 0);
    ASSERT_TRUE(GammaFromZ(view, 1e90, 0, re, im)); // still converted
    EXPECT_LT(re, 1);

    re = im = 9;
    EXPECT_FALSE(GammaFromZ(view, -50, 0, re, im)); // Z = -Z0
    EXPECT_FALSE(GammaFromZ(view, -kInf, 0, re, im));
    EXPECT_FALSE(GammaFromZ(view, 0, -kInf, re, im));
    EXPECT_FALSE(GammaFromZ(view, std::nan(""), 0, re, im));
    EXPECT_EQ(re, 9);
    EXPECT_EQ(im, 9);
}

TEST(VswrFromZ, GivesTheStandingWaveRatio)
{
    ViewState view;
    double vswr = 0;
    ASSERT_TRUE(VswrFromZ(view, 50, 0, vswr));
    EXPECT_DOUBLE_EQ(vswr, 1);
    ASSERT_TRUE(VswrFromZ(view, 100, 0, vswr));
    EXPECT_DOUBLE_EQ(vswr, 2);
    ASSERT_TRUE(VswrFromZ(view, 25, 0, vswr));
    EXPECT_DOUBLE_EQ(vswr, 2);
    ASSERT_TRUE(VswrFromZ(view, -10, 0, vswr)); // outside the chart
    EXPECT_LT(vswr, 0);

    vswr = 7;
    EXPECT_FALSE(VswrFromZ(view, 0, 50, vswr)); // |Gamma| of 1
    EXPECT_FALSE(VswrFromZ(view, 1e99, 0, vswr));
    EXPECT_FALSE(VswrFromZ(view, -50, 0, vswr));
    EXPECT_EQ(vswr, 7);
}

TEST(SmithSquare, TakesNinetyPercentOfTheShorterSideDividedByTheScale)
{
    ViewState view;
    EXPECT_EQ(SmithSquare(view, {0, 0, 800, 600}), (TRect{130, 30, 670, 570}));
    view.SmithScale = 0.5;
    EXPECT_EQ(SmithSquare(view, {0, 0, 800, 600}).Width(), 1080); // 1.8 times the shorter side
    view.SmithScale = 2;
    EXPECT_EQ(SmithSquare(view, {0, 0, 800, 600}), (TRect{265, 165, 535, 435}));
}

TEST(SmithSquare, ShowsTheOffsetGammaInTheMiddle)
{
    ViewState view;
    view.SmithX = 0.5;
    view.SmithY = -0.25;
    view.SmithRect = SmithSquare(view, {0, 0, 800, 600});
    const std::optional<TPoint> middle = GammaToPoint(view, view.SmithX, -view.SmithY);
    ASSERT_TRUE(middle);
    EXPECT_NEAR(middle->x, 400, 1);
    EXPECT_NEAR(middle->y, 300, 1);
}

TEST(SmithSquare, KeepsTheScaleWithinItsLimits)
{
    ViewState view;
    const TRect chart{0, 0, 800, 600};
    view.SmithScale = 0.01;
    const TRect smallest = SmithSquare(view, chart);
    EXPECT_EQ(smallest.Width(), 54000);
    for (const double scale : {0.0, 1e-300, -3.0}) {
        view.SmithScale = scale;
        EXPECT_EQ(SmithSquare(view, chart), smallest) << scale;
    }
    view.SmithScale = 20;
    const TRect largest = SmithSquare(view, chart);
    view.SmithScale = 1e6;
    EXPECT_EQ(SmithSquare(view, chart), largest);
    view.SmithScale = std::nan("");
    EXPECT_EQ(SmithSquare(view, chart).Width(), 540);
}

TEST(SmithSquare, StaysFiniteForAnyOffset)
{
    ViewState view;
    for (const double offset : {1e300, -1e300, kInf, std::nan("")}) {
        view.SmithX = view.SmithY = offset;
        const TRect square = SmithSquare(view, {0, 0, 800, 600});
        EXPECT_EQ(square.Width(), 540) << offset;
        EXPECT_EQ(square.Height(), 540) << offset;
    }
}

TEST(GammaToPoint, PlacesGammaInTheSquareByTruncation)
{
    ViewState view;
    view.SmithRect = {100, 50, 301, 251};
    EXPECT_EQ(GammaToPoint(view, 0, 0), (TPoint{200, 150}));
    EXPECT_EQ(GammaToPoint(view, 1, 0), (TPoint{301, 150}));
    EXPECT_EQ(GammaToPoint(view, -1, 0), (TPoint{100, 150}));
    EXPECT_EQ(GammaToPoint(view, 0, 1), (TPoint{200, 50}));
    view.SmithRect = {-101, -101, 0, 0};
    EXPECT_EQ(GammaToPoint(view, 0, 0), (TPoint{-50, -50})); // toward zero, not down
}

TEST(GammaToPoint, ClampsAnUnboundedGammaToTheDrawLimits)
{
    ViewState view;
    view.SmithRect = {100, 50, 300, 250};
    EXPECT_EQ(GammaToPoint(view, 1e12, -1e12), (TPoint{DrawLimits.MaxX, DrawLimits.MaxY}));
    EXPECT_EQ(GammaToPoint(view, -kInf, kInf), (TPoint{DrawLimits.MinX, DrawLimits.MinY}));
    EXPECT_FALSE(GammaToPoint(view, std::nan(""), 0));
}

TEST(SmithGridTable, ComputesTheArcsOnce)
{
    const SmithGridTableType& table = SmithGridTable();
    EXPECT_EQ(&table, &SmithGridTable());
    EXPECT_EQ(table[15].kind, kSmithArcEnd);

    const SmithGridArc& r02 = table[0];
    EXPECT_NEAR(r02.radius, 0.8333, 1e-4);
    EXPECT_NEAR(r02.centerX, 0.1667, 1e-4);
    EXPECT_NEAR(r02.start, 1.0808, 1e-4);
    EXPECT_DOUBLE_EQ(r02.end, std::numbers::pi);

    const SmithGridArc& x2 = table[8];
    EXPECT_DOUBLE_EQ(x2.radius, 0.5);
    EXPECT_DOUBLE_EQ(x2.centerX, 1);
    EXPECT_DOUBLE_EQ(x2.centerY, 0.5);
    EXPECT_NEAR(x2.start, 2.4981, 1e-4);
    EXPECT_NEAR(x2.end, 4.6149, 1e-4);

    const SmithGridArc& phase30 = table[12];
    EXPECT_NEAR(phase30.radius, 2, 1e-12);
    EXPECT_NEAR(phase30.centerY, -1.7321, 1e-4);
    EXPECT_NEAR(phase30.start * 180 / std::numbers::pi, 60.1, 1e-9);
    EXPECT_NEAR(phase30.end * 180 / std::numbers::pi, 119.9, 1e-9);
}

TEST(SmithGridTable, ArcsRunThroughTheirImpedances)
{
    // A point of each resistance circle and reactance arc, read back as an
    // impedance, has the circle's normalised resistance or reactance.
    for (const SmithGridArc& arc : SmithGridTable()) {
        if (arc.kind != kSmithArcResistance && arc.kind != kSmithArcReactance) continue;
        const double theta = (arc.start + arc.end) / 2;
        const double re = arc.centerX + arc.radius * std::cos(theta);
        const double im = arc.centerY + arc.radius * std::sin(theta);
        const double d = (1 - re) * (1 - re) + im * im;
        const double r = (1 - re * re - im * im) / d;
        const double x = 2 * im / d;
        if (arc.kind == kSmithArcResistance) {
            EXPECT_NEAR(r, arc.a, 1e-9);
        } else {
            EXPECT_NEAR(x, arc.b, 1e-9);
        }
    }
}

} // namespace
