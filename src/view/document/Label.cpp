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

void ApplyLabelEdit(std::vector<std::unique_ptr<CLabel>>& labels, size_t index, int format, const std::string& text,
                    bool applyToAll)
{
    if (index >= labels.size()) return;
    labels[index]->Text = text;
    if (!applyToAll) {
        labels[index]->Format = format;
        return;
    }
    for (auto& label : labels) label->Format = format;
}
