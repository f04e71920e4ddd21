#include "view/DisplayText.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayText, Utf8WhenValidElseLatin1)
{
    EXPECT_EQ(DisplayText("/data/caf\xC3\xA9.csv"), QString::fromUtf8("/data/caf\xC3\xA9.csv"));
    // An 8-bit name from another system shows its letters, not replacement marks.
    EXPECT_EQ(DisplayText("/data/caf\xE9.csv"), QString::fromUtf8("/data/caf\xC3\xA9.csv"));
    EXPECT_EQ(DisplayText("\xC3"), QString::fromUtf8("\xC3\x83"));
    EXPECT_EQ(DisplayText(std::string("a\0b", 3)).size(), 3);
}

} // namespace
