#pragma once

// How a document window shows the impedances of its traces: an offset
// subtracted from R and X, a rotation of the reflection coefficient along a
// line, and the reference impedance Z0. Stored points stay as measured; the
// transform is applied only on the way out.
struct DisplayTransform {
    bool offsetUse = false;
    double offsetR = 0;  // ohm
    double offsetX = 0;  // ohm
    bool rotateUse = false;
    double rotateAngle = 0; // degrees
    double z0Re = 50;
    double z0Im = 0;
};

// Implemented by the document window that owns a trace list, so the point
// store can reach the window's transform without knowing the window.
class CDisplayTransformSource {
public:
    virtual DisplayTransform CurrentDisplayTransform() const = 0;

protected:
    ~CDisplayTransformSource() = default;
};
