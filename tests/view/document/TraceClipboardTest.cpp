#include "view/document/TraceClipboard.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

CTrace& AddTrace(ViewState& view, const std::string& name, bool selected, double base)
{
    auto trace = std::make_unique<CTrace>();
    trace->Name = name;
    trace->Selected = selected;
    trace->Time = true;
    trace->Vip = true;
    trace->Color = RGBColor(1, 2, static_cast<unsigned>(base));
    for (int i = 0; i < 3; ++i) trace->Data.Append(base + i / 3.0, 50.1 + i, -7.3 / (i + 1), i * 0.1, 12, 0.5, 33);
    trace->Data.MatchPoints[2].R = base;
    CTrace& added = *trace;
    view.Traces.Add(std::move(trace));
    return added;
}

TEST(TraceClipboard, CopiedTracesPasteAsCopiesWithTheirPointsFlagsAndColours)
{
    ViewState source;
    AddTrace(source, "one", true, 10);
    AddTrace(source, "two", false, 20);
    AddTrace(source, "three", true, 30);
    const std::string text = TracesClipboardText(source.Traces);
    EXPECT_NE(text.find("</Trace><Trace "), std::string::npos) << "no line break between the elements";
    EXPECT_EQ(text.rfind("<Traces>", 0), 0U);

    ViewState target;
    ASSERT_TRUE(PasteTracesText(text, target.Traces));
    ASSERT_TRUE(PasteTracesText(text, target.Traces));
    ASSERT_EQ(target.Traces.Count(), 4);
    const char* names[] = {"Copy of one", "Copy of three", "Copy of one", "Copy of three"};
    for (int i = 0; i < 4; ++i) {
        const CTrace& copy = *target.Traces.Get(i);
        const CTrace& original = *source.Traces.Get(i % 2 == 0 ? 0 : 2);
        EXPECT_EQ(copy.Name, names[i]);
        EXPECT_TRUE(copy.Selected && copy.Time && copy.Vip);
        EXPECT_EQ(copy.Color, original.Color);
        EXPECT_EQ(copy.Data.MatchPoints[2].R, original.Data.MatchPoints[2].R);
        ASSERT_EQ(copy.Data.Count(), 3);
        for (int p = 0; p < 3; ++p) {
            const PointRecord& a = *copy.Data.GetRecord(p);
            const PointRecord& b = *original.Data.GetRecord(p);
            EXPECT_TRUE(a.f == b.f && a.R == b.R && a.X == b.X && a.t == b.t && a.V == b.V && a.phase == b.phase);
        }
    }
}

TEST(TraceClipboard, PointsTravelAsTheSourceWindowDisplaysThem)
{
    ViewState source;
    source.OffsetUse = true;
    source.OffsetR = 10;
    source.OffsetX = -2;
    AddTrace(source, "a", true, 5);
    ViewState target;
    ASSERT_TRUE(PasteTracesText(TracesClipboardText(source.Traces), target.Traces));
    const PointRecord& pasted = *target.Traces.Get(0)->Data.GetRecord(1);
    EXPECT_DOUBLE_EQ(pasted.R, 51.1 - 10);
    EXPECT_DOUBLE_EQ(pasted.X, -7.3 / 2 + 2);
}

TEST(TraceClipboard, OnlyTracesTextIsOfferedAndAFailedPasteAddsNothing)
{
    EXPECT_TRUE(IsTracesClipboardText("xTraces>"));
    EXPECT_TRUE(IsTracesClipboardText("<Traces />"));
    EXPECT_FALSE(IsTracesClipboardText("<Trace name=\"a\"> 1,2,3</Trace>"));
    EXPECT_FALSE(IsTracesClipboardText("plain text"));
    EXPECT_FALSE(IsTracesClipboardText(""));

    ViewState target;
    AddTrace(target, "kept", false, 1);
    ViewState none;
    AddTrace(none, "unselected", false, 1);
    EXPECT_TRUE(PasteTracesText(TracesClipboardText(none.Traces), target.Traces));
    EXPECT_EQ(target.Traces.Count(), 1);

    // A text cut off in its second trace: the first one must not arrive alone.
    const std::string broken = "<Traces><Trace name=\"a\"> \r\n1,2,3\r\n</Trace><Trace name=\"b\"> \r\n1,2";
    EXPECT_FALSE(PasteTracesText(broken, target.Traces));
    // One end tag too many would close the list after the first trace.
    const std::string doubled = "<Traces><Trace name=\"a\"> \r\n1,2,3\r\n</Trace></Trace><Trace name=\"b\" /></Traces>";
    EXPECT_FALSE(PasteTracesText(doubled, target.Traces));
    EXPECT_FALSE(PasteTracesText("plain text", target.Traces));
    ASSERT_EQ(target.Traces.Count(), 1);
    EXPECT_EQ(target.Traces.Get(0)->Name, "kept");
}

} // namespace
