#include "view/canvas/DrawLimits.h"

PixelLimits DrawLimits;
