#include "model/RunSettings.h"

#include "model/XMLNode.h"

RunSettings CurrentRunSettings;

void ExchangeRunSettings(CXMLNode* element, RunSettings& settings)
{
    if (!element) return;
    settings.from = element->ExchangeDouble("from", settings.from);
    settings.to = element->ExchangeDouble("to", settings.to);
    settings.samples = element->ExchangeInt("samples", settings.samples);
    settings.average = element->ExchangeInt("average", settings.average);
    settings.loglin = element->ExchangeInt("loglin", settings.loglin);
    settings.mode = element->ExchangeInt("mode", settings.mode);
    settings.correction = element->ExchangeBool("correction", settings.correction);
    settings.useShort = element->ExchangeBool("short", settings.useShort);
    settings.useOpen = element->ExchangeBool("open", settings.useOpen);
    settings.useZ = element->ExchangeBool("z", settings.useZ);
}
