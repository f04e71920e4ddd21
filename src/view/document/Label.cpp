#include "view/document/Label.h"

#include "model/XMLNode.h"

#include <cmath>

namespace {

// A number that is not finite would put the label nowhere: it keeps the
// value it had.
double FiniteOr(double read, double current) { return std::isfinite(read) ? read : current; }

} // namespace

bool CLabel::Exchange(CXMLNode* element)
{
    if (!element) return false;
    Re = FiniteOr(element->ExchangeDouble("re", Re), Re);
    Im = FiniteOr(element->ExchangeDouble("im", Im), Im);
    Format = element->ExchangeInt("format", Format);
    Text = element->ExchangeEncoded("text", Text);
    return true;
}
