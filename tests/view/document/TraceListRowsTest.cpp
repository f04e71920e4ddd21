#include "view/document/TraceListRows.h"

#include "model/Trace.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// One trace per character, selected where it is 'x'.
void SetPattern(CTraces& traces, const std::string& pattern)
{
    traces.Clear();
    for (const char c : pattern) {
        auto trace = std::make_unique<CTrace>();
        trace->Name = "t" + std::to_string(traces.Count());
        trace->Color = RGBColor(traces.Count(), 1, 2);
        trace->Selected = c == 'x';
        traces.Add(std::move(trace));
    }
}

std::string PatternOf(const CTraces& traces)
{
    std::string pattern;
    for (int i = 0; i < traces.Count(); ++i) pattern += traces.Get(i)->Selected ? 'x' : '.';
    return pattern;
}

TEST(TraceListRows, SelectedTracesBecomeRunsAndRunsBecomeTheFlagsAgain)
{
    const std::vector<std::pair<std::string, std::vector<RowRun>>> cases = {
        {"", {}},
        {".....", {}},
        {"xxxxx", {{0, 4}}},
        {"x.x.x.", {{0, 0}, {2, 2}, {4, 4}}},
        {".x.x.x", {{1, 1}, {3, 3}, {5, 5}}},
        {"xx...xxx.x", {{0, 1}, {5, 7}, {9, 9}}},
    };
    CTraces traces;
    for (const auto& [pattern, runs] : cases) {
        SetPattern(traces, pattern);
        const TraceListRows list = TraceListRowsOf(traces);
        EXPECT_EQ(list.selected, runs) << pattern;

        SetPattern(traces, std::string(pattern.size(), 'x'));
        SelectRuns(traces, traces.Count(), runs);
        EXPECT_EQ(PatternOf(traces), pattern);
    }
}

TEST(TraceListRows, EachRowCarriesItsTracesNameAndColour)
{
    CTraces traces;
    SetPattern(traces, ".x.");
    traces.Get(1)->Name = "feed point";
    const TraceListRows list = TraceListRowsOf(traces);
    ASSERT_EQ(list.rows.size(), 3U);
    EXPECT_EQ(list.rows[1].name, "feed point");
    EXPECT_EQ(list.rows[2].name, "t2");
    EXPECT_EQ(list.rows[2].color, RGBColor(2, 1, 2));
}

TEST(TraceListRows, RunsInAnyOrderOverlappingOrPastTheEndSelectOnlyTheListedRows)
{
    CTraces traces;
    SetPattern(traces, "x.x.x.xx");
    // The list shows the first six traces; the last two keep their flags.
    SelectRuns(traces, 6, {{4, 9}, {1, 2}, {2, 2}, {-3, -1}});
    EXPECT_EQ(PatternOf(traces), ".xx.xxxx");
    SelectRuns(traces, 6, {});
    EXPECT_EQ(PatternOf(traces), "......xx");
    // A list longer than the traces touches none beyond them.
    SelectRuns(traces, 20, {{0, 19}});
    EXPECT_EQ(PatternOf(traces), "xxxxxxxx");
}

} // namespace
