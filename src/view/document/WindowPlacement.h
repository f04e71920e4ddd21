#pragma once

#include "view/document/PixelTypes.h"

// Where a window stands, as the settings file and the document file keep it.
struct WindowPlacement {
    int State = 0; // 0 normal, 1 minimised, 2 maximised
    int Top = 0;
    int Left = 0;
    int Width = 0;
    int Height = 0;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// Moves a stored window so that at least 100 pixels of it lie on the desktop,
// as a window placed on a monitor that is gone must still be reachable.
// Reckoned in 64 bits: a place near the int range plus a size must not
// overflow.
void PullOntoDesktop(WindowPlacement& window, const TRect& desktop);
