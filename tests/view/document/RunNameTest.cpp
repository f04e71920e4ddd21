#include "model/Trace.h"
#include "view/document/RunName.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

namespace {

std::string NameAfter(std::initializer_list<const char*> names)
{
    CTraces traces;
    for (const char* name : names) {
        auto trace = std::make_unique<CTrace>();
        trace->Name = name;
        traces.Add(std::move(trace));
    }
    return NextRunName(traces);
}

TEST(RunName, OneMoreThanTheLargestRunNumber)
{
    EXPECT_EQ(NameAfter({}), "run1");
    EXPECT_EQ(NameAfter({"run7"}), "run8");
    EXPECT_EQ(NameAfter({"run3", "Run9", "run-2x"}), "run4");
    EXPECT_EQ(NameAfter({"run12", "run5"}), "run13");
}

TEST(RunName, OnlyANumberAfterExactlyRunCounts)
{
    EXPECT_EQ(NameAfter({"runaway"}), "run1");
    EXPECT_EQ(NameAfter({"RUN5", "my run5"}), "run1");
    EXPECT_EQ(NameAfter({"run 6"}), "run7"); // blanks before the number are read over
    EXPECT_EQ(NameAfter({"run+4b"}), "run5");
    EXPECT_EQ(NameAfter({"run0", "run-5"}), "run1");
}

TEST(RunName, NumbersAtAndBeyondTheIntRangeDoNotOverflow)
{
    EXPECT_EQ(NameAfter({"run2147483647"}), "run2147483648");
    EXPECT_EQ(NameAfter({"run2147483648", "run4"}), "run5");
    EXPECT_EQ(NameAfter({"run99999999999999999999999", "run2"}), "run3");
    EXPECT_EQ(NameAfter({"run-2147483648"}), "run1");
}

} // namespace
