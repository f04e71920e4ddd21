#include "RecordingYesNoCancelSink.h"
#include "model/YesNoCancel.h"

#include <gtest/gtest.h>

namespace {

TEST(YesNoCancel, AsksTheInstalledSinkAndPassesItsAnswerOn)
{
    ScopedYesNoCancelRecorder recorder;
    recorder.Answer(YesNoCancelAnswer::No);
    recorder.Answer(YesNoCancelAnswer::Yes);

    EXPECT_EQ(AskYesNoCancel("Ombrelix", "first"), YesNoCancelAnswer::No);
    EXPECT_EQ(AskYesNoCancel("Ombrelix", "second"), YesNoCancelAnswer::Yes);
    ASSERT_EQ(recorder.questions().size(), 2u);
    EXPECT_EQ(recorder.questions()[0].caption, "Ombrelix");
    EXPECT_EQ(recorder.questions()[1].text, "second");
}

TEST(YesNoCancel, WithoutAWindowSystemTheAnswerIsCancel)
{
    auto previous = InstallYesNoCancelSink(nullptr);
    EXPECT_EQ(AskYesNoCancel("Ombrelix", "Do you want to save the changes you made to a ?"), YesNoCancelAnswer::Cancel);
    InstallYesNoCancelSink(std::move(previous));
}

} // namespace
