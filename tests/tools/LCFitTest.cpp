#include "WindowTrace.h"
#include "tools/LCFit.h"
#include "tools/ToolNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// X of a series circuit of L (H) and C (F) at f (MHz).
double SeriesX(double fMHz, double L, double C)
{
    const double w = 2 * std::numbers::pi * fMHz * 1e6;
    return w * L - 1 / (w * C);
}

TEST(LCFit, RecoversTheSeriesCircuitFromTwoPointsOfATrace)
{
    WindowTrace w;
    for (int f = 1; f <= 30; ++f) w.data().Append(f, 25, SeriesX(f, 1e-6, 1e-10));

    const auto c1 = LCColumnAt(w.data(), 5, false);
    const auto c2 = LCColumnAt(w.data(), 20, true);
    ASSERT_TRUE(c1 && c2);
    EXPECT_DOUBLE_EQ(c1->R, 25);
    EXPECT_DOUBLE_EQ(*c1->Rpar, (25 * 25 + c1->X * c1->X) / 25);
    EXPECT_DOUBLE_EQ(*c2->Xpar, (25 * 25 + c2->X * c2->X) / c2->X);
    const LCFitResult fit = FitSeriesLC(5, c1->X, 20, c2->X);
    ASSERT_TRUE(fit.LnH && fit.CpF);
    EXPECT_NEAR(*fit.LnH, 1000, 1e-6);
    EXPECT_NEAR(*fit.CpF, 100, 1e-9);

    EXPECT_FALSE(LCColumnAt(w.data(), 0.5, false)); // outside the trace
    EXPECT_FALSE(LCColumnAt(w.data(), 31, false));
}

TEST(LCFit, DegeneratePairsLeaveResultsEmpty)
{
    const LCFitResult resistive = FitSeriesLC(5, 0, 10, 0);
    ASSERT_TRUE(resistive.LnH);
    EXPECT_EQ(FormatToolValue(4, *resistive.LnH), "0");
    EXPECT_FALSE(resistive.CpF); // D = 0

    const LCFitResult nearlySingular = FitSeriesLC(1, 1e-310, 2, 0);
    EXPECT_TRUE(nearlySingular.LnH);
    EXPECT_FALSE(nearlySingular.CpF); // C would be infinite

    for (const LCFitResult& none : {FitSeriesLC(5, 1, 5 * (1 + 1e-13), 2), FitSeriesLC(0, 1, 5, 2),
                                    FitSeriesLC(5, 1, -5, 2)}) {
        EXPECT_FALSE(none.LnH);
        EXPECT_FALSE(none.CpF);
    }

    WindowTrace w;
    w.data().Append(1, 0, 10);
    w.data().Append(2, 10, 0);
    const auto zeroR = LCColumnAt(w.data(), 1, false);
    const auto zeroX = LCColumnAt(w.data(), 2, false);
    ASSERT_TRUE(zeroR && zeroX);
    EXPECT_FALSE(zeroR->Rpar);
    EXPECT_TRUE(zeroR->Xpar);
    EXPECT_FALSE(zeroX->Xpar);
}

} // namespace
