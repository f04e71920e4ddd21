#pragma once

#include "model/DisplayTransform.h"

#include <optional>
#include <string>

// The "More" tab's display offset and rotation as the user left them.
struct OffsetControls {
    bool offsetUse = false;
    std::string offsetR;
    std::string offsetX;
    bool rotateUse = false;
    std::string rotateAngle;
};

// Stores the controls into the transform in the order of the tab (offset
// flag, R, X, rotation flag, angle), each value as soon as it has been read.
// A text that is not a finite number ends there with its message; what was
// stored before it stays.
std::optional<std::string> ApplyOffsetControls(const OffsetControls& controls, DisplayTransform& transform);
