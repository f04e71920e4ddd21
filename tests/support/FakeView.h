#pragma once

#include "model/DisplayTransform.h"

// A document window reduced to its display transform.
class FakeView final : public CDisplayTransformSource {
public:
    DisplayTransform transform;
    DisplayTransform CurrentDisplayTransform() const override { return transform; }
};
