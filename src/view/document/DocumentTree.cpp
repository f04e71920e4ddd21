#include "view/document/DocumentTree.h"

#include "model/XMLNode.h"
#include "view/document/DocumentState.h"
#include "view/document/TableHeight.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

double Finite(CXMLNode* node, const std::string& key, double value)
{
    const double read = node->ExchangeDouble(key, value);
    return std::isfinite(read) ? read : value;
}

int InRange(int value, int low, int high, int fallback) { return value >= low && value <= high ? value : fallback; }

void ExchangeTraces(DocumentState& document, CXMLNode* traces)
{
    if (!traces) return;
    if (traces->IsWriting()) {
        for (int i = 0; i < document.Traces.Count(); ++i) document.Traces.Get(i)->Exchange(traces->AddChild("Trace"));
        return;
    }
    document.HasVipTraces = true;
    for (int i = 0; i < traces->ChildCount(); ++i) {
        auto trace = std::make_unique<CTrace>();
        trace->Exchange(traces->GetChild(i));
        if (!trace->Vip) document.HasVipTraces = false;
        document.Traces.Add(std::move(trace));
    }
}

void ExchangeWindow(WindowLayout& layout, CXMLNode* window)
{
    if (!window) return;
    layout.State = InRange(window->ExchangeInt("state", layout.State), 0, 2, 0);
    if (layout.State == 2) return;
    layout.Top = window->ExchangeInt("top", layout.Top);
    layout.Left = window->ExchangeInt("left", layout.Left);
    layout.Width = window->ExchangeInt("width", layout.Width);
    layout.Height = window->ExchangeInt("height", layout.Height);
}

void ExchangeSmith(DocumentState& document, CXMLNode* node)
{
    document.SmithX = Finite(node, "x", document.SmithX);
    document.SmithY = Finite(node, "y", document.SmithY);
    const double scale = Finite(node, "scale", document.SmithScale);
    document.SmithScale = scale >= 0.01 && scale <= 20 ? scale : document.SmithScale;
    // Clamped as a double: converting one beyond the int range is undefined.
    const double grid = Finite(node, "grid", document.SmithGrid);
    document.SmithGrid = static_cast<int>(std::clamp(grid, 0.0, 3.0));
}

void ExchangePhase(GraphSettings& graph, int kind, CXMLNode* node)
{
    const GraphSettings defaults = DefaultGraphSettings()[static_cast<size_t>(kind)];
    graph.Phase = InRange(node->ExchangeInt("phase", graph.Phase), kPhaseOff, kPhaseSeparate, defaults.Phase);
    const double divider = Finite(node, "divider", graph.Divider);
    graph.Divider = divider >= 0.2 && divider <= 0.8 ? divider : graph.Divider;
    graph.PhTop = Finite(node, "phtop", graph.PhTop);
    graph.PhBot = Finite(node, "phbot", graph.PhBot);
}

// One chart kind's child: each kind carries only the keys it uses.
void ExchangeGraph(GraphSettings& graph, int kind, CXMLNode* node, DocumentState& document)
{
    if (!node) return;
    const bool magnitude = kind == kGraphZMagPhase || kind == kGraphGammaMagPhase;
    graph.Visible = node->ExchangeBool("visible", graph.Visible);
    if (kind >= kGraphRX) {
        graph.Top = Finite(node, "top", graph.Top);
        graph.Bot = Finite(node, "bot", graph.Bot);
    }
    if (magnitude) graph.Log = node->ExchangeBool("log", graph.Log);
    if (magnitude || kind == kGraphVip) ExchangePhase(graph, kind, node);
    if (kind == kGraphSmith) ExchangeSmith(document, node);
}

void ExchangeLimits(DocumentState& document, CXMLNode* screen)
{
    static const char* const kNames[kHorModeCount] = {"N", "F", "T"};
    for (int mode = 0; mode < kHorModeCount; ++mode) {
        document.HorLeft[mode] = Finite(screen, std::string("left") + kNames[mode], document.HorLeft[mode]);
        document.HorRight[mode] = Finite(screen, std::string("right") + kNames[mode], document.HorRight[mode]);
    }
}

void ExchangeScreen(DocumentState& document, CXMLNode* screen)
{
    if (!screen) return;
    const double z0 = Finite(screen, "z0re", document.Z0Re);
    document.Z0Re = z0 > 0 ? z0 : document.Z0Re;
    ExchangeLimits(document, screen);
    document.HorLog = screen->ExchangeBool("log", document.HorLog);
    const bool frequencyOrTime = screen->ExchangeBool("hor_mode", document.HorMode != kHorN);
    if (!screen->IsWriting()) document.HorMode = frequencyOrTime ? kHorF : kHorN;
    if (document.HorMode != kHorF) document.HorLog = false;
    document.ShowDataPoints = screen->ExchangeBool("points", document.ShowDataPoints);
    document.ShowLine = screen->ExchangeBool("line", document.ShowLine);
    document.TraceMode = InRange(screen->ExchangeInt("mode", document.TraceMode), 0, 2, 1);
    document.CursorX = Finite(screen, "curs", document.CursorX);
    document.GraphKind = InRange(screen->ExchangeInt("graph", document.GraphKind), 0, kGraphKindCount - 1, 0);
    for (int kind = 0; kind < kGraphKindCount; ++kind) {
        ExchangeGraph(document.Graphs[static_cast<size_t>(kind)], kind, screen->Child(std::to_string(kind)), document);
    }
}

void ExchangeTable(DocumentState& document, WindowLayout& layout, CXMLNode* table)
{
    if (!table) return;
    document.TableVisible = table->ExchangeBool("visible", document.TableVisible);
    layout.TableHeight = StoredTableHeight(table->ExchangeInt("height", layout.TableHeight), layout.TableHeight);
    layout.Col1 = table->ExchangeInt("col1", layout.Col1);
    layout.Col2 = table->ExchangeInt("col2", layout.Col2);
}

void ExchangeLabels(DocumentState& document, CXMLNode* root)
{
    CXMLNode* labels = root->Child("Labels");
    if (!labels) return;
    document.ShowLabels = root->ExchangeBool("Show", document.ShowLabels);
    if (labels->IsWriting()) {
        for (const auto& label : document.Labels) label->Exchange(labels->AddChild("Label"));
        return;
    }
    for (CXMLNode* element = labels->FindChild("Label", 0); element; element = labels->FindNext()) {
        auto label = std::make_unique<CLabel>();
        label->Exchange(element);
        document.Labels.push_back(std::move(label));
    }
}

void ExchangeTools(DocumentState& document, CXMLNode* tools)
{
    if (!tools) return;
    if (CXMLNode* offset = tools->Child("Offset")) {
        document.OffsetUse = offset->ExchangeBool("Use", document.OffsetUse);
        document.OffsetR = Finite(offset, "R", document.OffsetR);
        document.OffsetX = Finite(offset, "X", document.OffsetX);
    }
    if (CXMLNode* rotate = tools->Child("Rotate")) {
        document.RotateUse = rotate->ExchangeBool("Use", document.RotateUse);
        document.RotateAngle = Finite(rotate, "Angle", document.RotateAngle);
    }
}

// The Screen tab's own rules, for values that come from a file.
void CheckAxes(DocumentState& document)
{
    if (document.HorLeft[kHorF] <= 0 || document.HorRight[kHorF] <= 0) document.HorLog = false;
    for (GraphSettings& graph : document.Graphs) {
        if (graph.Bot <= 0) graph.Log = false;
    }
}

} // namespace

std::string WithDefaultExtension(const std::string& name, const std::string& extension)
{
    const size_t lastPart = name.find_last_of('/');
    const size_t dot = name.find('.', lastPart == std::string::npos ? 0 : lastPart + 1);
    return dot == std::string::npos ? name + "." + extension : name;
}

std::string DocumentFileName(const std::string& name) { return WithDefaultExtension(name, "csv"); }

bool ExchangeViewState(DocumentState& document, WindowLayout& layout, CXMLNode* root)
{
    if (!root) return false;
    ExchangeTraces(document, root->Child("Traces"));
    ExchangeWindow(layout, root->Child("Window"));
    ExchangeScreen(document, root->Child("Screen"));
    ExchangeTable(document, layout, root->Child("Table"));
    ExchangeLabels(document, root);
    ExchangeTools(document, root->Child("Tools"));
    if (!root->IsWriting()) CheckAxes(document);
    return true;
}

void FillDocumentTree(DocumentState& document, WindowLayout layout, CXMLNode& root)
{
    ExchangeViewState(document, layout, &root);
}

void FitWindowLayout(WindowLayout& layout, const TRect& area, int minimumWidth, int minimumHeight)
{
    if (layout.State < 0 || layout.State > 2) layout.State = 0;
    layout.Width = std::clamp(layout.Width, minimumWidth, std::max(minimumWidth, area.Width()));
    layout.Height = std::clamp(layout.Height, minimumHeight, std::max(minimumHeight, area.Height()));
    layout.Left = std::clamp(layout.Left, area.left, std::max(area.left, area.right - layout.Width));
    layout.Top = std::clamp(layout.Top, area.top, std::max(area.top, area.bottom - layout.Height));
    layout.TableHeight = std::min(layout.TableHeight, layout.Height);
    layout.Col1 = std::clamp(layout.Col1, 0, layout.Width);
    layout.Col2 = std::clamp(layout.Col2, 0, layout.Width);
}
