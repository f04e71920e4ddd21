#include "view/document/BurstSplit.h"
#include "view/document/ViewState.h"

#include "model/Settings.h"
#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A trace with one point per second whose voltages are `volts` (current 1 A,
// phase `phase` degrees).
CTrace& AddRecord(ViewState& view, const std::string& name, const std::vector<double>& volts, bool selected = true,
                  bool time = true, double phase = 0)
{
    auto trace = std::make_unique<CTrace>();
    trace->Name = name;
    trace->Selected = selected;
    trace->Time = time;
    trace->Vip = true;
    for (std::size_t i = 0; i < volts.size(); ++i) {
        trace->Data.Append(13.56, 40.0 + static_cast<double>(i), -3, 100.0 + static_cast<double>(i), volts[i], 1, phase);
    }
    CTrace& added = *trace;
    view.Traces.Add(std::move(trace));
    return added;
}

std::vector<std::string> Names(const ViewState& view)
{
    std::vector<std::string> names;
    for (int i = 0; i < view.Traces.Count(); ++i) names.push_back(view.Traces.Get(i)->Name);
    return names;
}

std::vector<double> Times(const CTrace& trace)
{
    std::vector<double> times;
    for (int i = 0; i < trace.Data.Count(); ++i) times.push_back(trace.Data.GetRecord(i)->t);
    return times;
}

TEST(BurstSplit, EachSourceGetsItsBurstsAfterItWithTheirOwnCounter)
{
    ViewState view;
    AddRecord(view, "a", {0, 6, 7, 0, 0, 0, 8, 0, 0, 0});
    AddRecord(view, "b", {9, 0, 9, 0, 0});
    AddRecord(view, "unselected", {9, 9}, false);
    AddRecord(view, "untimed", {9, 9}, true, false);
    EXPECT_EQ(SplitIntoBursts(view.Traces, {1, 5, 0, true}), 3);
    EXPECT_EQ(Names(view), (std::vector<std::string>{"a", "a (1)", "a (2)", "b", "b (1)", "unselected", "untimed"}));

    // A burst takes the point before the threshold was reached and ends at
    // its second point below it (the stop time 0 is armed, then reached).
    const CTrace& first = *view.Traces.Get(1);
    EXPECT_EQ(Times(first), (std::vector<double>{0, 1, 2, 3, 4}));
    EXPECT_EQ(first.Data.GetRecord(0)->V, 0);
    EXPECT_TRUE(first.Vip && first.Time && !first.Selected);
    EXPECT_EQ(Times(*view.Traces.Get(2)), (std::vector<double>{0, 1, 2, 3}));
    EXPECT_EQ(view.Traces.Get(2)->Data.GetRecord(1)->V, 8);
    // A burst that starts at the first point begins there; one that runs to
    // the end holds every point to the end.
    EXPECT_EQ(Times(*view.Traces.Get(4)), (std::vector<double>{0, 1, 2, 3, 4}));
}

TEST(BurstSplit, ARiseBeforeTheStopTimeKeepsTheBurstAndRearmsTheTimer)
{
    ViewState view;
    AddRecord(view, "a", {9, 0, 9, 0, 0, 0, 0, 0});
    EXPECT_EQ(SplitIntoBursts(view.Traces, {1, 5, 2, true}), 1);
    EXPECT_EQ(view.Traces.Get(1)->Data.Count(), 6);
}

TEST(BurstSplit, PowerCountsThePhaseAndTheSourceGoesUnlessKept)
{
    ViewState view;
    AddRecord(view, "in phase", {10, 10, 10}, true, true, 0);
    AddRecord(view, "opposed", {10, 10, 10}, true, true, 180);
    AddRecord(view, "quiet", {0, 0}, true, true, 0);
    EXPECT_EQ(SplitIntoBursts(view.Traces, {0, 5, 0, false}), 1);
    EXPECT_EQ(Names(view), (std::vector<std::string>{"in phase (1)"}));
}

TEST(BurstSplit, BurstsCopyTheStoredPointsNotTheDisplayedOnes)
{
    ViewState view;
    view.OffsetUse = true;
    view.OffsetR = 25;
    view.RotateUse = true;
    view.RotateAngle = 40;
    const CTrace& source = AddRecord(view, "a", {9, 9});
    ASSERT_EQ(SplitIntoBursts(view.Traces, {1, 5, 0, true}), 1);
    const PointRecord& copied = *view.Traces.Get(1)->Data.GetRecord(1);
    EXPECT_EQ(copied.R, source.Data.GetRecord(1)->R);
    EXPECT_EQ(copied.X, source.Data.GetRecord(1)->X);
    EXPECT_EQ(copied.f, 13.56);
}

TEST(BurstSplit, TheDialogRefusesTextThatIsNoNumberAndResetsThatField)
{
    ProgramSettings settings;
    settings.ParseThreshold = 7;
    settings.ParseStopTime = 0.25;
    const BurstDialogControls shown = BurstDialogFromSettings(settings);
    EXPECT_EQ(shown.thresholdText, "7");
    EXPECT_EQ(shown.stopTimeText, "250e-3");
    EXPECT_EQ(ThresholdCaption(1), "Threshold, V");
    EXPECT_EQ(ThresholdCaption(0), "Threshold, W");

    ScopedMessageRecorder recorder;
    BurstDialogControls typed = shown;
    typed.typeIndex = 1;
    typed.keepChecked = false;
    typed.stopTimeText = "soon";
    EXPECT_FALSE(ApplyBurstDialog(typed, settings));
    ASSERT_EQ(recorder.boxes().size(), 1U);
    EXPECT_EQ(recorder.boxes()[0].text, "Stop after:\nSyntax error: soon");
    EXPECT_EQ(settings.ParseStopTime, 0);
    EXPECT_EQ(settings.ParseThreshold, 7);
    EXPECT_EQ(settings.ParseType, 1);
    EXPECT_FALSE(settings.ParseKeepOriginal);

    typed.thresholdText = "high";
    EXPECT_FALSE(ApplyBurstDialog(typed, settings));
    EXPECT_EQ(recorder.boxes().back().text, "Threshold:\nSyntax error: high");
    EXPECT_EQ(settings.ParseThreshold, 0);
    EXPECT_EQ(recorder.boxes().size(), 2U);

    typed.thresholdText = "1.5k";
    typed.stopTimeText = "2";
    EXPECT_TRUE(ApplyBurstDialog(typed, settings));
    EXPECT_EQ(settings.ParseThreshold, 1500);
    EXPECT_EQ(settings.ParseStopTime, 2);
}

} // namespace
