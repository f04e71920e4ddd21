#include "RecordingMessageSink.h"
#include "link/DecimalInteger.h"
#include "link/RunControls.h"
#include "model/Exception.h"

#include <gtest/gtest.h>

namespace {

class RunControlsTest : public ::testing::Test {
protected:
    RunSettings stored;
    LoadedStandards standards;
    RunControls controls = RunSettingsToControls(stored, standards);
    ScopedMessageRecorder messages;

    // Applies the controls and expects exactly one warning with an empty
    // caption.
    void ExpectRefused(const std::string& text)
    {
        EXPECT_FALSE(ApplyRunControls(controls, stored));
        ASSERT_EQ(messages.boxes().size(), 1u);
        EXPECT_EQ(messages.boxes()[0].kind, MessageKind::Warning);
        EXPECT_EQ(messages.boxes()[0].caption, "");
        EXPECT_EQ(messages.boxes()[0].text, text);
    }
};

TEST_F(RunControlsTest, FromMustBeAPositiveFiniteNumber)
{
    controls.fromText = "0";
    ExpectRefused("From <= 0");
    EXPECT_EQ(stored.from, 10);
}

TEST_F(RunControlsTest, FromTextThatIsNoNumberShowsTheParseError)
{
    controls.fromText = "abc";
    ExpectRefused("From:\nSyntax error: abc");
}

TEST_F(RunControlsTest, InfiniteLimitsAreRefusedInTwoLines)
{
    controls.fromText = "inf";
    ExpectRefused("From:\n'inf' is not a finite value");
    messages.log().boxes.clear();
    controls.fromText = "5";
    controls.toText = "1e400";
    ExpectRefused("To:\n'1e400' is not a finite value");
    EXPECT_EQ(stored.from, 10);
    EXPECT_EQ(stored.to, 20);
}

TEST_F(RunControlsTest, ToBelowFromIsRefusedInSweepMode)
{
    controls.fromText = "20";
    controls.toText = "10";
    ExpectRefused("To < From");
    EXPECT_EQ(stored.from, 10);
    EXPECT_EQ(stored.to, 20);
}

TEST_F(RunControlsTest, ModeCheckedIsTheOneStoredBeforeTheApply)
{
    stored.mode = kRunOneFrequency;
    controls = RunSettingsToControls(stored, standards);
    controls.fromText = "20";
    controls.toText = "10";
    controls.sweepChecked = true; // a click on "Sweep"
    EXPECT_TRUE(ApplyRunControls(controls, stored));
    EXPECT_TRUE(messages.boxes().empty());
    EXPECT_EQ(stored.mode, kRunSweep);
    EXPECT_EQ(stored.from, 20);

    ExpectRefused("To < From");
}

TEST_F(RunControlsTest, BadSamplesStopAfterFromAndToWereStored)
{
    controls.fromText = "1";
    controls.toText = "30";
    controls.samplesText = "12x";
    ExpectRefused("Samples:\n'12x' is not a valid integer value");
    EXPECT_EQ(stored.from, 1);
    EXPECT_EQ(stored.to, 30);
    EXPECT_EQ(stored.samples, 20);
}

TEST_F(RunControlsTest, AverageMustBePositive)
{
    controls.samplesText = "500";
    controls.averageText = "0";
    ExpectRefused("Average <= 0");
    EXPECT_EQ(stored.samples, 500);
    EXPECT_EQ(stored.average, 1);

    messages.log().boxes.clear();
    controls.samplesText = "-1";
    ExpectRefused("Samples <= 0");
}

TEST_F(RunControlsTest, PrefixedFrequencyIsStoredAndShownInEngineeringForm)
{
    controls.fromText = "7M";
    controls.toText = "8M";
    controls.logLinIndex = kSpacingLin;
    ASSERT_TRUE(ApplyRunControls(controls, stored));
    EXPECT_EQ(stored.from, 7e6);
    EXPECT_EQ(stored.loglin, kSpacingLin);
    const RunControls shown = RunSettingsToControls(stored, standards);
    EXPECT_EQ(shown.fromText, "7e+6");
    EXPECT_EQ(shown.toText, "8e+6");
    EXPECT_EQ(shown.logLinIndex, kSpacingLin);
}

TEST_F(RunControlsTest, OneFrequencyModeHidesTheSweepControls)
{
    EXPECT_EQ(controls.fromLabel, "From (MHz)");
    EXPECT_TRUE(controls.sweepControlsVisible);
    controls.sweepChecked = false;
    controls.oneFrequencyChecked = true;
    ASSERT_TRUE(ApplyRunControls(controls, stored));
    EXPECT_EQ(stored.mode, kRunOneFrequency);
    const RunControls shown = RunSettingsToControls(stored, standards);
    EXPECT_EQ(shown.fromLabel, "f (MHz)");
    EXPECT_FALSE(shown.sweepControlsVisible);
    EXPECT_FALSE(shown.sweepChecked);
    EXPECT_TRUE(shown.oneFrequencyChecked);
}

TEST_F(RunControlsTest, StandardBoxesFollowTheCorrectionAndTheLoadedStandards)
{
    stored.useShort = true;
    stored.useZ = true;
    standards = {true, false, true, 47};
    RunControls shown = RunSettingsToControls(stored, standards);
    // Without correction every box is disabled and unchecked ...
    EXPECT_FALSE(shown.shortEnabled || shown.openEnabled || shown.zEnabled);
    EXPECT_FALSE(shown.shortChecked || shown.openChecked || shown.zChecked);
    EXPECT_EQ(shown.zCaption, "Z");
    // ... and an apply leaves the stored flags as they are.
    ASSERT_TRUE(ApplyRunControls(shown, stored));
    EXPECT_TRUE(stored.useShort);
    EXPECT_TRUE(stored.useZ);

    stored.correction = true;
    shown = RunSettingsToControls(stored, standards);
    EXPECT_TRUE(shown.shortEnabled);
    EXPECT_FALSE(shown.openEnabled);
    EXPECT_TRUE(shown.zEnabled);
    EXPECT_TRUE(shown.shortChecked);
    EXPECT_TRUE(shown.zChecked);
    EXPECT_EQ(shown.zCaption, "Z = 47");

    shown.zChecked = false;
    shown.openChecked = true; // disabled: not read
    ASSERT_TRUE(ApplyRunControls(shown, stored));
    EXPECT_FALSE(stored.useZ);
    EXPECT_FALSE(stored.useOpen);
    EXPECT_TRUE(stored.correction);
}

TEST(DecimalInteger, AcceptsOnlyWholeDecimalNumbersThatFit)
{
    EXPECT_EQ(ParseDecimalInt("42"), 42);
    EXPECT_EQ(ParseDecimalInt(" +7 "), 7);
    EXPECT_EQ(ParseDecimalInt("-3"), -3);
    EXPECT_EQ(ParseDecimalInt("2147483647"), 2147483647);
    for (const char* text : {"", "12x", "1e3", "0x10", "$10", "+-1", "--1", "2147483648", "1 2", "1.0"}) {
        try {
            ParseDecimalInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

} // namespace
