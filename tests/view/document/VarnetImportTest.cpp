#include "ImportTestSupport.h"
#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::vector<std::string> Head(int dataSets = 2)
{
    return {";Tolvi", ";FileVer=0", ";Freqs=2", ";DataSets=" + std::to_string(dataSets) + ",0", ";Freq=0,13560,1",
            ";Freq=0,13560,0"};
}

std::string File(std::vector<std::string> tail, int dataSets = 2)
{
    std::vector<std::string> lines = Head(dataSets);
    lines.insert(lines.end(), tail.begin(), tail.end());
    return Lines(lines);
}

ImportedTraces Import(const std::string& text, ScriptedFrequencyDialog& dialog)
{
    return ImportVarnet(SplitTextLines(text), dialog.Chooser());
}

TEST(VarnetImport, EachRecordBecomesATraceAtTheChosenFrequency)
{
    ScriptedFrequencyDialog dialog;
    dialog.Choose(0);
    const ImportedTraces result = Import(File({";Data=0,2,2,2022,3,4,5,6,7", "0,1,13560000,0.02,0,30,0",
                                               "500,2,13560000,0,0,45,0", ";Data=0,1,2,2021,12,31,23,59,59",
                                               "1000,3,13560000,0.1,0,-90,0"}),
                                         dialog);
    ASSERT_EQ(dialog.questions.size(), 1u);
    const FrequencyQuestion& question = dialog.questions[0];
    EXPECT_EQ(question.Caption, "Import Varnet");
    EXPECT_TRUE(question.AskTimes);
    ASSERT_EQ(question.Rows.size(), 2u);
    EXPECT_EQ(question.Rows[0], (std::array<std::string, 3>{"13560", "1", "13560"}));
    EXPECT_EQ(question.Rows[1][0], "Frequency");

    ASSERT_TRUE(result.HarmonicFrequency.has_value());
    EXPECT_DOUBLE_EQ(*result.HarmonicFrequency, 13.56);
    EXPECT_TRUE(result.HasVipTraces);
    EXPECT_TRUE(result.TimeRecord);
    ASSERT_EQ(result.Traces.size(), 2u);
    const CTrace& first = *result.Traces[0];
    EXPECT_EQ(first.Name, "03/04/22 05:06:07");
    EXPECT_TRUE(first.Selected && first.Time && first.Vip);
    ASSERT_EQ(first.Data.Count(), 2);
    const PointRecord& p = *first.Data.GetRecord(0);
    EXPECT_DOUBLE_EQ(p.f, 13.56);
    EXPECT_NEAR(p.R, 50 * std::cos(M_PI / 6), 1e-9);
    EXPECT_NEAR(p.X, 25, 1e-9);
    EXPECT_DOUBLE_EQ(p.V, 1);
    EXPECT_DOUBLE_EQ(p.I, 0.02);
    EXPECT_DOUBLE_EQ(p.phase, 30);
    // No current: R and X are 0.
    EXPECT_EQ(first.Data.GetRecord(1)->R, 0);
    EXPECT_EQ(first.Data.GetRecord(1)->X, 0);
    EXPECT_DOUBLE_EQ(first.Data.GetRecord(1)->t, 0.5);
    EXPECT_EQ(result.Traces[1]->Name, "12/31/21 23:59:59");
    EXPECT_DOUBLE_EQ(result.Traces[1]->Data.GetRecord(0)->f, 13.56);
}

TEST(VarnetImport, StatedRowCountEmptyLineAndTimeWindowEndReading)
{
    ScriptedFrequencyDialog dialog;
    dialog.Choose(0);
    ImportedTraces result =
        Import(File({";Data=0,3,2,2022,1,1,0,0,0", "0,1,1,1,0,0,0", "1,1,1,1,0,0,0", "2,1,1,1,0,0,0", "3,1,1,1,0,0,0",
                     ";Data=0,1,2,2022,1,1,0,0,0", "4,1,1,1,0,0,0"}),
               dialog);
    ASSERT_EQ(result.Traces.size(), 1u);
    EXPECT_EQ(result.Traces[0]->Data.Count(), 3);

    dialog.Choose(0);
    result = Import(File({";Data=0,0,2,2022,1,1,0,0,0", "0,1,1,1,0,0,0", "", ";Data=0,0,2,2022,1,1,0,0,0",
                          "1,1,1,1,0,0,0"}),
                    dialog);
    ASSERT_EQ(result.Traces.size(), 1u);
    EXPECT_EQ(result.Traces[0]->Data.Count(), 1);

    const std::string timed = File({";Data=0,0,2,2022,1,1,0,0,0", "0,1,1,1,0,0,0", "500,1,1,1,0,0,0",
                                    "1000,1,1,1,0,0,0", "1500,1,1,1,0,0,0"});
    dialog.Choose(0, "0.4", "1");
    result = Import(timed, dialog);
    ASSERT_EQ(result.Traces.size(), 1u);
    ASSERT_EQ(result.Traces[0]->Data.Count(), 2);
    EXPECT_DOUBLE_EQ(result.Traces[0]->Data.GetRecord(0)->t, 0.5);
    dialog.Choose(0, "0.4", "later");
    EXPECT_EQ(Import(timed, dialog).Traces[0]->Data.Count(), 4);
}

TEST(VarnetImport, ShortOrDamagedRowsAndRecordsAreSkipped)
{
    ScriptedFrequencyDialog dialog;
    dialog.Choose(1); // channel 1: V in column 2, I in 4, phase in 6 of a two-channel row
    const ImportedTraces result = Import(File({";Data=0,0,2,2022,1,1,0,0,0", "0,1,1", "1,1,1,1,x,0,0", "2,1,1,1,0,30",
                                               "3,1,1,1,0,30,0", ";Data=0,0,0,2022,1,1,0,0,0", "4,1,1,1,0,0,0",
                                               ";Data=0,0,1", "5,1,1,1,0,0,0", ";Data=0,0,1,2022,2,30,0,0,0",
                                               "6,1,1,1,0,0,0", ";Data=0,0,2,2022,2,30,0,0,0", "7,2,3,1,0,0,0"}),
                                         dialog);
    ASSERT_EQ(result.Traces.size(), 2u);
    ASSERT_EQ(result.Traces[0]->Data.Count(), 1);
    EXPECT_DOUBLE_EQ(result.Traces[0]->Data.GetRecord(0)->t, 0.003);
    EXPECT_EQ(result.Traces[1]->Name, "record 5");
    EXPECT_DOUBLE_EQ(result.Traces[1]->Data.GetRecord(0)->V, 3);
}

TEST(VarnetImport, MissingListsWarnAndTheDialogAsksUntilARowIsChosen)
{
    ScopedMessageRecorder messages;
    ScriptedFrequencyDialog dialog;
    EXPECT_TRUE(Import(Lines({";Tolvi", ";DataSets=1"}), dialog).Traces.empty());
    EXPECT_TRUE(Import(Lines({";Tolvi", ";Freqs=0", ";DataSets=1"}), dialog).Traces.empty());
    EXPECT_TRUE(Import(Lines({";Tolvi", ";Freqs=2"}), dialog).Traces.empty());
    EXPECT_TRUE(Import(Lines({";Tolvi", ";Freqs=1", ";DataSets=1", ";Freq=a,b,c", ";Data=0,0,1"}), dialog)
                    .Traces.empty());
    ASSERT_EQ(messages.boxes().size(), 4u);
    EXPECT_EQ(messages.boxes()[0].caption, "Import Varnet");
    EXPECT_EQ(messages.boxes()[0].text, "No frequencies");
    EXPECT_EQ(messages.boxes()[1].text, "No frequencies");
    EXPECT_EQ(messages.boxes()[2].text, "No data sets");
    EXPECT_EQ(messages.boxes()[3].text, "No frequencies");
    EXPECT_TRUE(dialog.questions.empty());

    dialog.answers.push_back({true, -1});
    dialog.answers.push_back({true, 2});
    dialog.Choose(1);
    const ImportedTraces result = Import(File({";Data=0,0,2,2022,1,1,0,0,0", "0,1,2,3,4,5,6"}), dialog);
    EXPECT_EQ(dialog.questions.size(), 3u);
    ASSERT_EQ(messages.boxes().size(), 6u);
    EXPECT_EQ(messages.boxes()[5].text, "Select frequency");
    ASSERT_EQ(result.Traces.size(), 1u);
    EXPECT_DOUBLE_EQ(result.Traces[0]->Data.GetRecord(0)->V, 2);
    EXPECT_DOUBLE_EQ(*result.HarmonicFrequency, 0);

    const ImportedTraces cancelled = Import(File({";Data=0,0,2,2022,1,1,0,0,0", "0,1,2,3,4,5,6"}), dialog);
    EXPECT_TRUE(cancelled.Traces.empty());
    EXPECT_FALSE(cancelled.HarmonicFrequency.has_value());
    EXPECT_FALSE(cancelled.TimeRecord);
}

} // namespace
