#pragma once

#include <array>

// The arcs of the Smith chart grid in the Gamma plane (imaginary part up,
// angles counter-clockwise from the positive real axis, in radians at the
// arc's centre), computed once from a fixed table of normalised impedances.

enum SmithArcKind {
    kSmithArcEnd = 0,        // ends the table
    kSmithArcResistance = 1, // circle of constant r = a, from reactance b down to 0
    kSmithArcReactance = 2,  // arc of constant x from a + jb to c + jd
    kSmithArcMagnitude = 3,  // circle of constant |z| = a
    kSmithArcPhase = 4,      // arc of constant phase b degrees, trimmed by a degrees at both ends
};

struct SmithGridArc {
    int kind = kSmithArcEnd;
    double a = 0;
    double b = 0;
    double c = 0;
    double d = 0;
    double radius = 0;
    double centerX = 0;
    double centerY = 0;
    double start = 0;
    double end = 0;
};

constexpr int kSmithGridRows = 16; // 15 arcs and the end record

using SmithGridTableType = std::array<SmithGridArc, kSmithGridRows>;

// Computes the radius, centre and angles of every arc of the table.
SmithGridTableType BuildSmithGridTable();

// The table, built on first use and never changed.
const SmithGridTableType& SmithGridTable();
