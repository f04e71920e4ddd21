#pragma once

#include "view/document/ChartKinds.h"

#include <array>

struct ViewState;

// The check marks of the control window's graph list, one per chart kind.
using GraphChecks = std::array<bool, kGraphKindCount>;

// Puts back the marks the user may not change: "Data" and "Smith chart" are
// always offered; "V/I/phase" and "P" only in a document with V, I and phase.
void EnforceGraphChecks(GraphChecks& checks, bool hasVipTraces);

// The first kind whose mark differs from its Visible flag; -1 when none does.
int FirstChangedKind(const GraphChecks& checks, const ViewState& view);
