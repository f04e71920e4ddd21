#include "view/chart/SmithGridTable.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// The grid's normalised impedances: five resistance circles, the five
// reactance arcs that meet them, two magnitude circles and three phase arcs.
constexpr SmithGridTableType kInputs = {{
    {kSmithArcResistance, 0.2, 2},
    {kSmithArcResistance, 0.5, 5},
    {kSmithArcResistance, 1, 5},
    {kSmithArcResistance, 2, 40},
    {kSmithArcResistance, 5, 80},
    {kSmithArcReactance, 0, 0.2, 2, 0.2},
    {kSmithArcReactance, 0, 0.5, 5, 0.5},
    {kSmithArcReactance, 0, 1, 5, 1},
    {kSmithArcReactance, 0, 2, 40, 2},
    {kSmithArcReactance, 0, 5, 80, 5},
    {kSmithArcMagnitude, 0.2},
    {kSmithArcMagnitude, 0.5},
    {kSmithArcPhase, 0.1, 30},
    {kSmithArcPhase, 0.5, 60},
    {kSmithArcPhase, 1, 80},
    {kSmithArcEnd},
}};

void Compute(SmithGridArc& arc)
{
    switch (arc.kind) {
    case kSmithArcResistance: {
        const double r = arc.a;
        arc.radius = 1 / (1 + r);
        arc.centerX = 1 - arc.radius;
        arc.centerY = 0;
        arc.start = std::asin(2 * arc.b / ((r + 1) * (r + 1) + arc.b * arc.b) / arc.radius);
        arc.end = kPi;
        break;
    }
    case kSmithArcReactance:
        arc.radius = 1 / arc.b;
        arc.centerX = 1;
        arc.centerY = arc.radius;
        arc.start = kPi + std::asin(1 - 2 * arc.b / ((arc.a + 1) * (arc.a + 1) + arc.b * arc.b) / arc.radius);
        arc.end = kPi + std::asin(1 - 2 * arc.d / ((arc.c + 1) * (arc.c + 1) + arc.d * arc.d) / arc.radius);
        break;
    case kSmithArcMagnitude: {
        const double t = (1 - arc.a) / (1 + arc.a);
        arc.radius = (1 / t - t) / 2;
        arc.centerX = -arc.radius - t;
        arc.centerY = 0;
        arc.end = std::asin(1 / (arc.radius + t));
        arc.start = -arc.end;
        break;
    }
    case kSmithArcPhase:
        arc.radius = 1 / std::sin(arc.b * kPi / 180);
        arc.centerX = 0;
        arc.centerY = -std::sqrt(arc.radius * arc.radius - 1);
        arc.start = (90 - arc.b + arc.a) * kPi / 180;
        arc.end = (90 + arc.b - arc.a) * kPi / 180;
        break;
    default:
        break;
    }
}

} // namespace

SmithGridTableType BuildSmithGridTable()
{
    SmithGridTableType table = kInputs;
    for (SmithGridArc& arc : table) {
        if (arc.kind == kSmithArcEnd) break;
        Compute(arc);
    }
    return table;
}

const SmithGridTableType& SmithGridTable()
{
    static const SmithGridTableType table = BuildSmithGridTable();
    return table;
}
