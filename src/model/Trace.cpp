#include "model/Trace.h"

#include "model/Settings.h"
#include "model/XMLNode.h"

#include <string>

CTrace::CTrace() : Color(SchemeColor(kColorTrace1)) { Data.Owner = this; }

CTrace::~CTrace() = default;

bool CTrace::Exchange(CXMLNode* element, TraceValues values)
{
    if (!element) return false;
    Name = element->ExchangeEncoded("name", Name);
    Selected = element->ExchangeBool("selected", Selected);
    Time = element->ExchangeBool("time", Time);
    Vip = element->ExchangeBool("vip", Vip);
    Color = element->ExchangeColor("color", Color);

    if (element->IsWriting()) {
        element->SetText(Data.ToCsvText(Time, Vip, values));
    } else {
        Data.FromCsvText(element->GetText(), kTextRX, 0, 50, Time, Vip);
    }

    for (int k = 0; k < kMatchPointCount; ++k) {
        const std::string number = std::to_string(k + 1);
        MatchPoint& slot = Data.MatchPoints[k];
        slot.R = element->ExchangeDouble("mr" + number, slot.R);
        slot.X = element->ExchangeDouble("mx" + number, slot.X);
    }
    for (int k = 0; k < kTransitionCount; ++k) {
        const std::string number = std::to_string(k + 1);
        MatchTransition& slot = Data.Transitions[k];
        slot.from = element->ExchangeInt("mfrom" + number, slot.from);
        slot.to = element->ExchangeInt("mto" + number, slot.to);
        slot.t = element->ExchangeDouble("mt" + number, slot.t);
        slot.fromp = element->ExchangeInt("mfromp" + number, slot.fromp);
        slot.top = element->ExchangeInt("mtop" + number, slot.top);
    }
    return true;
}

CTraces::CTraces() = default;

CTraces::~CTraces() = default;

void CTraces::Clear() { traces_.clear(); }

void CTraces::Add(std::unique_ptr<CTrace> trace)
{
    trace->Owner = this;
    traces_.push_back(std::move(trace));
}

int CTraces::Insert(int index, std::unique_ptr<CTrace> trace)
{
    if (index < 0) index = 0;
    if (index > Count()) index = Count();
    trace->Owner = this;
    traces_.insert(traces_.begin() + index, std::move(trace));
    return index;
}

CTrace* CTraces::Get(int index) const
{
    if (index < 0 || index >= Count()) return nullptr;
    return traces_[static_cast<size_t>(index)].get();
}

void CTraces::Delete(int index)
{
    if (index < 0 || index >= Count()) return;
    traces_.erase(traces_.begin() + index);
}

CTrace* CTraces::GetSelected(bool* several) const
{
    if (several) *several = false;
    CTrace* found = nullptr;
    for (const auto& trace : traces_) {
        if (!trace->Selected) continue;
        if (found) {
            if (several) *several = true;
            return nullptr;
        }
        found = trace.get();
    }
    return found;
}

void CTraces::DeleteSelected()
{
    std::erase_if(traces_, [](const std::unique_ptr<CTrace>& trace) { return trace->Selected; });
}

void CTraces::UnselectAll()
{
    for (const auto& trace : traces_) trace->Selected = false;
}
