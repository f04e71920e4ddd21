#pragma once

#include "RecordingMessageSink.h"
#include "SimulatorLog.h"
#include "SimulatorProcess.h"
#include "TempDir.h"
#include "link/AnalyzerLink.h"
#include "link/MeasurementRun.h"
#include "link/PosixSerialPort.h"
#include "model/Exception.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Records what a run reports, and stops it or meddles with it when told.
class CRecordingListener final : public CRunListener {
public:
    std::vector<PointRecord> points;
    std::vector<std::pair<std::int64_t, std::int64_t>> progress;
    std::function<bool()> stopWhen = [] { return false; };
    std::function<void()> onDispatch = [] {};

    void Progress(std::int64_t position, std::int64_t maximum) override { progress.emplace_back(position, maximum); }
    void NewPoint(const PointRecord& point) override { points.push_back(point); }
    void DispatchPendingEvents() override { onDispatch(); }
    bool StopRequested() override { return stopWhen(); }
};

// A test against the analyzer simulator through the real serial port.
class SimulatedAnalyzerTest : public ::testing::Test {
protected:
    // Far beyond any pause of a loaded machine or of the simulator itself,
    // so that no time-out fires where a test is not about one; it costs
    // time only when it fires.
    static constexpr int kTimeOutMs = 5000;
    // For the tests about a time-out: the shortest that a pause of half a
    // second cannot reach.
    static constexpr int kShortTimeOutMs = 1000;

    TempDir dir;
    std::unique_ptr<CSimulatorProcess> analyzer;
    CAnalyzerLink link{std::make_unique<CPosixSerialPort>()};
    ScopedMessageRecorder messages;

    void StartAnalyzer(std::vector<std::string> options)
    {
        options.insert(options.end(), {"--log", dir.File("received")});
        analyzer = std::make_unique<CSimulatorProcess>(options);
    }

    SerialSettings Serial(int timeOutMs = kTimeOutMs) const { return {analyzer->DevicePath(), 9600, timeOutMs}; }

    // Every byte the analyzer has received so far.
    std::string Received() const { return ReadSimulatorLog(dir.File("received")); }

    // Every byte the analyzer has received, once its log holds what
    // `complete` asks for or ten seconds have passed.
    std::string ReceivedOnce(const std::function<bool(const std::string&)>& complete) const
    {
        return SimulatorLogOnce(dir.File("received"), complete);
    }

    ::testing::AssertionResult ReceivedIs(const std::string& expected) const
    {
        return SimulatorReceived(dir.File("received"), expected);
    }

    // The warnings shown, each as caption and text separated by "|".
    std::vector<std::string> Warnings() const
    {
        std::vector<std::string> shown;
        for (const auto& box : messages.boxes()) shown.push_back(box.caption + "|" + box.text);
        return shown;
    }
};

// A whole measurement run against the simulator.
class MeasurementRunTest : public SimulatedAnalyzerTest {
protected:
    RunSettings settings;
    CRecordingListener listener;
    // Any use without the correction chosen fails the run visibly.
    PointCorrection correction = [](double, double&, double&) { throw Exception("correction used"); };

    void Run() { Run(Serial()); }

    void Run(const SerialSettings& serial)
    {
        CMeasurementRun run(settings, serial, link, correction, listener);
        run.Execute();
    }
};
