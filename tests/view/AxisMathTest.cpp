#include "view/chart/AxisMath.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(NiceStep, RoundsUpToTwoFourFiveOrTen)
{
    EXPECT_DOUBLE_EQ(NiceStep(1), 2); // a mantissa of 1 is never kept
    EXPECT_DOUBLE_EQ(NiceStep(3), 4);
    EXPECT_DOUBLE_EQ(NiceStep(4.5), 5);
    EXPECT_DOUBLE_EQ(NiceStep(7), 10);
    EXPECT_DOUBLE_EQ(NiceStep(0.15), 0.2);
    EXPECT_DOUBLE_EQ(NiceStep(10), 20);
    EXPECT_DOUBLE_EQ(NiceStep(1e21), 2e20);
    for (const double tiny : {1e-21, 0.0, -5.0, std::nan("")}) EXPECT_EQ(NiceStep(tiny), 2) << tiny;
}

TEST(NiceStep, KeepsExactStepsOfTwoFourAndFive)
{
    // 10^(log10 v - n) lands a little above the mantissa and once turned 20
    // into 40; the step of a tidy value must be that value.
    for (int n = -15; n <= 15; ++n) {
        for (const double s : {2.0, 4.0, 5.0}) {
            const double v = n < 0 ? s / std::pow(10.0, -n) : s * std::pow(10.0, n);
            EXPECT_DOUBLE_EQ(NiceStep(v), v) << v;
        }
        const double decade = n < 0 ? 1 / std::pow(10.0, -n) : std::pow(10.0, n);
        EXPECT_DOUBLE_EQ(NiceStep(decade), 2 * decade) << decade;
    }
}

TEST(CeilToStep, GivesTheNextMultipleAtOrAbove)
{
    EXPECT_EQ(CeilToStep(2, 3), 4);
    EXPECT_EQ(CeilToStep(2, -3), -2);
    EXPECT_EQ(CeilToStep(2, 4), 4);
    EXPECT_EQ(CeilToStep(2, -4), -4);
    EXPECT_EQ(CeilToStep(1, -0.5), 0);
}

TEST(XToPixel, MapsALinearAxisAndBack)
{
    ViewState view;
    EXPECT_DOUBLE_EQ(XToPixel(view, 990, 1), 0.5);
    EXPECT_DOUBLE_EQ(XToPixel(view, 990, 100), 990.5);
    EXPECT_DOUBLE_EQ(XToPixel(view, 990, 50.5), 495.5);
    EXPECT_DOUBLE_EQ(PixelToX(view, 495, 990), 50.5);
    EXPECT_DOUBLE_EQ(PixelToX(view, 0, 990), 1);

    view.HorMode = kHorN;
    view.HorLeft[kHorN] = 10;
    view.HorRight[kHorN] = 20;
    EXPECT_DOUBLE_EQ(XToPixel(view, 100, 15), 50.5);
    EXPECT_DOUBLE_EQ(PixelToX(view, 25, 100), 12.5);

    view.HorRight[kHorN] = 10; // an empty range
    EXPECT_EQ(XToPixel(view, 100, 15), 0);
    view.HorRight[kHorN] = 5; // a reversed one
    EXPECT_EQ(XToPixel(view, 100, 15), 0);
}

TEST(XToPixel, MapsALogarithmicAxisAndBack)
{
    ViewState view;
    view.HorLog = true;
    view.HorRight[kHorF] = 1000;
    EXPECT_DOUBLE_EQ(XToPixel(view, 600, 10), 200.5);
    EXPECT_DOUBLE_EQ(XToPixel(view, 600, 100), 400.5);
    EXPECT_NEAR(PixelToX(view, 200, 600), 10, 1e-12);
    EXPECT_NEAR(PixelToX(view, 300, 600), std::sqrt(1000.0), 1e-9);

    EXPECT_EQ(XToPixel(view, 600, 0), 0);  // no logarithm of 0
    EXPECT_EQ(XToPixel(view, 600, -5), 0);
    view.HorLeft[kHorF] = 0;
    EXPECT_EQ(XToPixel(view, 600, 10), 0);
    EXPECT_EQ(PixelToX(view, 200, 600), 0);
}

TEST(PixelToX, GivesZeroWhenTheLogarithmicValueOverflows)
{
    ViewState view;
    view.HorLog = true;
    view.HorRight[kHorF] = 1e300;
    EXPECT_EQ(PixelToX(view, 6000, 600), 0);
    EXPECT_TRUE(std::isfinite(PixelToX(view, 300, 600)));
}

} // namespace
