#include "model/RunSettings.h"
#include "model/XMLNode.h"

#include <gtest/gtest.h>

namespace {

TEST(RunSettings, ExchangesTheRunElementInOrder)
{
    RunSettings settings;
    settings.from = 7e6;
    settings.mode = kRunOneFrequency;
    settings.useOpen = true;
    CXMLNode run("Run");
    ExchangeRunSettings(&run, settings);
    std::string text;
    run.WriteToString(text);
    EXPECT_EQ(text, "<Run from=\"7e+6\" to=\"20\" samples=\"20\" average=\"1\" loglin=\"0\" mode=\"1\" "
                    "correction=\"false\" short=\"false\" open=\"true\" z=\"false\" />");

    CXMLNode read("Run");
    ASSERT_TRUE(read.LoadFromText("<Run samples=\"500\" z=\"true\" />"));
    RunSettings back = settings;
    ExchangeRunSettings(&read, back);
    EXPECT_EQ(back.samples, 500);
    EXPECT_TRUE(back.useZ);
    EXPECT_EQ(back.from, 7e6);
    EXPECT_TRUE(back.useOpen);
    ExchangeRunSettings(nullptr, back);
}

} // namespace
