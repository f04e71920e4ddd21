#include "view/document/TraceCommands.h"
#include "view/document/RunInProgress.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

void AddTraces(ViewState& view, std::initializer_list<bool> selected)
{
    for (const bool flag : selected) {
        auto trace = std::make_unique<CTrace>();
        trace->Selected = flag;
        trace->Color = RGBColor(view.Traces.Count(), 0, 0);
        view.Traces.Add(std::move(trace));
    }
}

TEST(TraceCommands, WhatIsOfferedFollowsTheSelectionTheClipboardAndARun)
{
    EXPECT_FALSE(TraceCommandsFor(nullptr, true).paste);

    ViewState view;
    AddTraces(view, {false, true, true});
    TraceCommandStates states = TraceCommandsFor(&view, false);
    EXPECT_TRUE(states.copy && states.remove && states.color && states.deleteAll);
    EXPECT_FALSE(states.rename);
    EXPECT_FALSE(states.paste);
    EXPECT_FALSE(states.parse) << "no V/I/phase traces";
    view.HasVipTraces = true;
    EXPECT_TRUE(TraceCommandsFor(&view, true).parse);
    EXPECT_TRUE(TraceCommandsFor(&view, true).paste);

    view.Traces.Get(1)->Selected = false;
    EXPECT_TRUE(TraceCommandsFor(&view, false).rename);

    // A run appends to this window's traces: nothing may free, move or add one.
    {
        RunInProgressScope running(view);
        states = TraceCommandsFor(&view, true);
        EXPECT_FALSE(states.remove || states.deleteAll || states.paste || states.parse);
        EXPECT_TRUE(states.copy && states.rename && states.color);
    }
    EXPECT_TRUE(TraceCommandsFor(&view, true).remove);

    ViewState empty;
    states = TraceCommandsFor(&empty, true);
    EXPECT_FALSE(states.deleteAll || states.copy || states.rename);
}

TEST(TraceCommands, ARenameTakesTheTrimmedNameAndRefusesAnEmptyOne)
{
    CTrace trace;
    trace.Name = "old";
    EXPECT_TRUE(RenameTrace(trace, " \tnew name\r\n "));
    EXPECT_EQ(trace.Name, "new name");
    EXPECT_FALSE(RenameTrace(trace, "   \x01"));
    EXPECT_FALSE(RenameTrace(trace, ""));
    EXPECT_EQ(trace.Name, "new name");
}

TEST(TraceCommands, RecolouringStartsFromTheFirstSelectedTraceAndColoursEverySelectedOne)
{
    ViewState view;
    AddTraces(view, {false, false});
    EXPECT_EQ(FirstSelectedColor(view.Traces), 0U);
    AddTraces(view, {true, false, true});
    EXPECT_EQ(FirstSelectedColor(view.Traces), RGBColor(2, 0, 0));
    ColorSelectedTraces(view.Traces, RGBColor(9, 9, 9));
    const TColor expected[] = {RGBColor(0, 0, 0), RGBColor(1, 0, 0), RGBColor(9, 9, 9), RGBColor(3, 0, 0),
                               RGBColor(9, 9, 9)};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(view.Traces.Get(i)->Color, expected[i]);
}

} // namespace
