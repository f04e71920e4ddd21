#include "WindowTrace.h"
#include "tools/MatchPoints.h"
#include "tools/MatchTransitions.h"

#include <gtest/gtest.h>

namespace {

// A time record that dwells at the least R, swings up through the greatest
// X to the greatest R, dwells there, and comes back through the least X.
void AppendLoop(CData& data)
{
    const double points[][3] = {
        {20, 0, 0},   {20, 0, 0.5}, {35, 15, 1},  {50, 30, 2},   {65, 15, 3}, {80, 0, 4},
        {80, 0, 4.5}, {65, -15, 5}, {50, -30, 7}, {35, -15, 8}, {20, 0, 9},
    };
    for (const auto& p : points) data.Append(13.56, p[0], p[1], p[2]);
}

struct Expected {
    int from;
    int to;
    double t;
    int fromp;
    int top;
};

void ExpectTransition(const MatchTransition& tr, const Expected& e)
{
    EXPECT_EQ(tr.from, e.from);
    EXPECT_EQ(tr.to, e.to);
    EXPECT_DOUBLE_EQ(tr.t, e.t);
    EXPECT_EQ(tr.fromp, e.fromp);
    EXPECT_EQ(tr.top, e.top);
}

TEST(MatchTransitions, ChainFollowsTheTraceAndTimesLeaveAndReachTheCircles)
{
    WindowTrace w;
    AppendLoop(w.data());
    FindMatchPoints(w.data());
    FindTransitions(w.data(), 50, 0, 0.01);

    const MatchPoint* slots = w.data().MatchPoints;
    EXPECT_EQ(slots[kRMin].index, 0);
    EXPECT_EQ(slots[kXMax].index, 3);
    EXPECT_EQ(slots[kRMax].index, 5);
    EXPECT_EQ(slots[kXMin].index, 8);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(slots[k].flag, 0);

    const MatchTransition* tr = w.data().Transitions;
    ExpectTransition(tr[0], {kRMin, kXMax, 1.5, 1, 3}); // leaves after the dwell at 0.5 s
    ExpectTransition(tr[1], {kXMax, kRMax, 2, 3, 5});
    ExpectTransition(tr[2], {kRMax, kXMin, 2.5, 6, 8});
    ExpectTransition(tr[3], {kXMin, kRMin, 2, 8, 10}); // closes the chain, searched to the end
}

TEST(MatchTransitions, ExtremesWithoutGammaAreLeftOutAndUnreachedEndsKeepNoTime)
{
    WindowTrace w;
    AppendLoop(w.data());
    FindMatchPoints(w.data());
    SetMatchSlot(w.data(), 2, -50, 0); // Z = -Z0 has no reflection coefficient
    SetMatchSlot(w.data(), 1, 19, 0);  // nearest to point 0, never within the tolerance
    w.data().Transitions[2].fromp = 42;
    w.data().Transitions[2].top = 43;
    FindTransitions(w.data(), 50, 0, 0.01);

    const MatchTransition* tr = w.data().Transitions;
    EXPECT_EQ(w.data().MatchPoints[kXMin].index, -1);
    EXPECT_EQ(w.data().MatchPoints[kRMin].index, 0);
    ExpectTransition(tr[0], {kRMin, kXMax, 2, 0, 3}); // point 0 lies outside the start circle
    ExpectTransition(tr[1], {kXMax, kRMax, 2, 3, 5});
    // Back to R_min, whose circle no point reaches: the end runs past the
    // last point and the transition keeps no time.
    ExpectTransition(tr[2], {kRMax, kRMin, 0, 42, 43});
    EXPECT_EQ(tr[3].from, -1);
}

TEST(MatchTransitions, NothingLocatedLeavesEveryTransitionCleared)
{
    WindowTrace w;
    w.data().Append(1, 50, 0, 0);
    ResetMatchSlots(w.data());
    w.data().Transitions[0].from = 2;
    w.data().Transitions[0].t = 3;
    FindTransitions(w.data(), 50, 0, 0.01);
    for (const MatchTransition& tr : w.data().Transitions) {
        EXPECT_EQ(tr.from, -1);
        EXPECT_EQ(tr.t, 0);
    }
}

} // namespace
