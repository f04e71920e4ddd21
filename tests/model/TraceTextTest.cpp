#include "FakeView.h"
#include "model/Data.h"
#include "model/Trace.h"
#include "model/TextLines.h"
#include "model/TraceNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

namespace {

std::string Format(double value)
{
    char buffer[kTraceNumberMaxLength];
    return std::string(buffer, FormatTraceNumber(value, buffer));
}

std::string PrintfG(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lg", value);
    return buffer;
}

TEST(TraceNumber, WritesAsPrintfWhenSixDigitsHoldTheValue)
{
    for (const double value : {14.2, 50.0, 0.0, -2.0, 51.5, 1e99, -1e99, 1e-5, 0.0001, 123456.0, 1e6, 2.5e-7,
                               100.0, -0.0, 0.1, 3.14159, 1e300, 5e-324}) {
        EXPECT_EQ(Format(value), PrintfG(value)) << value;
    }
    std::mt19937_64 random(5);
    std::uniform_int_distribution<int> digits(1, 999999);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int k = 0; k < 20000; ++k) {
        const double value = std::stod(std::to_string(digits(random)) + "e" + std::to_string(exponent(random)));
        ASSERT_EQ(Format(value), PrintfG(value)) << value;
    }
}

TEST(TraceNumber, WritesMoreDigitsWhenSixWouldLoseTheValue)
{
    EXPECT_EQ(Format(145.123456), "145.123456");
    EXPECT_EQ(Format(14.0000001), "14.0000001");
    EXPECT_EQ(Format(123456789), "123456789");
    EXPECT_EQ(Format(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(Format(1.0 / 3), "0.3333333333333333");
    EXPECT_EQ(Format(-1234567.5e-20), "-1.2345675e-14");
    EXPECT_EQ(Format(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(Format(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(TraceNumber, EveryWrittenNumberReadsBackExactly)
{
    std::mt19937_64 random(9);
    for (int k = 0; k < 100000; ++k) {
        double value;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        const std::string text = Format(value);
        double back = 0;
        const char* end = ReadScanfDouble(text.data(), text.data() + text.size(), back);
        ASSERT_EQ(end, text.data() + text.size()) << text;
        ASSERT_EQ(back, value) << text;
    }
}

TEST(TraceNumber, ReadsLikeScanf)
{
    const struct {
        const char* text;
        double value;
        size_t length;
    } cases[] = {
        {"  12.5,", 12.5, 6}, {"+3", 3, 2},      {"-2e3x", -2000, 4}, {"inf", INFINITY, 3},
        {"-Infinity", -INFINITY, 9}, {"0x1p4", 16, 5}, {"1e400", INFINITY, 5}, {"1e-400", 0, 6},
        {".5", 0.5, 2},       {"7.", 7, 2},
    };
    for (const auto& c : cases) {
        double value = -1;
        const char* begin = c.text;
        const char* end = ReadScanfDouble(begin, begin + std::strlen(begin), value);
        ASSERT_NE(end, nullptr) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(static_cast<size_t>(end - begin), c.length) << c.text;
    }
    for (const char* text : {"", " ", "x", "+-1", "--1", ",1", "+"}) {
        double value = 0;
        EXPECT_EQ(ReadScanfDouble(text, text + std::strlen(text), value), nullptr) << text;
    }
}

TEST(TraceText, WritesOneLinePerPoint)
{
    CData data;
    data.Append(14.2, 50, 0, 0.5, 1, 2, 3);
    data.Append(14.3, 51.5, -2, 1.5, 4, 5, 6);
    EXPECT_EQ(data.ToCsvText(false, false), " \r\n14.2,50,0\r\n14.3,51.5,-2\r\n");
    EXPECT_EQ(data.ToCsvText(true, false), " \r\n14.2,50,0,0.5\r\n14.3,51.5,-2,1.5\r\n");
    EXPECT_EQ(data.ToCsvText(false, true), " \r\n14.2,50,0,1,2,3\r\n14.3,51.5,-2,4,5,6\r\n");
    EXPECT_EQ(data.ToCsvText(true, true), " \r\n14.2,50,0,0.5,1,2,3\r\n14.3,51.5,-2,1.5,4,5,6\r\n");

    CData empty;
    EXPECT_EQ(empty.ToCsvText(true, true), " \r\n");
}

TEST(TraceText, WritesPointsAsDisplayed)
{
    FakeView view;
    view.transform.offsetUse = true;
    view.transform.offsetX = 10;
    CTraces traces;
    traces.Owner = &view;
    auto trace = std::make_unique<CTrace>();
    trace->Data.Append(1, 50, 10);
    CData& data = trace->Data;
    traces.Add(std::move(trace));
    EXPECT_EQ(data.ToCsvText(false, false), " \r\n1,50,0\r\n");
}

TEST(TraceText, ReadsBackWhatItWrote)
{
    CData data;
    data.Append(14.2, 50, 0);
    data.Append(145.123456, 1e99, -2.5e-7);
    CData back;
    EXPECT_EQ(back.FromCsvText(data.ToCsvText(false, false), kTextRX, 0, 50, false, false), 3);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.GetRecord(1)->f, 145.123456);
    EXPECT_EQ(back.GetRecord(1)->R, 1e99);
    EXPECT_EQ(back.GetRecord(1)->X, -2.5e-7);
}

TEST(TraceText, ANarrowSweepKeepsItsFrequencies)
{
    CData sweep;
    for (int i = 0; i < 100; ++i) sweep.Append(145.1 + i * 1e-6, 50 + i * 1e-7, i * 1e-3, i * 0.001);
    CData back;
    back.FromCsvText(sweep.ToCsvText(true, false), kTextRX, 0, 50, true, false);
    ASSERT_EQ(back.Count(), 100);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(back.GetRecord(i)->f, sweep.GetRecord(i)->f) << i;
        ASSERT_EQ(back.GetRecord(i)->R, sweep.GetRecord(i)->R) << i;
        ASSERT_EQ(back.GetRecord(i)->t, sweep.GetRecord(i)->t) << i;
    }
}

TEST(TraceText, SkipsLinesOfTheWrongShape)
{
    CData data;
    const std::string text = "1,2,3\r\n1,2,3,4\n\r\n5, 6, 7\r8 ,9,10\r\n1,2,3,4,5,6,7\r\n2,3\r\n";
    EXPECT_EQ(data.FromCsvText(text, kTextRX, 0, 50, true, false), 7);
    ASSERT_EQ(data.Count(), 2); // the 4- and 7-column lines
    EXPECT_EQ(data.GetRecord(0)->t, 4);
    EXPECT_EQ(data.GetRecord(1)->t, 4);

    CData plain;
    plain.FromCsvText(text, kTextRX, 0, 50, false, false);
    ASSERT_EQ(plain.Count(), 4);
    EXPECT_EQ(plain.GetRecord(2)->f, 5); // blanks after a comma are fine
    EXPECT_EQ(plain.GetRecord(3)->X, 3); // a 7-column line read as 3
    EXPECT_EQ(plain.GetRecord(3)->t, 0);
}

TEST(TraceText, StopsAtACommentLine)
{
    CData data;
    const std::string text = "1,1,1\r\n2,2,2\r\n3,3,3\r\n4,4,4\r\n5,5,5\r\n#end\r\n6,6,6\r\n";
    EXPECT_EQ(data.FromCsvText(text, kTextRX, 2, 50, false, false), 5);
    ASSERT_EQ(data.Count(), 3);
    EXPECT_EQ(data.GetRecord(0)->f, 3);
    EXPECT_EQ(data.FromCsvText("1,1,1", kTextRX, 4, 50, false, false), 4);
}

TEST(TraceText, ConvertsMagnitudeAngleAndGamma)
{
    CData data;
    data.FromCsvText("10,2,90\r\n10,0,0\r\n10,1,0\r\n", kTextMagAngle, 0, 50, false, false);
    EXPECT_NEAR(data.GetRecord(0)->R, 0, 1e-12);
    EXPECT_NEAR(data.GetRecord(0)->X, 2, 1e-12);

    CData gamma;
    gamma.FromCsvText("10,0,0\r\n10,1,0\r\n10,0,1\r\n", kTextGamma, 0, 50, false, false);
    EXPECT_EQ(gamma.GetRecord(0)->R, 50);
    EXPECT_EQ(gamma.GetRecord(0)->X, 0);
    EXPECT_EQ(gamma.GetRecord(1)->R, 1e99);
    EXPECT_EQ(gamma.GetRecord(1)->X, 1e99);
    EXPECT_NEAR(gamma.GetRecord(2)->R, 0, 1e-12);
    EXPECT_NEAR(gamma.GetRecord(2)->X, 50, 1e-12);
}

} // namespace

TEST(TraceText, LinesSplitOnceReadAsTheTextDoes)
{
    const std::string text = "a\r\n\r\n1,2,3\n#x\r4,5,6\r\n\r\n7,8,9";
    const std::vector<std::string_view> lines = SplitTextLines(text);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[3], "#x");
    EXPECT_EQ(lines[6], "7,8,9");
    EXPECT_EQ(SplitTextLines("x\r\n").size(), 1u);
    EXPECT_TRUE(SplitTextLines("").empty());

    for (const int start : {0, 3, 4, 9}) {
        CData fromText;
        CData fromLines;
        EXPECT_EQ(fromText.FromCsvText(text, kTextGamma, start, 75, false, false),
                  fromLines.FromCsvLines(lines, kTextGamma, start, 75, false, false))
            << start;
        ASSERT_EQ(fromText.Count(), fromLines.Count()) << start;
        for (int i = 0; i < fromText.Count(); ++i) EXPECT_EQ(fromText.GetRecord(i)->R, fromLines.GetRecord(i)->R);
    }
}
