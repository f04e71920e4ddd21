#include "link/AnswerLine.h"
#include "link/RunCommands.h"

#include <clocale>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(AnswerLine, KnownModelLineGivesFrequencyRAndXInOrder)
{
    KnownModelAnswer answer = ReadKnownModelAnswer("14200000,50.5,-3.2");
    EXPECT_EQ(answer.count, 3);
    EXPECT_EQ(answer.frequencyHz, 14200000);
    EXPECT_EQ(answer.R, 50.5);
    EXPECT_EQ(answer.X, -3.2);

    // Blanks may stand before a number but not before a comma.
    answer = ReadKnownModelAnswer("  1.42e7, +50.5,\t-3.2 trailing");
    EXPECT_EQ(answer.count, 3);
    EXPECT_EQ(answer.frequencyHz, 1.42e7);
    EXPECT_EQ(answer.R, 50.5);
    EXPECT_EQ(ReadKnownModelAnswer("14200000 ,50.5,-3.2").count, 1);
    EXPECT_EQ(ReadKnownModelAnswer("14200000,50.5").count, 2);
    EXPECT_EQ(ReadKnownModelAnswer("14200000,+-1,2").count, 1);
    EXPECT_EQ(ReadKnownModelAnswer("OK").count, 0);
    EXPECT_EQ(ReadKnownModelAnswer("").count, 0);
}

TEST(AnswerLine, MagnitudeAngleLineTakesAnyBlanksBeforeTheA)
{
    MagnitudeAngleAnswer answer = ReadMagnitudeAngleAnswer("100 A90");
    EXPECT_EQ(answer.count, 2);
    EXPECT_EQ(answer.magnitude, 100);
    EXPECT_EQ(answer.angleDegrees, 90);

    answer = ReadMagnitudeAngleAnswer("75.5A-45.25");
    EXPECT_EQ(answer.count, 2);
    EXPECT_EQ(answer.angleDegrees, -45.25);
    EXPECT_EQ(ReadMagnitudeAngleAnswer("75.5 \t  A 12").count, 2);
    EXPECT_EQ(ReadMagnitudeAngleAnswer("75.5 B12").count, 1);
    EXPECT_EQ(ReadMagnitudeAngleAnswer("A12").count, 0);
}

// The program runs under the user's locale; a comma-decimal one must change
// neither what is sent nor what is read.
TEST(AnswerLine, NumbersIgnoreACommaDecimalLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale installed";
    const KnownModelAnswer answer = ReadKnownModelAnswer("14200000,50.5,-3.2");
    const std::string command = FrequencyCommand('F', 14.25);
    std::setlocale(LC_ALL, saved.c_str());

    EXPECT_EQ(answer.count, 3);
    EXPECT_EQ(answer.R, 50.5);
    EXPECT_EQ(command, "F14.250000\r");
}

} // namespace
