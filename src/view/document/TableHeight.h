#pragma once

// The cursor table's height in pixels, as its window keeps it: 200 in a new
// window, changed when the user moves the divider while the table shows, and
// kept while the table is hidden. The window shows the table lower where the
// chart above it would lose its minimum height.
constexpr int kDefaultTableHeight = 200;
constexpr int kMinimumTableHeight = 28;

// The height a document's "Table" element gives a window that keeps
// `current`: a stored height of 0 or less keeps `current`, one below the
// minimum becomes the minimum.
int StoredTableHeight(int stored, int current);
