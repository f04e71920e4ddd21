#include "app/RunDrawing.h"
#include "model/Trace.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::string NameAfter(std::initializer_list<const char*> names)
{
    CTraces traces;
    for (const char* name : names) {
        auto trace = std::make_unique<CTrace>();
        trace->Name = name;
        traces.Add(std::move(trace));
    }
    return RunTraceName(traces);
}

TEST(RunTraceName, OneMoreThanTheLargestRunNumber)
{
    EXPECT_EQ(NameAfter({}), "run1");
    EXPECT_EQ(NameAfter({"run3", "Run9", "run-2x"}), "run4");
    EXPECT_EQ(NameAfter({"run 7", "run12b", "short"}), "run13");
    EXPECT_EQ(NameAfter({"run0", "run-5"}), "run1");
    EXPECT_EQ(NameAfter({"run2147483647"}), "run2147483648");
    EXPECT_EQ(NameAfter({"run99999999999", "run2"}), "run3");
}

} // namespace
