#include "FormatEngReadBack.h"
#include "model/Exception.h"
#include "model/NumberText.h"
#include "model/TraceNumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::string SyntaxErrorOf(const std::string& text)
{
    try {
        ParseValue(text);
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(no error)";
}

TEST(FormatEng, WritesEngineeringNotation)
{
    const struct {
        double value;
        int precision;
        const char* text;
    } cases[] = {
        {1234.5, 12, "1.2345e+3"},
        {0.05, 12, "50e-3"},
        {50, 12, "50"},
        {1000, 12, "1e+3"},
        {999.9999999999999, 12, "1e+3"},
        {0.0009999999999999999, 12, "1e-3"},
        {-0.0025, 12, "-2.5e-3"},
        {-1500, 12, "-1.5e+3"},
        {47000, 12, "47e+3"},
        {0, 12, "0"},
        {1234567, 4, "1.235e+6"},
        {999.9999999999999, 3, "1e+03"},
        {1e99, 12, "1e+99"},
        {-1e99, 12, "-1e+99"},
        {2.2e-6, 12, "2.2e-6"},
        {145.123456, 12, "145.123456"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatEng(c.precision, c.value), c.text) << c.value << " at precision " << c.precision;
    }
}

TEST(FormatEng, WritesFewDigitsWithASingleExponent)
{
    const struct {
        double value;
        int precision;
        const char* text;
    } cases[] = {
        {0.0004, 1, "400e-6"},
        {-0.0004, 1, "-400e-6"},
        {0.0004, 0, "400e-6"},
        {46000, 1, "50e+3"},
        {-46000, 1, "-50e+3"},
        {0.0097, 1, "10e-3"},
        {0.000123, 2, "120e-6"},
        {999999.9, 3, "1e+6"},
        {-999999.9, 3, "-1e+6"},
        {0.0009999, 2, "1e-3"},
        {-0.0009999, 1, "-1e-3"},
        {0.9999, 2, "1"},
        {-0.9999, 2, "-1"},
        {999.9999999999999, 3, "1e+03"},
        {50, 1, "5e+01"},
        {0.00123, 3, "1.23e-3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatEng(c.precision, c.value), c.text) << c.value << " at precision " << c.precision;
    }
}

// Texts at four digits and more are written into documents and settings (at
// 12) and shown in tables: values at the edges of rounding keep their text.
TEST(FormatEng, KeepsItsTextsAtFourDigitsAndMore)
{
    const struct {
        double value;
        int precision;
        const char* text;
    } cases[] = {
        {999.96, 4, "1e+3"},
        {0.00099996, 4, "1e-3"},
        {9999.6, 4, "10e+3"},
        {99999.6, 4, "100e+3"},
        {0.0004, 4, "400e-6"},
        {-999999.9, 4, "-1e+6"},
        {-0.00012345678, 4, "-123.5e-6"},
        {-0.9999, 4, "-999.9e-3"},
        {0.99999, 4, "1"},
        {123.45678, 5, "123.46"},
        {999999.9, 6, "1e+6"},
        {9.99999e-15, 5, "10e-15"},
        {9.87654321e-13, 8, "987.65432e-15"},
        {999999.9, 12, "999.9999e+3"},
        {0.0004, 12, "400e-6"},
        {0.0009999, 12, "999.9e-6"},
        {123456789.123, 12, "123.456789123e+6"},
        {-0.000999999999999, 12, "-999.999999999e-6"},
        {999999999999.9, 12, "1e+12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatEng(c.precision, c.value), c.text) << c.value << " at precision " << c.precision;
    }
}

double ReadByDataCell(const std::string& text)
{
    double value = 0;
    const char* end = ReadScanfDouble(text.data(), text.data() + text.size(), value);
    return end == text.data() + text.size() ? value : std::nan("");
}

TEST(FormatEng, EveryTextReadsBackAtEveryPrecision)
{
    const double mantissas[] = {1, 1.0004, 1.5, 4.6, 9.5, 9.96, 9.9999, 46, 99.5, 99.96, 123.456789, 999.4, 999.5, 999.96, 999.9999999};
    for (int precision = 0; precision <= 12; ++precision) {
        for (int decade = -15; decade <= 15; ++decade) {
            for (const double mantissa : mantissas) {
                for (const double sign : {1.0, -1.0}) {
                    const double value = sign * mantissa * std::pow(10.0, decade);
                    const std::string text = FormatEng(precision, value);
                    const double tolerance = FormatEngReadBackTolerance(precision, value);
                    ASSERT_LE(std::count(text.begin(), text.end(), 'e'), 1) << value << " at " << precision << ": " << text;
                    ASSERT_NEAR(ParseValue(text), value, tolerance) << value << " at " << precision << ": " << text;
                    ASSERT_NEAR(TextToDouble(text), value, tolerance) << value << " at " << precision << ": " << text;
                    ASSERT_NEAR(ReadByDataCell(text), value, tolerance) << value << " at " << precision << ": " << text;
                }
            }
        }
    }
}

TEST(FormatEng, WritesInfinityAtAnyPrecision)
{
    for (const int precision : {0, 3, 12}) {
        EXPECT_EQ(FormatEng(precision, kInf), "inf");
        EXPECT_EQ(FormatEng(precision, -kInf), "-inf");
        EXPECT_EQ(FormatEng(precision, 0.0), "0");
    }
}

TEST(ParseValue, ReadsPrefixesUnitsAndDecibels)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"4k7", 4700},     {"k5", 500},       {"1.5k", 1500},   {"1.5k3", 1500}, {"2.2u", 2.2e-6},
        {"2mk", 2e-6},     {"2mg", 2e6},      {"1e3", 1000},    {"1e3k", 1000},  {"50ohm", 50},
        {"5mV", 0.005},    {"12x", 12},       {"3kdB", 3000},   {".5", 0.5},     {"5.", 5},
        {"1E", 1},         {"4k7k", 4700},    {"", 0},          {"  47 ", 47},   {"+3", 3},
        {"1e 5", 1e5},     {"2.5T", 2.5e12},  {"7f", 7e-15},    {"-1.25M", -1.25e6},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ParseValue(c.text), c.value) << c.text;
    }
    EXPECT_NEAR(ParseValue("-3dB"), 0.70795, 1e-5);
    EXPECT_EQ(ParseValue("-INF"), -kInf);
    EXPECT_EQ(ParseValue("inf"), kInf);
    EXPECT_EQ(ParseValue("Inf"), kInf);
    EXPECT_EQ(ParseValue("+INF"), kInf);
}

TEST(ParseValue, SendsImaginaryTextToTheImaginaryPart)
{
    double imaginary = 99;
    EXPECT_EQ(ParseValue("10j", &imaginary), 0);
    EXPECT_EQ(imaginary, 10);
    EXPECT_EQ(ParseValue("-2kj", &imaginary), 0);
    EXPECT_EQ(imaginary, -2000);
    EXPECT_EQ(ParseValue("infj", &imaginary), kInf);
    EXPECT_EQ(imaginary, 0);
    EXPECT_EQ(ParseValue("10j"), 0);
}

TEST(ParseValue, RefusesTextThatIsNotANumber)
{
    for (const char* text : {"1.2.3", "10 k", "1,5", "abc", "V5", "j", "e5", "k", "--5", "+-5", "1\xC3\xA9"}) {
        EXPECT_EQ(SyntaxErrorOf(text), std::string("Syntax error: ") + text) << text;
    }
    EXPECT_EQ(SyntaxErrorOf("   "), "Syntax error: ");
    EXPECT_EQ(SyntaxErrorOf(" 1.2.3\t"), "Syntax error: 1.2.3");
}

TEST(ParseValue, SetsTheImaginaryPartToZeroBeforeFailing)
{
    double imaginary = 5;
    EXPECT_THROW(ParseValue("abc", &imaginary), Exception);
    EXPECT_EQ(imaginary, 0);
}

TEST(ParseValue, ReadsLongTextWhole)
{
    const std::string sixtyDigits = "1" + std::string(59, '0');
    EXPECT_EQ(ParseValue(sixtyDigits), 1e59);
    const std::string longFraction = "0." + std::string(80, '0') + "1";
    EXPECT_EQ(ParseValue(longFraction), 1e-81);
    const std::string fiftyNine = "1." + std::string(56, '0') + "5";
    EXPECT_EQ(fiftyNine.size(), 59u);
    EXPECT_DOUBLE_EQ(ParseValue(fiftyNine), 1.0);
    EXPECT_EQ(SyntaxErrorOf(std::string(70, '1') + "x,"), "Syntax error: " + std::string(70, '1') + "x,");
}

TEST(ParseValue, SaturatesHugeExponents)
{
    EXPECT_EQ(ParseValue("1e2000000000"), kInf);
    EXPECT_EQ(ParseValue("1e-2000000000"), 0);
    EXPECT_EQ(ParseValue("1e99999999999999999999"), kInf);
    EXPECT_EQ(TextToDouble("1e2000000000"), kInf);
    EXPECT_EQ(TextToDouble("-1e-2000000000"), 0);
}

TEST(ParseValue, OverflowingDecibelsAreAMathError)
{
    try {
        ParseValue("10000dB");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "pow");
    }
}

TEST(TextToDouble, ReadsTheLeadingNumber)
{
    EXPECT_EQ(TextToDouble("12abc"), 12);
    EXPECT_EQ(TextToDouble("1.5.3"), 1.5);
    EXPECT_EQ(TextToDouble(" 42 "), 42);
    EXPECT_EQ(TextToDouble("-2.5e-3"), -2.5e-3);
    EXPECT_EQ(TextToDouble("inf"), kInf);
    EXPECT_EQ(TextToDouble("-inf"), -kInf);
    EXPECT_EQ(TextToDouble("Inf"), 0);
    EXPECT_EQ(TextToDouble(""), 0);
    EXPECT_EQ(TextToDouble("abc"), 0);
    EXPECT_EQ(TextToDouble("1e+90"), 1e90);
}

TEST(TextToDouble, ReadsBackEveryTwelveDigitValue)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<long long> mantissa(1, 999999999999LL);
    std::uniform_int_distribution<int> exponent(-40, 40);
    for (int k = 0; k < 20000; ++k) {
        // A value that 12 significant digits hold exactly.
        const std::string decimal = std::to_string(mantissa(random)) + "e" + std::to_string(exponent(random));
        const double value = std::stod(decimal);
        ASSERT_EQ(TextToDouble(FormatEng(12, value)), value) << decimal << " written " << FormatEng(12, value);
        ASSERT_EQ(ParseValue(FormatEng(12, value)), value) << decimal;
    }
    for (const double value : {1e90, 1e-90, 145.123456, 14.2, 0.1, 1e99, 123456789012.0}) {
        EXPECT_EQ(TextToDouble(FormatEng(12, value)), value) << value;
    }
}

TEST(TextToInt, ReadsDecimalAndHexadecimalIntegers)
{
    EXPECT_EQ(TextToInt("42"), 42);
    EXPECT_EQ(TextToInt("  -17"), -17);
    EXPECT_EQ(TextToInt("+5"), 5);
    EXPECT_EQ(TextToInt("$1F"), 31);
    EXPECT_EQ(TextToInt("x10"), 16);
    EXPECT_EQ(TextToInt("0x10"), 16);
    EXPECT_EQ(TextToInt("-$10"), -16);
    EXPECT_EQ(TextToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(TextToInt("2147483647"), 2147483647);
    EXPECT_EQ(TextToInt("-2147483648"), std::numeric_limits<int>::min());
}

TEST(TextToInt, GivesZeroForAnythingElse)
{
    for (const char* text : {"", "12 ", "abc", "1.5", "2147483648", "-2147483649", "$", "0x", "-", "$1FFFFFFFF"}) {
        EXPECT_EQ(TextToInt(text), 0) << text;
    }
}

TEST(NumberText, IgnoresTheProcessLocale)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale installed";

    EXPECT_EQ(FormatEng(12, 14.2), "14.2");
    EXPECT_EQ(FormatEng(12, 1234.5), "1.2345e+3");
    EXPECT_EQ(TextToDouble("14.2"), 14.2);
    EXPECT_EQ(ParseValue("4.7k"), 4700);
    EXPECT_THROW(ParseValue("14,2"), Exception);

    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
