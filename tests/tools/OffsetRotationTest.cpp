#include "tools/OffsetRotation.h"

#include <gtest/gtest.h>

namespace {

TEST(OffsetRotation, StoresEachValueAsReadAndStopsAtABadOne)
{
    DisplayTransform transform;
    transform.offsetX = 7;
    transform.rotateAngle = 5;
    OffsetControls controls{true, "25", "x4", true, "90"};
    EXPECT_EQ(ApplyOffsetControls(controls, transform), "Syntax error: x4");
    EXPECT_TRUE(transform.offsetUse);
    EXPECT_EQ(transform.offsetR, 25); // read before the bad X
    EXPECT_EQ(transform.offsetX, 7);
    EXPECT_FALSE(transform.rotateUse);
    EXPECT_EQ(transform.rotateAngle, 5);

    controls.offsetX = "-inf";
    EXPECT_EQ(ApplyOffsetControls(controls, transform), "Not a finite number: -inf");
    EXPECT_EQ(transform.offsetX, 7);

    controls.offsetX = "10";
    controls.rotateAngle = " 45 ";
    EXPECT_FALSE(ApplyOffsetControls(controls, transform));
    EXPECT_EQ(transform.offsetX, 10);
    EXPECT_TRUE(transform.rotateUse);
    EXPECT_EQ(transform.rotateAngle, 45);
}

} // namespace
