#pragma once

class CData;

// The transitions of a time-recorded trace between its match points: the
// extremes are ordered by where the trace passes nearest to them, and for
// each step of that chain the time the impedance took to leave the
// tolerance circle around one match point and reach the circle around the
// next is stored in the trace's transition slots.

// Every transition slot to "none" (from = to = -1, t = 0); the point indices
// stay.
void ClearTransitionSlots(CData& data);

// Distances are between reflection coefficients against z0, with the
// points read through the display transform; tolerance is a radius in the
// Gamma plane. An extreme whose Gamma cannot be computed gets index -1, and
// points whose Gamma cannot be computed are passed over.
void FindTransitions(CData& data, double z0Re, double z0Im, double tolerance);
