#include "WindowTrace.h"
#include "tools/Reactance.h"
#include "view/document/ChartKinds.h"

#include <gtest/gtest.h>

namespace {

TEST(Reactance, InverseXTwiceRestoresTheTraceAndKeepsGaps)
{
    WindowTrace w;
    w.data().Append(1, 50, 12.5);
    w.data().Append(2, 50, 1e99);
    w.data().Append(3, 50, -1e99);
    w.data().Append(4, 1e99, -3);
    w.view.transform.offsetUse = true; // the stored values change, not the displayed ones
    w.view.transform.offsetX = 100;

    InverseX(w.data());
    EXPECT_EQ(w.data().GetRecord(0)->X, -12.5);
    EXPECT_EQ(w.data().GetRecord(1)->X, 1e99);
    EXPECT_EQ(w.data().GetRecord(2)->X, -1e99);
    EXPECT_EQ(w.data().GetRecord(3)->X, 3);
    InverseX(w.data());
    EXPECT_EQ(w.data().GetRecord(0)->X, 12.5);
    EXPECT_EQ(w.data().GetRecord(3)->X, -3);
}

TEST(Reactance, ResonanceInterpolatesInEveryHorizontalMode)
{
    WindowTrace w;
    w.trace->Time = true;
    w.data().Append(10, 50, -30, 0.0);
    w.data().Append(12, 50, -10, 2.0);
    w.data().Append(14, 50, 30, 6.0); // zero a quarter of the way from the point before
    for (const auto& [mode, cursor] : {std::pair{kHorN, 2.25}, std::pair{kHorF, 12.5}, std::pair{kHorT, 3.0}}) {
        const auto found = FindResonance(w.data(), mode);
        ASSERT_TRUE(found);
        EXPECT_DOUBLE_EQ(found->fMHz, 12.5);
        EXPECT_DOUBLE_EQ(found->cursorX, cursor);
    }
}

TEST(Reactance, ResonanceSkipsGapsAndTakesAnExactZero)
{
    WindowTrace gaps;
    gaps.data().Append(1, 50, 10);
    gaps.data().Append(2, 50, -1e99); // not a crossing: no value
    gaps.data().Append(3, 1e99, -5);  // nor this
    gaps.data().Append(4, 50, 5);
    gaps.data().Append(5, 50, -5);
    const auto crossing = FindResonance(gaps.data(), kHorF);
    ASSERT_TRUE(crossing);
    EXPECT_DOUBLE_EQ(crossing->fMHz, 4.5);

    WindowTrace zeroFirst;
    zeroFirst.data().Append(7, 50, 0);
    zeroFirst.data().Append(8, 50, 5);
    EXPECT_DOUBLE_EQ(FindResonance(zeroFirst.data(), kHorN)->cursorX, 1);

    WindowTrace inductive;
    inductive.data().Append(7, 50, 1);
    inductive.data().Append(8, 50, 5);
    EXPECT_FALSE(FindResonance(inductive.data(), kHorF));

    WindowTrace displayed; // the crossing is searched as displayed
    displayed.data().Append(1, 50, 20);
    displayed.data().Append(2, 50, 40);
    displayed.view.transform.offsetUse = true;
    displayed.view.transform.offsetX = 30;
    EXPECT_DOUBLE_EQ(FindResonance(displayed.data(), kHorF)->fMHz, 1.5);
}

TEST(Reactance, CursorGivesTheFrequencyOfItsPointInEveryMode)
{
    WindowTrace w;
    w.data().Append(10, 50, 0, 0.0);
    w.data().Append(12, 50, 0, 2.0);
    EXPECT_EQ(FrequencyAtCursor(w.data(), kHorF, 11.5), 11.5);
    EXPECT_EQ(FrequencyAtCursor(w.data(), kHorN, 2), 12);
    EXPECT_EQ(FrequencyAtCursor(w.data(), kHorT, 1.5), 10);
    EXPECT_FALSE(FrequencyAtCursor(w.data(), kHorN, 3));
    EXPECT_FALSE(FrequencyAtCursor(w.data(), kHorT, -1));
}

} // namespace
