#pragma once

#include <string>

class CTraces;
class TViewForm;

// What a measurement run shows in the document window it fills. The chart
// does not yet draw a run segment by segment, so each of these repaints the
// whole window; they are the places where the data table and the increment
// drawing of the document window belong.

// After the run's new, still empty trace was added.
void ShowRunStart(TViewForm& view);
// After every point the run appended.
void ShowRunIncrement(TViewForm& view);
// Once the run has ended, whatever way.
void ShowRunEnd(TViewForm& view);

// The name of a new run's trace: "run" followed by one more than the largest
// number N of a trace named "run" and N (case-sensitive, as "%d" reads it),
// counting N below 1 as 0. Numbers that do not fit an int are ignored.
std::string RunTraceName(const CTraces& traces);
