#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxes, EachBoxBeepsOnceBeforeItIsShown)
{
    ScopedMessageRecorder recorder;
    ShowWarning("Open", "File not found:\nmissing.csv");
    EXPECT_EQ(recorder.log().beepsBeforeLastBox, 1);
    ShowInfo("", "Done");
    EXPECT_EQ(recorder.log().beepsBeforeLastBox, 2);
    AlarmBeep();
    EXPECT_EQ(recorder.log().beeps, 3);

    ASSERT_EQ(recorder.boxes().size(), 2u);
    EXPECT_EQ(recorder.boxes()[0].kind, MessageKind::Warning);
    EXPECT_EQ(recorder.boxes()[0].caption, "Open");
    EXPECT_EQ(recorder.boxes()[0].text, "File not found:\nmissing.csv");
    EXPECT_EQ(recorder.boxes()[1].kind, MessageKind::Info);
}

TEST(MessageBoxes, AskYesNoReturnsTheAnswer)
{
    ScopedMessageRecorder recorder;
    recorder.Answer(true);
    recorder.Answer(false);
    EXPECT_TRUE(AskYesNo("Ombrelix", "Save?"));
    EXPECT_FALSE(AskYesNo("Ombrelix", "Save?"));
    EXPECT_EQ(recorder.boxes()[0].kind, MessageKind::Question);
    EXPECT_EQ(recorder.log().beeps, 2);
}

TEST(MessageBoxes, TheSaveQuestionOffersCancelWithoutATone)
{
    ScopedMessageRecorder recorder;
    recorder.Answer(MessageAnswer::No);
    EXPECT_EQ(AskYesNoCancel("Ombrelix", "Save?"), MessageAnswer::No);
    EXPECT_EQ(AskYesNoCancel("Ombrelix", "Save?"), MessageAnswer::Cancel);
    EXPECT_EQ(recorder.boxes()[0].kind, MessageKind::SaveQuestion);
    EXPECT_EQ(recorder.log().beeps, 0);
}

TEST(MessageBoxes, RemovingTheSinkRestoresTheDefault)
{
    {
        ScopedMessageRecorder recorder;
    }
    // The default sink must not block; it keeps what it is asked about.
    EXPECT_FALSE(AskYesNo("caption", "question nobody sees"));
    EXPECT_EQ(AskYesNoCancel("caption", "question nobody sees"), MessageAnswer::Cancel);
}

} // namespace
