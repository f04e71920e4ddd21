#include "link/MeasurementRun.h"

#include "link/AnswerLine.h"
#include "link/RunCommands.h"
#include "model/MessageBoxes.h"

#include <cmath>
#include <exception>

namespace {

constexpr std::size_t kLineCapacity = 256;
constexpr double kHzToMHz = 0.000001;
constexpr double kDegreesToRadians = 3.141592653589793 * (1.0 / 180);

} // namespace

CMeasurementRun::CMeasurementRun(const RunSettings& settings, const SerialSettings& serial, CAnalyzerLink& link,
                                 PointCorrection correction, MillisecondClock clock, CRunListener& listener)
    : settings_(settings),
      serial_(serial),
      link_(link),
      correction_(std::move(correction)),
      clock_(std::move(clock)),
      listener_(listener),
      progressMaximum_(std::int64_t{settings.samples} * settings.average)
{
    line_.reserve(kLineCapacity);
}

void CMeasurementRun::Execute()
{
    listener_.Progress(0, progressMaximum_);
    try {
        // The session closes the port on every way out of this block.
        std::optional<CPortSession> port = link_.OpenPort(serial_);
        if (port) Measure(*port);
    } catch (const std::exception& error) {
        ShowWarning("", std::string("Run error:\n") + error.what());
    }
    listener_.Progress(0, progressMaximum_);
}

void CMeasurementRun::Measure(CPortSession& port)
{
    knownModel_ = IsKnownModel(link_.ConnectedModel());
    if (knownModel_) {
        if (!port.WritePort("Cformat\r") || !port.WritePort("recZ\r") || !ReadAnswer(port)) return;
    }
    if (settings_.average == 1) DeviceSweep(port);
    else PointByPoint(port);
}

void CMeasurementRun::DeviceSweep(CPortSession& port)
{
    // The analyzer sweeps on its own. A failed write has shown its warning
    // and goes on unchecked: the next read fails as well and ends the run.
    const double last = settings_.mode == kRunSweep ? settings_.to : settings_.from;
    if (!SendFrequency(port, 'S', settings_.from)) return;
    if (!SendFrequency(port, 'E', last)) return;
    port.WritePort(PointCountCommand(settings_.samples));
    if (knownModel_ && !ReadAnswer(port)) return;
    port.WritePort(SweepStartCommand(settings_));
    if (!ReadAnswer(port)) return;

    for (int i = 0; i < settings_.samples; ++i) {
        if (!knownModel_) f_ = PointFrequency(settings_, i);
        listener_.Progress(i + 1, progressMaximum_);
        if (!ReadAnswer(port)) return;
        ConvertAnswer();
        StorePoint();
        if (listener_.StopRequested()) {
            if (!port.WritePort("\r")) return;
            break;
        }
    }
    ReadAnswer(port); // the closing line
}

void CMeasurementRun::PointByPoint(CPortSession& port)
{
    for (int i = 0; i < settings_.samples; ++i) {
        f_ = PointFrequency(settings_, i);
        double sumR = 0;
        double sumX = 0;
        for (int j = 0; j < settings_.average; ++j) {
            listener_.Progress(std::int64_t{i} * settings_.average + j + 1, progressMaximum_);
            // The known models report the frequency they measured at, and
            // the next measurement of the point asks for that one.
            if (!port.WritePort(FrequencyCommand('F', f_)) || !ReadAnswer(port)) return;
            ConvertAnswer();
            sumR += R_;
            sumX += X_;
            listener_.DispatchPendingEvents();
            if (listener_.StopRequested()) return;
        }
        R_ = sumR / settings_.average;
        X_ = sumX / settings_.average;
        StorePoint();
        if (listener_.StopRequested()) return;
    }
}

// Sends a frequency command of the device sweep; the known models answer it
// with a line of their own.
bool CMeasurementRun::SendFrequency(CPortSession& port, char letter, double megahertz)
{
    f_ = megahertz;
    port.WritePort(FrequencyCommand(letter, megahertz));
    return !knownModel_ || ReadAnswer(port);
}

bool CMeasurementRun::ReadAnswer(CPortSession& port) { return port.ReadLine(line_, kLineCapacity); }

void CMeasurementRun::ConvertAnswer()
{
    if (knownModel_) {
        const KnownModelAnswer answer = ReadKnownModelAnswer(line_);
        if (answer.count >= 1) f_ = answer.frequencyHz * kHzToMHz;
        if (answer.count >= 2) R_ = answer.R;
        if (answer.count >= 3) X_ = answer.X;
        return;
    }
    const MagnitudeAngleAnswer answer = ReadMagnitudeAngleAnswer(line_);
    if (answer.count >= 1) magnitude_ = answer.magnitude;
    if (answer.count >= 2) angleDegrees_ = answer.angleDegrees;
    if (answer.count == 0) return;
    R_ = magnitude_ * std::cos(angleDegrees_ * kDegreesToRadians);
    X_ = magnitude_ * std::sin(angleDegrees_ * kDegreesToRadians);
}

void CMeasurementRun::StorePoint()
{
    // Correct a copy: R and X stay as measured, so that a later line that
    // does not supply them is not corrected twice.
    double R = R_;
    double X = X_;
    if (settings_.correction) correction_(f_, R, X);
    const std::int64_t now = clock_();
    if (!firstPointMs_) firstPointMs_ = now;
    listener_.NewPoint({f_, R, X, static_cast<double>(now - *firstPointMs_) * 0.001, 0, 0, 0});
    listener_.DispatchPendingEvents();
}
