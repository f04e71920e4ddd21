#pragma once

#include "app/SettingsFiles.h"
#include "view/canvas/DrawLimits.h"

// The virtual desktop: the bounding rectangle of all monitors.
DesktopArea VirtualDesktop();

// The pixel range chart coordinates are clamped to: the desktop's width and
// height again on every side of it.
PixelLimits DrawLimitsForDesktop(const DesktopArea& desktop);
