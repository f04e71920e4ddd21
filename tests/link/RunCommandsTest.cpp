#include "link/RunCommands.h"
#include "model/Exception.h"

#include <gtest/gtest.h>

namespace {

TEST(RunCommands, HugeFrequencyIsWrittenOutInFull)
{
    const std::string command = FrequencyCommand('E', 1e300);
    EXPECT_EQ(command.size(), 1 + 301 + 7 + 1u);
    EXPECT_EQ(command.substr(0, 4), "E100");
    EXPECT_EQ(command.substr(command.size() - 8), ".000000\r");
}

TEST(RunCommands, PointFrequencyFallsBackToFromAndReportsABadLogarithm)
{
    RunSettings settings;
    settings.from = 7;
    settings.to = 9;
    settings.samples = 1;
    EXPECT_EQ(PointFrequency(settings, 0), 7);
    settings.samples = 3;
    settings.mode = kRunOneFrequency;
    EXPECT_EQ(PointFrequency(settings, 2), 7);

    settings.mode = kRunSweep;
    settings.loglin = kSpacingLog;
    settings.to = 0;
    try {
        PointFrequency(settings, 1);
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "log");
    }
}

} // namespace
