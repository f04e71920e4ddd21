#include "ImportTestSupport.h"
#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ImportedTraces Import(const std::string& text, ScriptedFrequencyDialog& dialog)
{
    return ImportBird(SplitTextLines(text), dialog.Chooser());
}

const std::string kHeads = "Date,Time,Index,ms,13.56MHz_Freq_h_1,F1,V1,I1,P1,-,garbage,F2,V2,I2,P2,-,"
                           "13.56MHz_Freq_h_2,F3,V3,I3,P3,-";

TEST(BirdImport, TheChosenGroupBecomesOneTraceUpToAnEmptyLine)
{
    ScriptedFrequencyDialog dialog;
    dialog.Choose(2);
    const ImportedTraces result =
        Import(Lines({"Firmware Rev 2.1", "", "", kHeads,
                      "\"Mon Dec 7, 2026\",10:00,1,250,x,13.56,1,0.5,0,-,x,0,0,0,0,-,x,27.12,1,0.02,30,-",
                      "\"Mon Dec 7, 2026\",10:00,2,500,x,13.56,1,0.5,0,-,x,0,0,0,0,-,x,27.12,2,0,10,-",
                      "\"Mon Dec 7, 2026\",10:00,3,750,x,13.56,1,0.5,0,-,x,0,0,0,0,-,x,27.12",
                      "", "\"Mon Dec 7, 2026\",10:00,4,900,x,13.56,1,0.5,0,-,x,0,0,0,0,-,x,27.12,1,1,0,-"}),
               dialog);
    ASSERT_EQ(dialog.questions.size(), 1u);
    const FrequencyQuestion& question = dialog.questions[0];
    EXPECT_EQ(question.Caption, "Import Bird");
    EXPECT_FALSE(question.AskTimes);
    ASSERT_EQ(question.Rows.size(), 3u);
    EXPECT_EQ(question.Rows[0], (std::array<std::string, 3>{"13560", "1", "13560"}));
    EXPECT_EQ(question.Rows[1][0], "garbage");
    EXPECT_EQ(question.Rows[2], (std::array<std::string, 3>{"13560", "2", "27120"}));

    EXPECT_DOUBLE_EQ(*result.HarmonicFrequency, 27.12);
    EXPECT_TRUE(result.HasVipTraces);
    ASSERT_EQ(result.Traces.size(), 1u);
    const CTrace& trace = *result.Traces[0];
    EXPECT_EQ(trace.Name, "trace");
    EXPECT_TRUE(trace.Selected && trace.Time && trace.Vip);
    ASSERT_EQ(trace.Data.Count(), 2);
    const PointRecord& p = *trace.Data.GetRecord(0);
    EXPECT_DOUBLE_EQ(p.f, 27.12);
    EXPECT_DOUBLE_EQ(p.t, 0.25);
    EXPECT_NEAR(p.R, 50 * std::cos(M_PI / 6), 1e-9);
    EXPECT_NEAR(p.X, 25, 1e-9);
    EXPECT_EQ(trace.Data.GetRecord(1)->R, 0);
}

TEST(BirdImport, TooFewLinesOrColumnsIsNoData)
{
    ScopedMessageRecorder messages;
    ScriptedFrequencyDialog dialog;
    dialog.Choose(0);
    const std::string fifteen = "a,b,c,d,13.56MHz_Freq_h_1,f,V,I,P,-,k,l,m,n,o";
    EXPECT_EQ(Import(Lines({"Firmware Rev", "", "", fifteen, "1,1,1,0,x,13.56,1,1,0"}), dialog).Traces.size(), 1u);
    EXPECT_EQ(dialog.questions.back().Rows.size(), 1u);
    EXPECT_TRUE(Import(Lines({"Firmware Rev", "", "", "a,b,c,d,e,f,g,h,i", "1,1,1,0,x,13.56,1,1,0"}), dialog)
                    .Traces.empty());
    EXPECT_TRUE(Import(Lines({"Firmware Rev", "", "", fifteen}), dialog).Traces.empty());
    ASSERT_EQ(messages.boxes().size(), 2u);
    EXPECT_EQ(messages.boxes()[0].caption, "Import Bird");
    EXPECT_EQ(messages.boxes()[0].text, "No data");
    EXPECT_EQ(messages.boxes()[1].text, "No data");
    EXPECT_EQ(dialog.questions.size(), 1u);
}

} // namespace
