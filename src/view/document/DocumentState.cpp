#include "view/document/DocumentState.h"

DocumentState::DocumentState() : CursorX((HorLeft[kHorF] + HorRight[kHorF]) / 2) { Traces.Owner = this; }

DocumentState::~DocumentState() = default;

DisplayTransform DocumentState::CurrentDisplayTransform() const
{
    DisplayTransform transform;
    transform.offsetUse = OffsetUse;
    transform.offsetR = OffsetR;
    transform.offsetX = OffsetX;
    transform.rotateUse = RotateUse;
    transform.rotateAngle = RotateAngle;
    transform.z0Re = Z0Re;
    transform.z0Im = Z0Im;
    return transform;
}
