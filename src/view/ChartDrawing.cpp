// The whole chart of a document window, drawn onto a canvas.

#include "model/Settings.h"
#include "view/Canvas.h"
#include "view/View.h"

void TViewForm::DrawChart(CCanvas& canvas, const TRect& rect)
{
    canvas.SetBrushColor(SchemeColor(kColorBackground));
    canvas.FillRect(rect);
}
