#pragma once

#include "link/AnalyzerLink.h"
#include "link/RunListener.h"
#include "link/SerialSettings.h"
#include "model/RunSettings.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Corrects one measured impedance in place: f in MHz, R and X in ohm.
using PointCorrection = std::function<void(double f, double& R, double& X)>;

// One measurement run without its window: opens and identifies the
// analyzer, sends the sweep or the point commands, turns every answer into
// a point (averaged, corrected, time-stamped) for the listener, honours
// Stop, and always ends with the port closed. Every failure has been shown
// to the user as a warning by then.
//
// Empty answer lines (the LF of an analyzer that ends its lines with CR LF)
// are passed over. A data line that yields none of its values gives no
// point; their number is told once at the end of the run.
//
// A point's time is when its answer line (the last one of an averaged
// point) arrived from the analyzer, in whole milliseconds since the first
// point's: a run held up by a box or a dialog while the analyzer goes on
// sweeping keeps the analyzer's own spacing.
//
// The run works on its own copy of the run settings: the Run tab stays
// editable while the run dispatches events, and a change there must not
// alter how many lines the run reads or what it divides by.
class CMeasurementRun {
public:
    // The settings must have passed ApplyRunControls (positive samples and
    // average, finite limits). The correction is called only when the
    // settings choose it.
    CMeasurementRun(const RunSettings& settings, const SerialSettings& serial, CAnalyzerLink& link,
                    PointCorrection correction, CRunListener& listener);

    void Execute();

private:
    void Measure(CPortSession& port);
    void DeviceSweep(CPortSession& port);
    void PointByPoint(CPortSession& port);
    bool SendFrequency(CPortSession& port, char letter, double megahertz);
    void FinishStoppedSweep(CPortSession& port, int linesLeft);
    bool ReadAnswer(CPortSession& port);
    bool LineHasValues() const;
    bool ConvertAnswer();
    void StorePoint();
    void SkipUnreadLine();

    const RunSettings settings_;
    const SerialSettings serial_;
    CAnalyzerLink& link_;
    const PointCorrection correction_;
    CRunListener& listener_;
    const std::int64_t progressMaximum_;

    bool knownModel_ = false;
    std::string line_;
    // The current point. A value that an answer line does not supply keeps
    // its value from before; f starts as the last frequency sent.
    double f_ = 0;
    double R_ = 0;
    double X_ = 0;
    double magnitude_ = 0;
    double angleDegrees_ = 0;
    std::int64_t lineArrivalMs_ = 0;
    std::optional<std::int64_t> firstPointMs_;
    int unreadLines_ = 0;
};
