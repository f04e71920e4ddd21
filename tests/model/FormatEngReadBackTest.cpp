#include "FormatEngReadBack.h"
#include "model/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The power of ten FormatEng writes behind the mantissa (0 when it writes none).
int WrittenExponent(const std::string& text)
{
    const auto e = text.find('e');
    return e == std::string::npos ? 0 : std::atoi(text.c_str() + e + 1);
}

double ReadBackError(int precision, double value) { return std::fabs(TextToDouble(FormatEng(precision, value)) - value); }

// Each step moves the written exponent by three. Just below a power of a
// thousand the rounding of the steps can lift the mantissa to 1000, which
// takes one step more, or to 1, which saves one: 1e24 is stored below 10^24
// yet takes eight steps, and 9.9999999999999987e-298 lies below 10^-297 yet
// takes only 99.
TEST(FormatEngReadBack, CountsTheStepsThatMoveTheWrittenExponent)
{
    const struct {
        double value;
        int steps;
    } cases[] = {
        {5, 0}, {-0.5, 1}, {4.7e-9, 3}, {1e24, 8}, {9.9999999999999987e-298, 99}, {7.7700000089949887e279, 93},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatEngScalingSteps(c.value), c.steps) << c.value;
        EXPECT_EQ(std::abs(WrittenExponent(FormatEng(12, c.value))), 3 * c.steps) << c.value;
    }
}

// Ninety-three steps of 0.001 leave this value a few units in the last place
// off, on the other side of a rounding tie at twelve digits: the text reads
// back further than half a unit of its last digit, and within the tolerance.
TEST(FormatEngReadBack, HoldsWhatTheScalingMovesAtLargeExponents)
{
    const double value = TextToDouble("7.7700000089949888888e279");
    ASSERT_EQ(value, 7.7700000089949887e279);
    ASSERT_EQ(FormatEng(12, value), "7.770000009e+279");

    EXPECT_GT(ReadBackError(12, value), HalfUnitOfLastDigit(12, value));
    EXPECT_LE(ReadBackError(12, value), FormatEngReadBackTolerance(12, value));
}

// Near 1e6 the scaling moves the value by about 1e-9: a text one digit short
// or rounded the wrong way is off by more than the tolerance leaves.
TEST(FormatEngReadBack, RefusesTextsThatLoseADigit)
{
    const double value = 1234567.890127;
    ASSERT_EQ(FormatEng(12, value), "1.23456789013e+6");
    const double tolerance = FormatEngReadBackTolerance(12, value);
    EXPECT_LE(ReadBackError(12, value), tolerance);
    for (const char* text : {"1.2345678901e+6", "1.23456789012e+6"}) {
        EXPECT_GT(std::fabs(TextToDouble(text) - value), tolerance) << text;
    }
}

} // namespace
