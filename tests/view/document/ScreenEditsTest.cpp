#include "view/document/ScreenEdits.h"
#include "view/document/ViewState.h"

#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace {

// A window on `kind` whose controls show what it stores.
struct ScreenCase {
    ViewState view;
    ScreenControls controls;
    explicit ScreenCase(int kind)
    {
        view.GraphKind = kind;
        view.HorMode = kHorF;
        view.HorLeft[kHorF] = 1;
        view.HorRight[kHorF] = 30;
        controls = ScreenValuesFromView(view);
    }
};

std::string OnlyWarning(const ScopedMessageRecorder& recorder)
{
    const auto& boxes = recorder.boxes();
    if (boxes.size() != 1) return "boxes: " + std::to_string(boxes.size());
    EXPECT_EQ(boxes[0].caption, "");
    return boxes[0].text;
}

TEST(ScreenEdits, EachRefusalNamesItsFieldAndKeepsWhatEarlierStepsStored)
{
    struct Refusal {
        int kind;
        void (*type)(ScreenControls&);
        const char* message;
    };
    const Refusal refusals[] = {
        {kGraphRX, [](ScreenControls& c) { c.leftText[kHorF] = "abc"; }, "Left:\nSyntax error: abc"},
        {kGraphRX, [](ScreenControls& c) { c.rightText[kHorF] = "1"; }, "Right <= Left"},
        {kGraphRX, [](ScreenControls& c) { c.rightText[kHorF] = " inf"; }, "Right:\n'inf' is not a finite value"},
        {kGraphRX, [](ScreenControls& c) { c.bottomText = "100"; }, "Top <= Bottom"},
        {kGraphRX, [](ScreenControls& c) { c.topText = "x1"; }, "Top:\nSyntax error: x1"},
        {kGraphGammaReIm, [](ScreenControls& c) { c.z0Text = "0"; c.leftText[kHorF] = "abc"; }, "R(Z0) <= 0"},
        {kGraphSmith, [](ScreenControls& c) { c.z0Text = "-inf"; }, "R(Z0):\n'-inf' is not a finite value"},
        {kGraphSmith, [](ScreenControls& c) { c.smithScaleText = "0"; }, "Scale <= 0"},
        {kGraphSmith, [](ScreenControls& c) { c.smithScaleText = "0.001"; }, "Scale < 0.01"},
        {kGraphSmith, [](ScreenControls& c) { c.smithScaleText = "20.5"; }, "Scale > 20"},
        {kGraphSmith, [](ScreenControls& c) { c.smithYText = "?"; }, "Im:\nSyntax error: ?"},
        {kGraphZMagPhase, [](ScreenControls& c) { c.phaseTopText = "90"; c.phaseBottomText = "90"; },
         "Phase Top = Phase Bottom"},
        {kGraphVip, [](ScreenControls& c) { c.phaseBottomText = "y"; }, "Phase Bottom:\nSyntax error: y"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.message);
        ScreenCase screen(refusal.kind);
        refusal.type(screen.controls);
        const GraphSettings before = screen.view.Graphs[refusal.kind];
        const double smithScale = screen.view.SmithScale;
        ScopedMessageRecorder recorder;
        EXPECT_FALSE(ApplyScreenEdits(screen.controls, screen.view));
        EXPECT_EQ(OnlyWarning(recorder), refusal.message);
        EXPECT_EQ(screen.view.ScaleUndoCount, 1);
        EXPECT_EQ(screen.view.Graphs[refusal.kind].Top, before.Top);
        EXPECT_EQ(screen.view.Graphs[refusal.kind].PhTop, before.PhTop);
        EXPECT_EQ(screen.view.SmithScale, smithScale);
        EXPECT_EQ(screen.view.Z0Re, 50);
    }
}

TEST(ScreenEdits, StepsBeforeARefusalStayStored)
{
    ScreenCase screen(kGraphRX);
    screen.controls.leftText[kHorF] = "2";
    screen.controls.rightText[kHorF] = "20";
    screen.controls.topText = "-200";
    ScopedMessageRecorder recorder;
    EXPECT_FALSE(ApplyScreenEdits(screen.controls, screen.view));
    EXPECT_EQ(OnlyWarning(recorder), "Top <= Bottom");
    EXPECT_EQ(screen.view.HorLeft[kHorF], 2);
    EXPECT_EQ(screen.view.HorRight[kHorF], 20);

    // On R/X the Z0 box is hidden and not read.
    screen.controls = ScreenValuesFromView(screen.view);
    screen.controls.z0Text = "abc";
    screen.controls.phaseTopText = screen.controls.phaseBottomText = "0";
    EXPECT_TRUE(ApplyScreenEdits(screen.controls, screen.view));
    EXPECT_EQ(screen.view.ScaleUndoCount, 2);
}

TEST(ScreenEdits, ALogAxisNeverKeepsABottomOfZeroOrLess)
{
    // Ticking the log box with Bottom at -100.
    ScreenCase ticked(kGraphZMagPhase);
    ticked.controls.vertLogChecked = true;
    ScopedMessageRecorder recorder;
    EXPECT_FALSE(ApplyScreenEdits(ticked.controls, ticked.view));
    EXPECT_EQ(OnlyWarning(recorder), "Bottom <= 0");
    EXPECT_FALSE(ticked.view.Graphs[kGraphZMagPhase].Log);
    EXPECT_EQ(ticked.view.Graphs[kGraphZMagPhase].Bot, -100);

    // A refusal before the vertical step must not leave the box ticked either.
    ScreenCase early(kGraphZMagPhase);
    early.controls.vertLogChecked = true;
    early.controls.rightText[kHorF] = "0";
    EXPECT_FALSE(ApplyScreenEdits(early.controls, early.view));
    EXPECT_FALSE(early.view.Graphs[kGraphZMagPhase].Log);

    // With a positive bottom the log axis is taken.
    ScreenCase positive(kGraphZMagPhase);
    positive.controls.vertLogChecked = true;
    positive.controls.bottomText = "1";
    positive.controls.horLogChecked = true;
    positive.controls.phaseIndex = kPhaseSeparate;
    positive.controls.phaseTopText = "-90"; // a phase top below the bottom is taken
    positive.controls.phaseBottomText = "90";
    EXPECT_TRUE(ApplyScreenEdits(positive.controls, positive.view));
    const GraphSettings& graph = positive.view.Graphs[kGraphZMagPhase];
    EXPECT_TRUE(graph.Log);
    EXPECT_TRUE(positive.view.HorLog);
    EXPECT_EQ(graph.Bot, 1);
    EXPECT_EQ(graph.Phase, kPhaseSeparate);
    EXPECT_EQ(graph.PhTop, -90);
}

TEST(ScreenEdits, TheSmithChartTakesItsCentreZoomAndZ0Only)
{
    ScreenCase screen(kGraphSmith);
    screen.controls.z0Text = "75";
    screen.controls.smithXText = "0.25";
    screen.controls.smithYText = "-0.5";
    screen.controls.smithScaleText = "20";
    screen.controls.leftText[kHorF] = "abc";
    ASSERT_TRUE(ApplyScreenEdits(screen.controls, screen.view));
    EXPECT_EQ(screen.view.Z0Re, 75);
    EXPECT_EQ(screen.view.SmithX, 0.25);
    EXPECT_EQ(screen.view.SmithY, -0.5);
    EXPECT_EQ(screen.view.SmithScale, 20);

    // The horizontal log box counts only in the frequency mode.
    ScreenCase byNumber(kGraphRX);
    byNumber.view.HorMode = kHorN;
    byNumber.controls = ScreenValuesFromView(byNumber.view);
    byNumber.controls.horLogChecked = true;
    ASSERT_TRUE(ApplyScreenEdits(byNumber.controls, byNumber.view));
    EXPECT_FALSE(byNumber.view.HorLog);
}

TEST(ScreenEdits, ValuesAndLayoutFollowTheKindShown)
{
    ViewState view;
    view.GraphKind = kGraphGammaMagPhase;
    view.Z0Re = 1.0 / 3;
    view.HorRight[kHorT] = 123456789012345.0;
    const ScreenControls controls = ScreenValuesFromView(view);
    EXPECT_EQ(controls.z0Text, "333.333333333e-3");
    EXPECT_EQ(controls.rightText[kHorT], "123.456789012e+12");
    EXPECT_EQ(controls.phaseIndex, view.Graphs[kGraphGammaMagPhase].Phase);

    EXPECT_EQ(ScreenLayoutFor(kGraphSmith, kHorF).z0, Z0Place::BelowSmith);
    EXPECT_EQ(ScreenLayoutFor(kGraphGammaMagPhase, kHorF).z0, Z0Place::BelowPhase);
    EXPECT_EQ(ScreenLayoutFor(kGraphVswr, kHorF).z0, Z0Place::BelowVertical);
    EXPECT_EQ(ScreenLayoutFor(kGraphRX, kHorF).z0, Z0Place::Hidden);
    const ScreenLayout byTime = ScreenLayoutFor(kGraphVip, kHorT);
    EXPECT_TRUE(byTime.horBox[kHorT] && !byTime.horBox[kHorF] && byTime.phaseBox && !byTime.vertLog);
    const ScreenLayout smith = ScreenLayoutFor(kGraphSmith, kHorT);
    EXPECT_TRUE(smith.smithButtons && !smith.horBox[kHorT] && !smith.vertBox);
}

TEST(ScreenEdits, ThePhaseModeAloneIsPushedAndStored)
{
    ViewState view;
    view.GraphKind = kGraphVip;
    ApplyPhaseMode(kPhaseOn, view);
    EXPECT_EQ(view.Graphs[kGraphVip].Phase, kPhaseOn);
    EXPECT_EQ(view.ScaleUndoCount, 1);
}

} // namespace
