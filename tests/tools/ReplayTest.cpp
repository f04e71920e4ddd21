#include "model/Trace.h"
#include "tools/ReplayPacing.h"
#include "tools/ReplayState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(ReplayPacing, PointsAreDueAtTheirTimeOverTheSpeed)
{
    CTrace untimed;
    for (int i = 0; i < 20; ++i) untimed.Data.Append(i + 1, 50, 0, 99);
    EXPECT_EQ(ReplayPointTime(untimed, 16), 1.0); // 16 points a second, stamps ignored
    EXPECT_EQ(ReplaySpeed(0), 1.0 / 16);
    EXPECT_EQ(ReplaySpeed(kReplayNormalSpeedPosition), 1.0);
    EXPECT_EQ(ReplaySpeed(8), 16.0);

    ReplayPace pace{ReplayPointTime(untimed, 3), 1000, 0};
    EXPECT_DOUBLE_EQ(*ReplayDueMs(pace, ReplayPointTime(untimed, 4)), 2000); // 1 point a second at 1/16

    CTrace timed;
    timed.Time = true;
    for (int i = 0; i < 4; ++i) timed.Data.Append(1, 50, 0, 0.5 * i);
    pace = {ReplayPointTime(timed, 0), 0, 8};
    EXPECT_DOUBLE_EQ(*ReplayDueMs(pace, ReplayPointTime(timed, 1)), 31.25); // 0.5 s at 16 times
}

TEST(ReplayPacing, HostileTimeStampsAreClampedOrEndTheRun)
{
    const ReplayPace pace{10, 500, kReplayNormalSpeedPosition};
    EXPECT_EQ(ReplayDueMs(pace, 4), 500);   // back in time: at once
    EXPECT_EQ(ReplayDueMs(pace, 1e300), 500 + kMaxReplayWaitSeconds * 1000);
    EXPECT_FALSE(ReplayDueMs(pace, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(ReplayDueMs(pace, std::numeric_limits<double>::infinity()));
    const ReplayPace infiniteStart{-std::numeric_limits<double>::infinity(), 0, 4};
    EXPECT_FALSE(ReplayDueMs(infiniteStart, 0));
}

TEST(ReplayPacing, ASpeedChangeCountsFromThePointJustShown)
{
    ReplayPace pace{0, 0, kReplayNormalSpeedPosition};
    ReplaySpeedChanged(pace, kReplayNormalSpeedPosition, 3, 3000); // unchanged: nothing moves
    EXPECT_EQ(pace.t0, 0);
    EXPECT_EQ(pace.clockMs, 0);
    ReplaySpeedChanged(pace, 5, 3, 3010);
    EXPECT_DOUBLE_EQ(*ReplayDueMs(pace, 4), 3010 + 500); // the next second of trace at twice the speed
}

TEST(ReplayState, BindingLimitsAndCommands)
{
    CTrace trace;
    for (int i = 0; i < 20; ++i) trace.Data.Append(i + 1, 50, 0);
    CTrace other;
    other.Data.Append(1, 50, 0);

    ReplayState state;
    BindReplay(state, &trace, true);
    EXPECT_TRUE(state.scrollEnabled);
    EXPECT_EQ(state.maximum, 19);
    EXPECT_EQ(state.position, 19);
    EXPECT_EQ(state.largeChange, 2);
    EXPECT_EQ(ReplayDrawLimit(state, trace, true), 20);
    EXPECT_FALSE(state.partial);
    EXPECT_FALSE(CanRunReplay(state, false)); // the whole trace is shown

    state.position = 6;
    BindReplay(state, &trace, true); // the same trace keeps its place
    EXPECT_EQ(ReplayDrawLimit(state, trace, true), 7);
    EXPECT_EQ(ReplayDrawLimit(state, other, true), 1);     // other traces show whole
    EXPECT_EQ(ReplayDrawLimit(state, trace, false), 20);   // another tab shows it whole
    EXPECT_TRUE(state.partial);
    EXPECT_TRUE(CanRunReplay(state, false));
    EXPECT_FALSE(CanRunReplay(state, true)); // a measurement run fills the window
    EXPECT_TRUE(CanResetReplay(state));
    EXPECT_FALSE(CanStopReplay(state));

    state.running = true;
    EXPECT_TRUE(CanStopReplay(state));
    EXPECT_FALSE(CanResetReplay(state));
    BindReplay(state, &other, true); // another trace selected: bound at its end
    EXPECT_EQ(state.trace, &other);
    EXPECT_FALSE(state.running);
    EXPECT_EQ(state.position, 0);
    EXPECT_EQ(state.largeChange, 1);
    BindReplay(state, &other, false); // the window hidden
    EXPECT_FALSE(state.trace);
    EXPECT_FALSE(state.running);
    EXPECT_FALSE(state.scrollEnabled);

    CTrace empty;
    BindReplay(state, &empty, true);
    EXPECT_FALSE(state.trace);
}

} // namespace
