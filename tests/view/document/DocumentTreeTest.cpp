#include "model/XMLNode.h"
#include "view/document/DocumentState.h"
#include "view/document/DocumentTree.h"
#include "view/document/TableHeight.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A document written to XML text and read back into a fresh state.
void RoundTrip(DocumentState& document, WindowLayout& layout, DocumentState& read, WindowLayout& readLayout,
               std::string* text = nullptr)
{
    CXMLNode root("Ombrelix");
    FillDocumentTree(document, layout, root);
    std::string written;
    root.WriteTo(written, 0);
    if (text) *text = written;
    CXMLNode loaded("Ombrelix");
    ASSERT_TRUE(loaded.LoadFromText(written));
    ASSERT_TRUE(ExchangeViewState(read, readLayout, &loaded));
}

// Reads a document from the XML of its root element.
void ReadXml(const std::string& xml, DocumentState& document, WindowLayout& layout)
{
    CXMLNode root("Ombrelix");
    ASSERT_TRUE(root.LoadFromText(xml));
    ExchangeViewState(document, layout, &root);
}

void FillEverything(DocumentState& d, WindowLayout& layout)
{
    auto trace = std::make_unique<CTrace>();
    trace->Name = "run 1 & <2>";
    trace->Time = trace->Vip = trace->Selected = true;
    trace->Data.Append(13.56, 50, -3, 0.5, 1, 0.02, 30);
    trace->Data.Append(13.56, 51.5, 2, 1.0, 1.5, 0.03, -30);
    d.Traces.Add(std::move(trace));
    d.Z0Re = 75;
    d.HorLeft = {2, 3.5, 0.25};
    d.HorRight = {200, 30.5, 12};
    d.HorLog = true;
    d.ShowDataPoints = false;
    d.ShowLine = false;
    d.TraceMode = 2;
    d.CursorX = 14.25;
    d.GraphKind = kGraphGammaMagPhase;
    for (int k = 0; k < kGraphKindCount; ++k) {
        GraphSettings& g = d.Graphs[static_cast<size_t>(k)];
        g.Visible = k % 2 == 0;
        g.Top = 10 + k;
        g.Bot = 1 + k * 0.5;
        g.Log = true;
        g.Phase = kPhaseOn;
        g.Divider = 0.35;
        g.PhTop = 90;
        g.PhBot = -45;
    }
    d.SmithX = 0.25;
    d.SmithY = -0.125;
    d.SmithScale = 2.5;
    d.SmithGrid = 3;
    d.TableVisible = true;
    auto label = std::make_unique<CLabel>();
    label->Re = 12.5;
    label->Im = -7;
    label->Format = kLabelZPhase | kLabelHidden;
    label->Text = "first line\r\nsecond, \"quoted\" <line>";
    d.Labels.push_back(std::move(label));
    d.ShowLabels = false;
    d.OffsetUse = true;
    d.OffsetR = 1.5;
    d.OffsetX = -2.5;
    d.RotateUse = true;
    d.RotateAngle = 33;
    layout = {0, 40, 30, 500, 400, 120, 90, 80};
}

TEST(DocumentTree, EveryElementOfADocumentComesBack)
{
    DocumentState document;
    WindowLayout layout;
    FillEverything(document, layout);
    DocumentState read;
    WindowLayout readLayout;
    std::string text;
    RoundTrip(document, layout, read, readLayout, &text);

    EXPECT_EQ(readLayout, layout);
    ASSERT_EQ(read.Traces.Count(), 1);
    CTrace& trace = *read.Traces.Get(0);
    EXPECT_EQ(trace.Name, "run 1 & <2>");
    EXPECT_EQ(trace.Data.Count(), 2);
    EXPECT_EQ(trace.Data.ToCsvText(true, true, TraceValues::Stored),
              document.Traces.Get(0)->Data.ToCsvText(true, true, TraceValues::Stored));
    EXPECT_TRUE(read.HasVipTraces);
    EXPECT_EQ(read.Z0Re, 75);
    EXPECT_EQ(read.HorLeft, document.HorLeft);
    EXPECT_EQ(read.HorRight, document.HorRight);
    EXPECT_TRUE(read.HorLog);
    EXPECT_FALSE(read.ShowDataPoints);
    EXPECT_FALSE(read.ShowLine);
    EXPECT_EQ(read.TraceMode, 2);
    EXPECT_EQ(read.CursorX, 14.25);
    EXPECT_EQ(read.GraphKind, kGraphGammaMagPhase);
    const auto defaults = DefaultGraphSettings();
    for (int k = 0; k < kGraphKindCount; ++k) {
        const GraphSettings& g = read.Graphs[static_cast<size_t>(k)];
        const GraphSettings& d = defaults[static_cast<size_t>(k)];
        const bool scales = k >= kGraphRX;
        const bool magnitude = k == kGraphZMagPhase || k == kGraphGammaMagPhase;
        const bool phase = magnitude || k == kGraphVip;
        EXPECT_EQ(g.Visible, k % 2 == 0) << k;
        EXPECT_EQ(g.Top, scales ? 10 + k : d.Top) << k;
        EXPECT_EQ(g.Bot, scales ? 1 + k * 0.5 : d.Bot) << k;
        EXPECT_EQ(g.Log, magnitude) << k;
        EXPECT_EQ(g.Phase, phase ? kPhaseOn : d.Phase) << k;
        EXPECT_EQ(g.Divider, phase ? 0.35 : d.Divider) << k;
        EXPECT_EQ(g.PhTop, phase ? 90 : d.PhTop) << k;
        EXPECT_EQ(g.PhBot, phase ? -45 : d.PhBot) << k;
    }
    EXPECT_EQ(read.SmithX, 0.25);
    EXPECT_EQ(read.SmithY, -0.125);
    EXPECT_EQ(read.SmithScale, 2.5);
    EXPECT_EQ(read.SmithGrid, 3);
    EXPECT_TRUE(read.TableVisible);
    ASSERT_EQ(read.Labels.size(), 1u);
    EXPECT_EQ(read.Labels[0]->Re, 12.5);
    EXPECT_EQ(read.Labels[0]->Im, -7);
    EXPECT_EQ(read.Labels[0]->Format, kLabelZPhase | kLabelHidden);
    EXPECT_EQ(read.Labels[0]->Text, document.Labels[0]->Text);
    EXPECT_FALSE(read.ShowLabels);
    EXPECT_TRUE(read.OffsetUse);
    EXPECT_EQ(read.OffsetR, 1.5);
    EXPECT_EQ(read.OffsetX, -2.5);
    EXPECT_TRUE(read.RotateUse);
    EXPECT_EQ(read.RotateAngle, 33);

    // Each chart kind's child holds exactly its keys.
    EXPECT_NE(text.find("<0 visible=\"true\" />"), std::string::npos);
    EXPECT_NE(text.find("<1 visible=\"false\" x=\"250e-3\" y=\"-125e-3\" scale=\"2.5\" grid=\"3\" />"),
              std::string::npos);
    EXPECT_NE(text.find("<2 visible=\"true\" top=\"12\" bot=\"2\" />"), std::string::npos);
    EXPECT_NE(text.find("<Ombrelix Show=\"false\">"), std::string::npos);
}

TEST(DocumentTree, ModesAndPlacementFollowTheFileRules)
{
    DocumentState document;
    WindowLayout layout{2, 40, 30, 500, 400, 0, 0, 0};
    document.HorMode = kHorT;
    DocumentState read;
    WindowLayout readLayout{0, 1, 2, 3, 4, 0, 0, 0};
    std::string text;
    RoundTrip(document, layout, read, readLayout, &text);
    // Time mode is written as "true", stays in the window and opens as F.
    EXPECT_EQ(document.HorMode, kHorT);
    EXPECT_NE(text.find("hor_mode=\"true\""), std::string::npos);
    EXPECT_EQ(read.HorMode, kHorF);
    // A maximised window keeps no placement.
    EXPECT_NE(text.find("<Window state=\"2\" />"), std::string::npos);
    EXPECT_EQ(readLayout, (WindowLayout{2, 1, 2, 3, 4, 0, 0, 0}));

    DocumentState numbered;
    numbered.HorLog = true;
    ReadXml("<Ombrelix Show=\"false\"><Screen hor_mode=\"false\" log=\"true\" /></Ombrelix>", numbered, readLayout);
    EXPECT_EQ(numbered.HorMode, kHorN);
    EXPECT_FALSE(numbered.HorLog);
    // Without "Labels" the root's Show is not read.
    EXPECT_TRUE(numbered.ShowLabels);
    // An empty "Traces" leaves HasVipTraces set; one trace without V, I and
    // phase clears it.
    EXPECT_FALSE(numbered.HasVipTraces);
    ReadXml("<Ombrelix><Traces></Traces></Ombrelix>", numbered, readLayout);
    EXPECT_TRUE(numbered.HasVipTraces);
    ReadXml("<Ombrelix><Traces><T vip=\"true\"> \r\n1,2,3,4,5,6\r\n</T><Trace /></Traces><Labels><Label /><X /></Labels></Ombrelix>",
            numbered, readLayout);
    EXPECT_FALSE(numbered.HasVipTraces);
    ASSERT_EQ(numbered.Traces.Count(), 2);
    EXPECT_EQ(numbered.Traces.Get(0)->Data.Count(), 1);
    ASSERT_EQ(numbered.Labels.size(), 1u);
    EXPECT_EQ(numbered.Labels[0]->Re, 50);
    EXPECT_EQ(numbered.Labels[0]->Format, kLabelRX);
    EXPECT_TRUE(numbered.Labels[0]->Text.empty());
}

TEST(DocumentTree, ValuesTheWindowCannotShowKeepTheirDefaults)
{
    DocumentState d;
    d.SmithX = 0.5;
    d.CursorX = 3;
    d.OffsetR = 4;
    d.RotateAngle = 5;
    WindowLayout layout;
    ReadXml("<Ombrelix><Window state=\"7\" /><Screen z0re=\"-5\" leftF=\"-1\" rightF=\"inf\" log=\"true\" "
            "hor_mode=\"true\" mode=\"9\" curs=\"-inf\" graph=\"12\">"
            "<1 x=\"inf\" scale=\"50\" grid=\"1e300\" /><3 phase=\"5\" divider=\"0.9\" log=\"true\" bot=\"0\" "
            "top=\"-inf\" /><5 log=\"true\" bot=\"1e-3\" divider=\"0.2\" /></Screen>"
            "<Labels><Label re=\"inf\" im=\"2\" /></Labels><Tools><Offset R=\"inf\" /><Rotate Angle=\"-inf\" />"
            "</Tools></Ombrelix>",
            d, layout);
    EXPECT_EQ(layout.State, 0);
    EXPECT_EQ(d.Z0Re, 50);
    EXPECT_EQ(d.HorLeft[kHorF], -1);
    EXPECT_EQ(d.HorRight[kHorF], 100);
    EXPECT_FALSE(d.HorLog);
    EXPECT_EQ(d.TraceMode, 1);
    EXPECT_EQ(d.CursorX, 3);
    EXPECT_EQ(d.GraphKind, 0);
    EXPECT_EQ(d.SmithX, 0.5);
    EXPECT_EQ(d.SmithScale, 1);
    EXPECT_EQ(d.SmithGrid, 3);
    const auto defaults = DefaultGraphSettings();
    EXPECT_EQ(d.Graphs[3].Phase, defaults[3].Phase);
    EXPECT_EQ(d.Graphs[3].Divider, defaults[3].Divider);
    EXPECT_EQ(d.Graphs[3].Top, defaults[3].Top);
    EXPECT_FALSE(d.Graphs[3].Log);
    EXPECT_TRUE(d.Graphs[5].Log);
    EXPECT_EQ(d.Graphs[5].Divider, 0.2);
    EXPECT_EQ(d.Labels[0]->Re, 50);
    EXPECT_EQ(d.Labels[0]->Im, 2);
    EXPECT_EQ(d.OffsetR, 4);
    EXPECT_EQ(d.RotateAngle, 5);

    DocumentState grid;
    ReadXml("<Ombrelix><Screen><1 grid=\"2.7\" /></Screen></Ombrelix>", grid, layout);
    EXPECT_EQ(grid.SmithGrid, 2);
    ReadXml("<Ombrelix><Screen><1 grid=\"-1e300\" /></Screen></Ombrelix>", grid, layout);
    EXPECT_EQ(grid.SmithGrid, 0);
}

// A window saved in a larger main window (or maximised there) comes back
// wholly inside the area it lives in: smaller, and moved in.
TEST(DocumentTree, APlacementIsFittedInsideItsArea)
{
    const TRect area{0, 0, 1200, 700};
    WindowLayout tall{0, 50, 5000, 400, 1500, 900, 2000, -4};
    FitWindowLayout(tall, area, 150, 150);
    EXPECT_EQ(tall.Height, 700);
    EXPECT_EQ(tall.Top, 0);
    EXPECT_EQ(tall.Left, 800);
    EXPECT_EQ(tall.Width, 400);
    EXPECT_EQ(tall.TableHeight, 700); // no higher than the window
    EXPECT_EQ(tall.Col1, 400);
    EXPECT_EQ(tall.Col2, 0);

    WindowLayout extreme{1, INT_MIN, INT_MIN, INT_MAX, 10, 0, 0, 0};
    FitWindowLayout(extreme, area, 150, 150);
    EXPECT_EQ(extreme, (WindowLayout{1, 0, 0, 1200, 150, 0, 0, 0}));

    WindowLayout below{0, INT_MAX, 10, 300, 300, 0, 0, 0};
    FitWindowLayout(below, area, 150, 150);
    EXPECT_EQ(below.Top, 400);
    EXPECT_EQ(below.Left, 10);

    // An area smaller than the window's minimum: the minimum, at its corner.
    WindowLayout cramped{0, 30, 30, 400, 400, 0, 0, 0};
    FitWindowLayout(cramped, TRect{0, 0, 100, 120}, 150, 150);
    EXPECT_EQ(cramped, (WindowLayout{0, 0, 0, 150, 150, 0, 0, 0}));
}

// The "Table" element's height: none or 0 or less keeps the window's, a
// height below a row becomes a row, and a written height reads back.
TEST(DocumentTree, TheTableHeightFollowsItsRules)
{
    DocumentState d;
    const auto heightRead = [&d](const std::string& table, int current) {
        WindowLayout layout;
        layout.TableHeight = current;
        ReadXml("<Ombrelix>" + table + "</Ombrelix>", d, layout);
        return layout.TableHeight;
    };
    EXPECT_EQ(heightRead("<Table height=\"160\" />", 200), 160);
    EXPECT_EQ(heightRead("<Table height=\"0\" />", 200), 200);
    EXPECT_EQ(heightRead("<Table height=\"-7\" />", 200), 200);
    EXPECT_EQ(heightRead("<Table height=\"\" />", 200), 200);
    EXPECT_EQ(heightRead("<Table visible=\"true\" />", 200), 200);
    EXPECT_EQ(heightRead("<Table height=\"27\" />", 200), 28);
    EXPECT_EQ(heightRead("<Table height=\"1\" />", 200), 28);

    DocumentState hidden;
    DocumentState read;
    WindowLayout written{0, 0, 0, 500, 400, 160, 0, 0};
    WindowLayout readLayout;
    readLayout.TableHeight = kDefaultTableHeight;
    std::string text;
    RoundTrip(hidden, written, read, readLayout, &text);
    EXPECT_EQ(readLayout.TableHeight, 160);
    EXPECT_NE(text.find("<Table visible=\"false\" height=\"160\""), std::string::npos);
}

} // namespace
