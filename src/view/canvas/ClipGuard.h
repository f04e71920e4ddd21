#pragma once

#include "view/canvas/Canvas.h"

// Confines a drawing routine to one pane of the chart: the clip is set when
// the guard is made and removed when it goes, so the routine leaves the
// canvas without a clip whatever it found, and what is drawn afterwards
// (legend, axes) is not confined.
class ClipGuard {
public:
    ClipGuard(CCanvas& canvas, const TRect& rect) : canvas_(canvas) { canvas_.SetClipRect(rect); }
    ~ClipGuard() { canvas_.RemoveClip(); }
    ClipGuard(const ClipGuard&) = delete;
    ClipGuard& operator=(const ClipGuard&) = delete;

private:
    CCanvas& canvas_;
};
