#pragma once

#include <QRect>

#include <vector>

// Where the Window menu's commands put `count` document windows within the
// frame's area: each rectangle lies wholly inside it.

// "Tile Horizontally": rows across the whole width, one above the other.
std::vector<QRect> TileRows(const QRect& area, int count);
// "Tile Vertically": columns of the whole height, side by side.
std::vector<QRect> TileColumns(const QRect& area, int count);
// "Cascade": windows of two thirds of the area or more, each `step` pixels
// right of and below the one before, starting again at the top left corner
// before one would leave the area.
std::vector<QRect> CascadeRects(const QRect& area, int count, int step);
// A window moved, and if need be shrunk, so that it lies inside the area.
QRect KeptInside(const QRect& window, const QRect& area);
