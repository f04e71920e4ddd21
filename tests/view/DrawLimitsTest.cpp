#include "view/canvas/DrawLimits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(DrawLimits, ClampsThenTruncatesTowardZero)
{
    EXPECT_EQ(TruncateToPixel(2.9, -10, 10), 2);
    EXPECT_EQ(TruncateToPixel(-2.9, -10, 10), -2);
    EXPECT_EQ(TruncateToPixel(1e300, -10, 10), 10);
    EXPECT_EQ(TruncateToPixel(-std::numeric_limits<double>::infinity(), -10, 10), -10);
    EXPECT_FALSE(TruncateToPixel(std::nan(""), -10, 10));
}

TEST(DrawLimits, PixelsStayWithinTheProgramWideLimits)
{
    const PixelLimits saved = DrawLimits;
    DrawLimits = {-100, 200, -300, 400};
    EXPECT_EQ(PixelPoint(1e12, -1e12), (TPoint{400, -100}));
    EXPECT_EQ(PixelPoint(-1e12, 1e12), (TPoint{-300, 200}));
    EXPECT_EQ(PixelPoint(12.7, -3.5), (TPoint{12, -3}));
    EXPECT_FALSE(PixelPoint(1, std::nan("")));
    EXPECT_FALSE(PixelPoint(std::nan(""), 1));
    DrawLimits = saved;
}

} // namespace
