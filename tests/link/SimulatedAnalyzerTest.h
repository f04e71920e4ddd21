#pragma once

#include "RecordingMessageSink.h"
#include "SimulatorProcess.h"
#include "TempDir.h"
#include "link/AnalyzerLink.h"
#include "link/MeasurementRun.h"
#include "link/PosixSerialPort.h"
#include "model/Exception.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
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
    std::string Received() const
    {
        std::ifstream file(dir.File("received"), std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    // Every byte the analyzer has received, once its log holds what
    // `complete` asks for or ten seconds have passed. The bytes a run sent
    // last may still wait for an analyzer that a busy machine holds up.
    std::string ReceivedOnce(const std::function<bool(const std::string&)>& complete) const
    {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        std::string bytes = Received();
        while (!complete(bytes) && std::chrono::steady_clock::now() < limit) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            bytes = Received();
        }
        return bytes;
    }

    // Whether the analyzer received exactly `expected`, looked at once its
    // log holds at least as many bytes.
    ::testing::AssertionResult ReceivedIs(const std::string& expected) const
    {
        const std::string received =
            ReceivedOnce([&expected](const std::string& bytes) { return bytes.size() >= expected.size(); });
        if (received == expected) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the analyzer received " << ::testing::PrintToString(received)
                                             << "\n                instead of " << ::testing::PrintToString(expected);
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
