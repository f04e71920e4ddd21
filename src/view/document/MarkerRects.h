#pragma once

#include "view/document/PixelTypes.h"

#include <vector>

// A clickable rectangle around a drawn data point and the point's x value in
// the units of the HorMode it was drawn in.
struct MarkerRect {
    TRect Rect;
    double X = 0;
};

// The window's table of the data point symbols of the last chart drawing,
// which a mouse press searches to snap the cursor to a point. Each drawing
// empties it and leaves it to be built when asked (EnsureMarkerRects of
// ChartDrawing.h), so that a repaint of a big trace does not fill it for
// nothing. When built, it has room for twice the points of all traces; the
// storage is kept for the next build, so that it is not allocated again.
class MarkerRectTable {
public:
    // No table: nothing is stored and nothing is found.
    void Free();
    // No table, until one is asked for the drawing just made on `chart`.
    void FreeUntilAsked(const TRect& chart);
    // Whether a drawing has left the table to be built, and on which chart.
    bool Asked() const { return asked_; }
    const TRect& Chart() const { return chart_; }
    // A table for n entries (nothing for n <= 0). When there is no memory for
    // it, there is no table, and no error.
    void Alloc(int n);
    // Stores an entry after the others; nothing without a table. A table that
    // is full grows, so that the phase curve of "V/I/phase" (a third symbol
    // per point) is kept too; when it cannot grow the entry is dropped.
    void Add(const TRect& rect, double x);
    // The first entry, in the order of addition, whose rectangle holds the
    // point, edges included; -1 without a table or when none does.
    int Find(int x, int y) const;

    bool Exists() const { return exists_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    const MarkerRect& operator[](int index) const { return entries_[static_cast<std::size_t>(index)]; }

private:
    std::vector<MarkerRect> entries_;
    bool exists_ = false;
    bool asked_ = false;
    TRect chart_;
};
