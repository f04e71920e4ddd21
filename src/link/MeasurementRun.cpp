#include "link/MeasurementRun.h"

#include "link/AnswerLine.h"
#include "link/RunCommands.h"
#include "model/MessageBoxes.h"

#include <chrono>
#include <cmath>
#include <exception>

namespace {

constexpr std::size_t kLineCapacity = 256;
constexpr double kHzToMHz = 0.000001;
constexpr double kDegreesToRadians = 3.141592653589793 * (1.0 / 180);
// After its closing line a stopped analyzer is taken to be done once it has
// sent nothing for this long.
constexpr std::chrono::milliseconds kStoppedQuiet{50};

std::string UnreadLinesText(int count)
{
    return std::to_string(count) + (count == 1 ? " answer line" : " answer lines") + " could not be read";
}

} // namespace

CMeasurementRun::CMeasurementRun(const RunSettings& settings, const SerialSettings& serial, CAnalyzerLink& link,
                                 PointCorrection correction, CRunListener& listener)
    : settings_(settings),
      serial_(serial),
      link_(link),
      correction_(std::move(correction)),
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
    if (unreadLines_ > 0) ShowWarning("Read", UnreadLinesText(unreadLines_));
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
        if (ConvertAnswer()) StorePoint();
        else SkipUnreadLine();
        if (listener_.StopRequested()) {
            if (port.WritePort("\r")) FinishStoppedSweep(port, settings_.samples - i - 1);
            return;
        }
    }
    ReadAnswer(port); // the closing line
}

// The analyzer may have sent more data lines before it saw the "\r"; its
// closing line comes after them. Left in the port, they would answer the
// next run's commands. At most the lines that the sweep had left are read
// up to the closing line; then whatever still comes is dropped.
void CMeasurementRun::FinishStoppedSweep(CPortSession& port, int linesLeft)
{
    for (int i = 0; i <= linesLeft; ++i) {
        if (!ReadAnswer(port)) return;
        if (!LineHasValues()) break;
    }
    port.DiscardUntilQuiet(kStoppedQuiet);
}

void CMeasurementRun::PointByPoint(CPortSession& port)
{
    for (int i = 0; i < settings_.samples; ++i) {
        f_ = PointFrequency(settings_, i);
        double sumR = 0;
        double sumX = 0;
        int measured = 0;
        for (int j = 0; j < settings_.average; ++j) {
            listener_.Progress(std::int64_t{i} * settings_.average + j + 1, progressMaximum_);
            // The known models report the frequency they measured at, and
            // the next measurement of the point asks for that one.
            if (!port.WritePort(FrequencyCommand('F', f_)) || !ReadAnswer(port)) return;
            if (ConvertAnswer()) {
                sumR += R_;
                sumX += X_;
                ++measured;
            } else {
                ++unreadLines_;
            }
            listener_.DispatchPendingEvents();
            if (listener_.StopRequested()) return;
        }
        // The mean of the answers that could be read; none, no point.
        if (measured > 0) {
            R_ = sumR / measured;
            X_ = sumX / measured;
            StorePoint();
        }
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

bool CMeasurementRun::ReadAnswer(CPortSession& port)
{
    if (!port.ReadAnswerLine(line_, kLineCapacity)) return false;
    const auto sinceEpoch = port.LastLineArrival().time_since_epoch();
    lineArrivalMs_ = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count();
    return true;
}

bool CMeasurementRun::LineHasValues() const
{
    return knownModel_ ? ReadKnownModelAnswer(line_).count > 0 : ReadMagnitudeAngleAnswer(line_).count > 0;
}

// Takes the values that the answer line supplies; false when it supplies
// none.
bool CMeasurementRun::ConvertAnswer()
{
    if (knownModel_) {
        const KnownModelAnswer answer = ReadKnownModelAnswer(line_);
        if (answer.count >= 1) f_ = answer.frequencyHz * kHzToMHz;
        if (answer.count >= 2) R_ = answer.R;
        if (answer.count >= 3) X_ = answer.X;
        return answer.count > 0;
    }
    const MagnitudeAngleAnswer answer = ReadMagnitudeAngleAnswer(line_);
    if (answer.count >= 1) magnitude_ = answer.magnitude;
    if (answer.count >= 2) angleDegrees_ = answer.angleDegrees;
    if (answer.count == 0) return false;
    R_ = magnitude_ * std::cos(angleDegrees_ * kDegreesToRadians);
    X_ = magnitude_ * std::sin(angleDegrees_ * kDegreesToRadians);
    return true;
}

void CMeasurementRun::StorePoint()
{
    // Correct a copy: R and X stay as measured, so that a later line that
    // does not supply them is not corrected twice.
    double R = R_;
    double X = X_;
    if (settings_.correction) correction_(f_, R, X);
    if (!firstPointMs_) firstPointMs_ = lineArrivalMs_;
    const double t = static_cast<double>(lineArrivalMs_ - *firstPointMs_) * 0.001;
    listener_.NewPoint({f_, R, X, t, 0, 0, 0});
    listener_.DispatchPendingEvents();
}

// A data line that yields nothing: counted for the end of the run, and the
// window still gets its turn, as after a point.
void CMeasurementRun::SkipUnreadLine()
{
    ++unreadLines_;
    listener_.DispatchPendingEvents();
}
