#include "tools/OffsetRotation.h"

#include "model/Exception.h"
#include "model/NumberText.h"

#include <cmath>

namespace {

// An infinite offset would move every point off every chart.
double ParseFinite(const std::string& text)
{
    const double value = ParseValue(text);
    if (!std::isfinite(value)) throw Exception("Not a finite number: " + TrimText(text));
    return value;
}

} // namespace

std::optional<std::string> ApplyOffsetControls(const OffsetControls& controls, DisplayTransform& transform)
{
    try {
        transform.offsetUse = controls.offsetUse;
        transform.offsetR = ParseFinite(controls.offsetR);
        transform.offsetX = ParseFinite(controls.offsetX);
        transform.rotateUse = controls.rotateUse;
        transform.rotateAngle = ParseFinite(controls.rotateAngle);
    } catch (const Exception& error) {
        return error.Message();
    }
    return std::nullopt;
}
