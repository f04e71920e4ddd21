#include "view/document/BurstSplit.h"

#include "model/Exception.h"
#include "model/MessageBoxes.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "model/Trace.h"

#include <cmath>
#include <memory>
#include <new>
#include <numbers>

namespace {

// The state of the split of one source trace.
class CBurstSplitter {
public:
    CBurstSplitter(CTraces& traces, int source, const BurstParameters& parameters)
        : traces_(traces), source_(*traces.Get(source)), parameters_(parameters), insert_(source + 1)
    {
    }

    // Returns the number of traces inserted after the source.
    int Run()
    {
        for (int j = 0; j < source_.Data.Count(); ++j) {
            if (!Step(j)) break;
        }
        return counter_;
    }

private:
    bool Above(const PointRecord& point) const
    {
        const double value = parameters_.type == 1
                                 ? point.V
                                 : std::cos(point.phase * std::numbers::pi * (1.0 / 180)) * (point.V * point.I);
        return value >= parameters_.threshold;
    }

    void AppendTimed(const PointRecord& point)
    {
        current_->Data.Append(point.f, point.R, point.X, point.t - start_, point.V, point.I, point.phase);
    }

    bool Step(int j)
    {
        const PointRecord& point = *source_.Data.GetRecord(j);
        const bool above = Above(point);
        if (current_) {
            AppendTimed(point);
            if (above) stopping_ = false;
            else if (!stopping_) Arm(point.t);
            else if (point.t >= stopAt_) current_ = nullptr;
            return true;
        }
        return !above || StartBurst(j);
    }

    void Arm(double t)
    {
        stopAt_ = t + parameters_.stopTime;
        stopping_ = true;
    }

    bool StartBurst(int j)
    {
        std::unique_ptr<CTrace> burst;
        try {
            burst = std::make_unique<CTrace>();
        } catch (const std::bad_alloc&) {
            return false;
        }
        burst->Vip = true;
        burst->Time = source_.Time;
        burst->Name = source_.Name + " (" + std::to_string(++counter_) + ")";
        current_ = burst.get();
        traces_.Insert(insert_++, std::move(burst));
        const PointRecord& first = *source_.Data.GetRecord(j >= 1 ? j - 1 : j);
        start_ = first.t;
        AppendTimed(first);
        if (j >= 1) AppendTimed(*source_.Data.GetRecord(j));
        stopping_ = false;
        return true;
    }

    CTraces& traces_;
    CTrace& source_;
    const BurstParameters& parameters_;
    int insert_;
    CTrace* current_ = nullptr;
    int counter_ = 0;
    bool stopping_ = false;
    double start_ = 0;
    double stopAt_ = 0;
};

bool Splits(const CTrace& trace) { return trace.Selected && trace.Vip && trace.Time; }

} // namespace

BurstParameters BurstParametersFrom(const ProgramSettings& settings)
{
    return {settings.ParseType, settings.ParseThreshold, settings.ParseStopTime, settings.ParseKeepOriginal};
}

int SplitIntoBursts(CTraces& traces, const BurstParameters& parameters)
{
    int made = 0;
    for (int i = 0; i < traces.Count(); ++i) {
        if (!Splits(*traces.Get(i))) continue;
        const int source = i;
        const int inserted = CBurstSplitter(traces, source, parameters).Run();
        made += inserted;
        i = source + inserted;
        if (!parameters.keepOriginal) {
            traces.Delete(source);
            --i;
        }
    }
    return made;
}

std::string ThresholdCaption(int typeIndex) { return typeIndex == 1 ? "Threshold, V" : "Threshold, W"; }

BurstDialogControls BurstDialogFromSettings(const ProgramSettings& settings)
{
    return {settings.ParseType, FormatEng(6, settings.ParseThreshold), FormatEng(6, settings.ParseStopTime),
            settings.ParseKeepOriginal};
}

namespace {

bool ReadSetting(const char* name, const std::string& text, double& setting)
{
    try {
        setting = ParseValue(text);
        return true;
    } catch (const Exception& error) {
        ShowWarning("", std::string(name) + ":\n" + error.Message());
        setting = 0;
        return false;
    }
}

} // namespace

bool ApplyBurstDialog(const BurstDialogControls& controls, ProgramSettings& settings)
{
    settings.ParseType = controls.typeIndex;
    settings.ParseKeepOriginal = controls.keepChecked;
    return ReadSetting("Threshold", controls.thresholdText, settings.ParseThreshold) &&
           ReadSetting("Stop after", controls.stopTimeText, settings.ParseStopTime);
}
