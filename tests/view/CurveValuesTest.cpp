#include "ChartTestTraces.h"
#include "view/chart/CurveValues.h"
#include "view/ReplayLimit.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

PointRecord Z(double R, double X) { return {1, R, X, 0, 0, 0, 0}; }
PointRecord Vip(double V, double I, double phase) { return {1, 0, 0, 0, V, I, phase}; }

double ValueOn(ViewState& view, int kind, int curve, const PointRecord& point)
{
    view.GraphKind = kind;
    return CurveValue(view, curve, point);
}

TEST(CurveValues, WhatEachKindShows)
{
    ViewState view;
    EXPECT_EQ(ValueOn(view, kGraphRX, 0, Z(30, 40)), 30);
    EXPECT_EQ(ValueOn(view, kGraphRX, 1, Z(30, 40)), 40);
    EXPECT_DOUBLE_EQ(ValueOn(view, kGraphZMagPhase, 0, Z(30, 40)), 50);
    EXPECT_NEAR(ValueOn(view, kGraphZMagPhase, 1, Z(30, 40)), 53.130102, 1e-6);
    EXPECT_EQ(ValueOn(view, kGraphZMagPhase, 1, Z(0, 0)), 0);
    EXPECT_DOUBLE_EQ(ValueOn(view, kGraphGammaReIm, 0, Z(50, 50)), 0.2);
    EXPECT_DOUBLE_EQ(ValueOn(view, kGraphGammaReIm, 1, Z(50, 50)), 0.4);
    EXPECT_NEAR(ValueOn(view, kGraphGammaMagPhase, 1, Z(50, 50)), 63.434949, 1e-6);
    EXPECT_DOUBLE_EQ(ValueOn(view, kGraphVswr, 0, Z(25, 0)), 2);
    EXPECT_EQ(ValueOn(view, kGraphVip, 2, Vip(1, 2, -45)), -45);
    EXPECT_DOUBLE_EQ(ValueOn(view, kGraphPower, 0, Vip(2, 3, 0)), 6);
    EXPECT_NEAR(ValueOn(view, kGraphPower, 0, Vip(2, 3, 90)), 0, 1e-12);

    view.Z0Re = 25; // Gamma and VSWR are against the window's Z0
    EXPECT_DOUBLE_EQ(ValueOn(view, kGraphVswr, 0, Z(25, 0)), 1);
}

TEST(CurveValues, GapsWhereNoValueWasMeasuredOrNoneCanBeComputed)
{
    ViewState view;
    EXPECT_TRUE(std::isnan(ValueOn(view, kGraphRX, 0, Z(1e99, 0))));
    EXPECT_EQ(ValueOn(view, kGraphRX, 1, Z(1e99, 0)), 0); // X has a value
    EXPECT_EQ(ValueOn(view, kGraphRX, 0, Z(1e90, 0)), 1e90);
    EXPECT_TRUE(std::isnan(ValueOn(view, kGraphVip, 1, Vip(1, 1e99, 0))));
    EXPECT_TRUE(std::isnan(ValueOn(view, kGraphPower, 0, Vip(1, 1, 1e99))));
    EXPECT_TRUE(std::isnan(ValueOn(view, kGraphGammaReIm, 0, Z(-50, 0)))); // Z = -Z0
    EXPECT_TRUE(std::isnan(ValueOn(view, kGraphVswr, 0, Z(1e99, 0))));    // |Gamma| = 1
    // Without a logarithm the magnitude of kind 3 takes even a missing value.
    EXPECT_EQ(ValueOn(view, kGraphZMagPhase, 0, Z(1e99, 0)), 1e99);
    view.Graphs[kGraphZMagPhase].Log = true;
    EXPECT_TRUE(std::isnan(ValueOn(view, kGraphZMagPhase, 0, Z(1e99, 0))));
    EXPECT_TRUE(std::isnan(ValueOn(view, kGraphZMagPhase, 0, Z(0, 0))));
    EXPECT_DOUBLE_EQ(ValueOn(view, kGraphZMagPhase, 0, Z(100, 0)), 40);
}

class FitRange : public ::testing::Test {
protected:
    std::pair<double, double> Range(int kind)
    {
        view_.GraphKind = kind;
        double min = 1e99;
        double max = -1e99;
        for (int i = 0; i < view_.Traces.Count(); ++i) GetFitRange(*view_.Traces.Get(i), view_, min, max);
        return {min, max};
    }

    ViewState view_;
};

TEST_F(FitRange, TakesInTheValuesOfTheKindShown)
{
    AddTrace(view_, {{1, 30, -40, 0, 2, 0.5, 10}, {2, 50, 10, 0, 1, 3, 80}, {3, 1e99, 0, 0, 1e99, 1, 0}});
    EXPECT_EQ(Range(kGraphRX), std::make_pair(-40.0, 1e99)); // missing values are taken as they are
    EXPECT_EQ(Range(kGraphVip), std::make_pair(0.5, 1e99));   // V and I, not the phase
    const auto power = Range(kGraphPower);                   // the point without V is left out
    EXPECT_NEAR(power.first, 3 * std::cos(80 * std::numbers::pi / 180), 1e-12);
    EXPECT_NEAR(power.second, 2 * 0.5 * std::cos(10 * std::numbers::pi / 180), 1e-12);
    EXPECT_EQ(Range(kGraphZMagPhase).second, 1e99);
    const auto vswr = Range(kGraphVswr); // the infinite impedance has no VSWR
    EXPECT_GT(vswr.first, 1);
    EXPECT_LT(vswr.second, 10);
}

TEST_F(FitRange, AZeroMagnitudeHasNoPlaceOnALogarithmicAxis)
{
    AddTrace(view_, {Z(0, 0), Z(30, 40)});
    EXPECT_EQ(Range(kGraphZMagPhase), std::make_pair(0.0, 50.0));
    view_.Graphs[kGraphZMagPhase].Log = true;
    EXPECT_EQ(Range(kGraphZMagPhase), std::make_pair(50.0, 50.0));
}

TEST_F(FitRange, OnlyThePointsUpToTheReplayPositionCount)
{
    AddTrace(view_, {Z(10, 0), Z(20, 0), Z(500, 0)});
    InstallReplaySampleLimit([](const CTrace&) { return 2; });
    EXPECT_EQ(Range(kGraphRX), std::make_pair(0.0, 20.0));
    InstallReplaySampleLimit({});
    EXPECT_EQ(Range(kGraphRX), std::make_pair(0.0, 500.0));
}

} // namespace
