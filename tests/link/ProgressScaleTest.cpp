#include "link/ProgressScale.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

TEST(ProgressScale, ValuesThatFitStayAndLargerOnesShrinkTogether)
{
    ProgressBarValues bar = ScaleToProgressBar(6, 12);
    EXPECT_EQ(bar.position, 6);
    EXPECT_EQ(bar.maximum, 12);

    bar = ScaleToProgressBar(INT_MAX, INT_MAX);
    EXPECT_EQ(bar.maximum, INT_MAX);

    const std::int64_t all = std::int64_t{2147483647} * 2147483647;
    bar = ScaleToProgressBar(all / 2, all);
    EXPECT_GT(bar.maximum, INT_MAX / 2);
    EXPECT_LE(bar.maximum, INT_MAX);
    EXPECT_NEAR(static_cast<double>(bar.position) / bar.maximum, 0.5, 1e-6);
    EXPECT_EQ(ScaleToProgressBar(all, all).position, ScaleToProgressBar(all, all).maximum);

    bar = ScaleToProgressBar(4000000000, 4000000000);
    EXPECT_EQ(bar.position, 2000000000);
    EXPECT_EQ(bar.maximum, 2000000000);
}

} // namespace
