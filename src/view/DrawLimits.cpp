#include "view/DrawLimits.h"

PixelLimits DrawLimits;
