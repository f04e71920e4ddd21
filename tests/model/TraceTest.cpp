#include "model/Trace.h"
#include "model/Settings.h"
#include "model/XMLNode.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CTrace> NamedTrace(const std::string& name, bool selected = false)
{
    auto trace = std::make_unique<CTrace>();
    trace->Name = name;
    trace->Selected = selected;
    return trace;
}

TEST(Trace, ExchangeWritesAttributesInOrder)
{
    CTrace trace;
    trace.Name = "run 1";
    trace.Time = true;
    trace.Color = RGBColor(255, 128, 0);
    trace.Data.Append(14.2, 50, 0, 0.5);

    CXMLNode element("Trace");
    ASSERT_TRUE(trace.Exchange(&element));
    std::string text;
    element.WriteToString(text);
    EXPECT_EQ(text.substr(0, 143),
              "<Trace name=\"run+1\" selected=\"false\" time=\"true\" vip=\"false\" color=\"255,128,0\" "
              "mr1=\"1e+99\" mx1=\"1e+99\" mr2=\"1e+99\" mx2=\"1e+99\" mr3=\"-1e+99\" mx3");
    EXPECT_NE(text.find("mx5=\"1e+99\" mfrom1=\"-1\" mto1=\"-1\" mt1=\"0\" mfromp1=\"-1\" mtop1=\"-1\" mfrom2"),
              std::string::npos);
    EXPECT_NE(text.find("mtop4=\"-1\"> \r\n14.2,50,0,0.5\r\n</Trace>"), std::string::npos);
    EXPECT_FALSE(trace.Exchange(nullptr));
}

TEST(Trace, ExchangeReadsBackEverything)
{
    CTrace trace;
    trace.Name = "a<b> \"c\"";
    trace.Selected = true;
    trace.Vip = true;
    trace.Color = RGBColor(1, 2, 3);
    trace.Data.Append(1, 2, 3, 0, 4, 5, 6);
    trace.Data.MatchPoints[kCenter].R = 47.5;
    trace.Data.Transitions[3] = MatchTransition{1, 2, 0.25, 10, 20};

    CXMLNode root("Traces");
    ASSERT_TRUE(trace.Exchange(root.AddChild("Trace")));
    std::string text;
    root.WriteTo(text, 0);

    CXMLNode read("Traces");
    ASSERT_TRUE(read.LoadFromText(text));
    CTrace back;
    ASSERT_TRUE(back.Exchange(read.Child("Trace")));
    EXPECT_EQ(back.Name, trace.Name);
    EXPECT_TRUE(back.Selected);
    EXPECT_FALSE(back.Time);
    EXPECT_TRUE(back.Vip);
    EXPECT_EQ(back.Color, trace.Color);
    ASSERT_EQ(back.Data.Count(), 1);
    EXPECT_EQ(back.Data.GetRecord(0)->phase, 6);
    EXPECT_EQ(back.Data.MatchPoints[kCenter].R, 47.5);
    EXPECT_EQ(back.Data.MatchPoints[kRMax].R, -1e99);
    EXPECT_EQ(back.Data.Transitions[3].t, 0.25);
    EXPECT_EQ(back.Data.Transitions[3].top, 20);
}

TEST(Trace, MissingAttributesKeepTheCurrentValues)
{
    CXMLNode element("Trace");
    ASSERT_TRUE(element.LoadFromText("<Trace name=\"x\"> \r\n1,2,3\r\n</Trace>"));
    CTrace trace;
    trace.Data.Append(0, 0, 0);
    trace.Color = 77;
    ASSERT_TRUE(trace.Exchange(&element));
    EXPECT_EQ(trace.Name, "x");
    EXPECT_EQ(trace.Color, 77u);
    EXPECT_EQ(trace.Data.Count(), 2); // reading appends
    EXPECT_EQ(trace.Data.MatchPoints[kRMin].R, 1e99);
}

TEST(Traces, OwnsItsTracesAndIgnoresIndicesOutOfRange)
{
    CTraces traces;
    traces.Add(NamedTrace("a"));
    EXPECT_EQ(traces.Insert(0, NamedTrace("b")), 0);
    EXPECT_EQ(traces.Insert(99, NamedTrace("c")), 2);
    ASSERT_EQ(traces.Count(), 3);
    EXPECT_EQ(traces.Get(0)->Name, "b");
    EXPECT_EQ(traces.Get(2)->Name, "c");
    EXPECT_EQ(traces.Get(0)->Owner, &traces);
    EXPECT_EQ(traces.Get(-1), nullptr);
    EXPECT_EQ(traces.Get(3), nullptr);
    traces.Delete(3);
    traces.Delete(-1);
    EXPECT_EQ(traces.Count(), 3);
    traces.Delete(1);
    EXPECT_EQ(traces.Get(1)->Name, "c");
    traces.Clear();
    EXPECT_EQ(traces.Count(), 0);
}

TEST(Traces, FindsTheSingleSelectedTrace)
{
    CTraces traces;
    bool several = true;
    EXPECT_EQ(traces.GetSelected(&several), nullptr);
    EXPECT_FALSE(several);
    traces.Add(NamedTrace("a"));
    traces.Add(NamedTrace("b", true));
    EXPECT_EQ(traces.GetSelected(&several)->Name, "b");
    EXPECT_FALSE(several);
    traces.Add(NamedTrace("c", true));
    EXPECT_EQ(traces.GetSelected(&several), nullptr);
    EXPECT_TRUE(several);
    traces.UnselectAll();
    EXPECT_EQ(traces.GetSelected(), nullptr);
}

TEST(Traces, DeletesEverySelectedTrace)
{
    CTraces traces;
    traces.Add(NamedTrace("1", true));
    traces.Add(NamedTrace("2", true));
    traces.Add(NamedTrace("3", false));
    traces.Add(NamedTrace("4", true));
    traces.DeleteSelected();
    ASSERT_EQ(traces.Count(), 1);
    EXPECT_EQ(traces.Get(0)->Name, "3");
}

} // namespace

#include "FakeView.h"

namespace {

TEST(Trace, FilesKeepTheMeasuredPointsAndTheClipboardTheDisplayedOnes)
{
    FakeView view;
    view.transform.offsetUse = true;
    view.transform.offsetR = 50;
    CTraces traces;
    traces.Owner = &view;
    traces.Add(std::make_unique<CTrace>());
    CTrace& trace = *traces.Get(0);
    trace.Data.Append(14, 75, 10);

    CXMLNode file("Trace");
    trace.Exchange(&file);
    EXPECT_EQ(file.GetText(), " \r\n14,75,10\r\n");
    CXMLNode clipboard("Trace");
    trace.Exchange(&clipboard, TraceValues::Displayed);
    EXPECT_EQ(clipboard.GetText(), " \r\n14,25,10\r\n");
}

TEST(Trace, ANewTraceTakesTheTraceColourOfTheScheme)
{
    CTrace trace;
    EXPECT_EQ(trace.Color, Settings.ColorTable[kColorTrace1][Settings.CurrentScheme]);
    EXPECT_TRUE(trace.Name.empty());
    EXPECT_EQ(trace.Data.Count(), 0);
    EXPECT_EQ(trace.Data.Owner, &trace);
}

} // namespace
