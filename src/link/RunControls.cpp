#include "link/RunControls.h"

#include "link/DecimalInteger.h"
#include "model/Exception.h"
#include "model/MessageBoxes.h"
#include "model/NumberText.h"

#include <cmath>
#include <optional>

namespace {

constexpr int kEngPrecision = 12;

double ParseFiniteValue(const std::string& text)
{
    const double value = ParseValue(text);
    if (!std::isfinite(value)) throw Exception("'" + TrimText(text) + "' is not a finite value");
    return value;
}

// The value of one field, or nothing after the warning "Field:\n" with the
// reason the text was refused.
template <typename Parse>
auto ReadField(const char* name, const std::string& text, Parse parse) -> std::optional<decltype(parse(text))>
{
    try {
        return parse(text);
    } catch (const Exception& error) {
        ShowWarning("", std::string(name) + ":\n" + error.Message());
        return std::nullopt;
    }
}

bool Refuse(const char* rule)
{
    ShowWarning("", rule);
    return false;
}

} // namespace

RunControls RunSettingsToControls(const RunSettings& settings, const LoadedStandards& standards)
{
    RunControls controls;
    controls.fromText = FormatEng(kEngPrecision, settings.from);
    controls.toText = FormatEng(kEngPrecision, settings.to);
    controls.samplesText = std::to_string(settings.samples);
    controls.averageText = std::to_string(settings.average);
    controls.logLinIndex = settings.loglin;
    controls.sweepChecked = settings.mode == kRunSweep;
    controls.oneFrequencyChecked = settings.mode == kRunOneFrequency;
    controls.fromLabel = settings.mode == kRunSweep ? "From (MHz)" : "f (MHz)";
    controls.sweepControlsVisible = settings.mode == kRunSweep;
    controls.correctionChecked = settings.correction;
    controls.shortEnabled = settings.correction && standards.hasShort;
    controls.openEnabled = settings.correction && standards.hasOpen;
    controls.zEnabled = settings.correction && standards.hasLoad;
    controls.zCaption = controls.zEnabled ? "Z = " + FormatEng(kEngPrecision, standards.loadValue) : "Z";
    controls.shortChecked = settings.correction && settings.useShort;
    controls.openChecked = settings.correction && settings.useOpen;
    controls.zChecked = settings.correction && settings.useZ;
    return controls;
}

bool ApplyRunControls(const RunControls& controls, RunSettings& settings)
{
    const auto from = ReadField("From", controls.fromText, ParseFiniteValue);
    if (!from) return false;
    if (*from <= 0) return Refuse("From <= 0");
    const auto to = ReadField("To", controls.toText, ParseFiniteValue);
    if (!to) return false;
    // The mode stored so far, not the one the radio buttons now show.
    if (settings.mode == kRunSweep && *to < *from) return Refuse("To < From");
    settings.from = *from;
    settings.to = *to;

    const auto samples = ReadField("Samples", controls.samplesText, ParseDecimalInt);
    if (!samples) return false;
    if (*samples <= 0) return Refuse("Samples <= 0");
    settings.samples = *samples;

    const auto average = ReadField("Average", controls.averageText, ParseDecimalInt);
    if (!average) return false;
    if (*average <= 0) return Refuse("Average <= 0");
    settings.average = *average;

    settings.loglin = controls.logLinIndex;
    settings.mode = controls.sweepChecked ? kRunSweep : kRunOneFrequency;
    settings.correction = controls.correctionChecked;
    if (controls.shortEnabled) settings.useShort = controls.shortChecked;
    if (controls.openEnabled) settings.useOpen = controls.openChecked;
    if (controls.zEnabled) settings.useZ = controls.zChecked;
    return true;
}
