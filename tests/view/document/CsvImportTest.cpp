#include "ImportTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ImportedTraces Import(const std::string& text) { return ImportCsv(SplitTextLines(text)); }

TEST(CsvImport, MagnitudeAndAngleAfterAFrequencyFirstLine)
{
    const ImportedTraces result = Import(Lines({"# Frequency, |Z|, angle", "14.0,50,90"}));
    ASSERT_EQ(result.Traces.size(), 1u);
    const CTrace& trace = *result.Traces[0];
    EXPECT_EQ(trace.Name, "data");
    EXPECT_TRUE(trace.Selected);
    ASSERT_EQ(trace.Data.Count(), 1);
    EXPECT_DOUBLE_EQ(trace.Data.GetRecord(0)->X, 50);
    EXPECT_NEAR(trace.Data.GetRecord(0)->R, 0, 1e-12);
    EXPECT_FALSE(result.HarmonicFrequency.has_value());
    EXPECT_FALSE(result.TimeRecord);
}

TEST(CsvImport, HeadersNameTheTraceAndSetKindAndZ0ForLaterBlocks)
{
    const ImportedTraces result = Import(Lines({"#%antenna 1", "#^Reflection", "#&75", "10,0.2,0", "#%second",
                                                "#ignored header", "11,0.2,0", "#^Impedance", "12,30,-4"}));
    ASSERT_EQ(result.Traces.size(), 3u);
    EXPECT_EQ(result.Traces[0]->Name, "antenna 1");
    EXPECT_DOUBLE_EQ(result.Traces[0]->Data.GetRecord(0)->R, 112.5);
    EXPECT_DOUBLE_EQ(result.Traces[0]->Data.GetRecord(0)->X, 0);
    // Kind and Z0 carry over into the next block.
    EXPECT_EQ(result.Traces[1]->Name, "second");
    EXPECT_DOUBLE_EQ(result.Traces[1]->Data.GetRecord(0)->R, 112.5);
    EXPECT_EQ(result.Traces[2]->Name, "data");
    EXPECT_DOUBLE_EQ(result.Traces[2]->Data.GetRecord(0)->R, 30);
    for (const auto& trace : result.Traces) EXPECT_TRUE(trace->Selected);
}

TEST(CsvImport, ABlockWithoutPointsKeepsTheNextBlocksHeader)
{
    const ImportedTraces result = Import(Lines({"#%empty", "not a number", "#%kept", "1,50,0"}));
    ASSERT_EQ(result.Traces.size(), 1u);
    EXPECT_EQ(result.Traces[0]->Name, "kept");
    EXPECT_DOUBLE_EQ(result.Traces[0]->Data.GetRecord(0)->R, 50);
    EXPECT_TRUE(Import("").Traces.empty());
    EXPECT_TRUE(Import(Lines({"<?xml version=\"1.0\"?>", "<OB_settings>", "</OB_settings>"})).Traces.empty());
}

TEST(CsvImport, ManySmallBlocksEachBecomeATrace)
{
    std::string text;
    for (int k = 0; k < 3000; ++k) text += "#%t" + std::to_string(k) + "\r\n" + std::to_string(k) + ",50,0\r\n";
    const ImportedTraces result = Import(text);
    ASSERT_EQ(result.Traces.size(), 3000u);
    EXPECT_EQ(result.Traces[2999]->Name, "t2999");
    EXPECT_DOUBLE_EQ(result.Traces[2999]->Data.GetRecord(0)->f, 2999);
}

} // namespace
