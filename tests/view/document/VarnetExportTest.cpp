#include "ImportTestSupport.h"
#include "view/document/DocumentTree.h"
#include "view/document/VarnetExport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

std::unique_ptr<CTrace> VipTrace(std::initializer_list<PointRecord> points)
{
    auto trace = std::make_unique<CTrace>();
    trace->Time = trace->Vip = true;
    for (const PointRecord& p : points) trace->Data.Append(p.f, p.R, p.X, p.t, p.V, p.I, p.phase);
    return trace;
}

std::vector<std::string_view> LinesOf(const std::string& text) { return SplitTextLines(text); }

TEST(VarnetExport, WritesTheFixedHeadTheChannelsAndOneLinePerPoint)
{
    CTraces traces;
    traces.Add(VipTrace({{13.56, 9, 9, 0.5, 1, 0.02, 30}, {13.56, 9, 9, 1.001, 2.5, 1e-7, -45}}));
    traces.Add(VipTrace({{13.56, 0, 0, 4.007, 1234567, 0, 0}}));
    const std::string text = VarnetExportText(traces, 13.56);
    EXPECT_EQ(text.substr(0, 32), ";Tolvi\r\n;FileVer=0\r\n;Varnet Vers");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    const auto lines = LinesOf(text);
    ASSERT_EQ(lines.size(), 18u + 2 + 3);
    EXPECT_EQ(lines[13], ";Batch=Unknown");
    EXPECT_EQ(lines[14], ";Freqs=2");
    EXPECT_EQ(lines[15], ";DataSets=2,0");
    EXPECT_EQ(lines[16], ";Freq=0,13560,1");
    EXPECT_EQ(lines[17], ";Freq=0,13560,0");
    EXPECT_EQ(lines[18], ";Data=0,2,2,2022,1,1,0,0,0");
    EXPECT_EQ(lines[19], "500,1,1.356e+07,0.02,0,30,0");
    // Times round to the nearest millisecond.
    EXPECT_EQ(lines[20], "1001,2.5,1.356e+07,1e-07,0,-45,0");
    EXPECT_EQ(lines[21], ";Data=0,1,2,2022,1,1,0,0,0");
    EXPECT_EQ(lines[22], "4007,1.23457e+06,1.356e+07,0,0,0,0");

    // Each trace's own flag counts, not its points.
    EXPECT_EQ(TracesWithoutVip(traces), 0);
    traces.Add(std::make_unique<CTrace>());
    traces.Insert(0, std::make_unique<CTrace>());
    EXPECT_EQ(TracesWithoutVip(traces), 2);
}

TEST(VarnetExport, HarmonicFrequencyIsRoundedAndBounded)
{
    const CTraces none;
    const auto freqLine = [&](double f) { return std::string(LinesOf(VarnetExportText(none, f))[16]); };
    EXPECT_EQ(freqLine(4.007), ";Freq=0,4007,1");
    EXPECT_EQ(freqLine(0), ";Freq=0,0,1");
    EXPECT_EQ(freqLine(-3), ";Freq=0,0,1");
    EXPECT_EQ(freqLine(std::nan("")), ";Freq=0,0,1");
    EXPECT_EQ(freqLine(1e300), ";Freq=0,2147483647,1");
    EXPECT_EQ(freqLine(std::numeric_limits<double>::infinity()), ";Freq=0,2147483647,1");
    EXPECT_EQ(WithDefaultExtension("/tmp/a.b/run", "vmd"), "/tmp/a.b/run.vmd");
    EXPECT_EQ(WithDefaultExtension("/tmp/run.txt", "vmd"), "/tmp/run.txt");
}

TEST(VarnetExport, ImportingTheExportGivesThePointsBack)
{
    CTraces traces;
    traces.Add(VipTrace({{13.56, 0, 0, 0, 1.5, 0.03, 30}, {13.56, 0, 0, 0.25, 2.25, 0.5, -60.5}}));
    traces.Add(VipTrace({{13.56, 0, 0, 12.345, 100, 2, 179}}));
    const std::string text = VarnetExportText(traces, 13.56);
    ScriptedFrequencyDialog dialog;
    dialog.Choose(0);
    const ImportedTraces result = ImportVarnet(SplitTextLines(text), dialog.Chooser());
    EXPECT_EQ(dialog.questions[0].Rows[0], (std::array<std::string, 3>{"13560", "1", "13560"}));
    ASSERT_EQ(result.Traces.size(), 2u);
    for (size_t k = 0; k < 2; ++k) {
        const CData& in = traces.Get(static_cast<int>(k))->Data;
        const CData& out = result.Traces[k]->Data;
        ASSERT_EQ(out.Count(), in.Count());
        for (int i = 0; i < in.Count(); ++i) {
            const PointRecord& a = *in.GetRecord(i);
            const PointRecord& b = *out.GetRecord(i);
            EXPECT_DOUBLE_EQ(b.f, a.f);
            EXPECT_DOUBLE_EQ(b.t, a.t);
            EXPECT_DOUBLE_EQ(b.V, a.V);
            EXPECT_DOUBLE_EQ(b.I, a.I);
            EXPECT_DOUBLE_EQ(b.phase, a.phase);
            EXPECT_NEAR(std::hypot(b.R, b.X), a.V / a.I, 1e-9 * a.V / a.I);
        }
    }
}

} // namespace
