#include "view/chart/DrawnExtents.h"

#include "model/PointRecord.h"
#include "view/document/ViewState.h"

namespace {

void Widen(ViewState& view, int largest, int smallest, double value)
{
    if (value > view.DrawnExtents[largest]) view.DrawnExtents[largest] = value;
    if (value < view.DrawnExtents[smallest]) view.DrawnExtents[smallest] = value;
}

} // namespace

void ResetDrawnExtents(ViewState& view)
{
    for (const int largest : {kExtentMaxRe, kExtentMaxIm, kExtentMaxX}) view.DrawnExtents[largest] = -kNoValue;
    for (const int smallest : {kExtentMinRe, kExtentMinIm, kExtentMinX}) view.DrawnExtents[smallest] = kNoValue;
}

void WidenGammaExtents(ViewState& view, double re, double im)
{
    Widen(view, kExtentMaxRe, kExtentMinRe, re);
    Widen(view, kExtentMaxIm, kExtentMinIm, im);
}

void WidenXExtents(ViewState& view, double x) { Widen(view, kExtentMaxX, kExtentMinX, x); }
