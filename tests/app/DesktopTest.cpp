#include "app/Desktop.h"

#include <gtest/gtest.h>

namespace {

TEST(Desktop, DrawingReachesADesktopBeyondEverySide)
{
    // Two monitors, the second left of the primary one.
    const PixelLimits limits = DrawLimitsForDesktop({-1920, 0, 3840, 1080});
    EXPECT_EQ(limits.MinY, -1080);
    EXPECT_EQ(limits.MaxY, 2160);
    EXPECT_EQ(limits.MinX, -5760);
    EXPECT_EQ(limits.MaxX, 5760);
}

} // namespace
