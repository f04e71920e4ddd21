#pragma once

#include <functional>

class CCommandHost;
class CommandActions;
struct ViewState;

// The commands of the main tool bar that act on the charts: colour schemes
// and gradient, the cursor table, the horizontal quantity, line and points,
// which traces are drawn, the mouse tool, zoom and fit, the Smith chart's
// zoom, reset and grid, undo of scales, labels and the reference overlay.
// Each acts on the active document window and does nothing without one,
// except the schemes and the reference, which act on the whole program.
void ConnectChartCommands(const CommandActions& actions, CCommandHost& host);

// The state changes behind some of them, apart from the window.

// The X axis shows quantity `horMode`; only the frequency keeps a
// logarithmic axis.
void SetHorizontalQuantity(ViewState& view, int horMode);
// The Smith grid steps 0, 1, 2, 3 and back to 0.
void CycleSmithGrid(ViewState& view);
// A scale command: the scales are pushed on the undo stack and the command
// runs; a refusal leaves the stack as it was before. True when the command
// changed a scale.
bool RunScaleCommand(ViewState& view, const std::function<bool(ViewState&)>& command);
