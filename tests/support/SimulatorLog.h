#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

// The analyzer simulator writes every byte it receives to the file named
// with its --log option.

// Every byte the simulator has logged so far.
inline std::string ReadSimulatorLog(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Every byte the simulator has logged, once the log holds what `complete`
// asks for or ten seconds have passed. The bytes a run sent last may still
// wait for a simulator that a busy machine holds up.
inline std::string SimulatorLogOnce(const std::string& path, const std::function<bool(const std::string&)>& complete)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::string bytes = ReadSimulatorLog(path);
    while (!complete(bytes) && std::chrono::steady_clock::now() < limit) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        bytes = ReadSimulatorLog(path);
    }
    return bytes;
}

// Whether the simulator received exactly `expected`, looked at once its log
// holds at least as many bytes.
inline ::testing::AssertionResult SimulatorReceived(const std::string& path, const std::string& expected)
{
    const std::string received =
        SimulatorLogOnce(path, [&expected](const std::string& bytes) { return bytes.size() >= expected.size(); });
    if (received == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the analyzer received " << ::testing::PrintToString(received)
                                         << "\n                instead of " << ::testing::PrintToString(expected);
}
