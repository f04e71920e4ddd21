#include "view/document/CommaText.h"

#include <gtest/gtest.h>

namespace {

using Fields = std::vector<std::string>;

TEST(CommaText, CommasAndBlanksSeparateAndQuotesGroup)
{
    EXPECT_EQ(SplitCommaText("1,2.5,-3"), (Fields{"1", "2.5", "-3"}));
    EXPECT_EQ(SplitCommaText("  1 2\t3  "), (Fields{"1", "2", "3"}));
    EXPECT_EQ(SplitCommaText("1 , 2"), (Fields{"1", "2"}));
    EXPECT_EQ(SplitCommaText("a,,b"), (Fields{"a", "", "b"}));
    EXPECT_EQ(SplitCommaText("a,"), (Fields{"a", ""}));
    EXPECT_EQ(SplitCommaText(",a"), (Fields{"", "a"}));
    EXPECT_EQ(SplitCommaText("\"13.56MHz Freq, h\",7"), (Fields{"13.56MHz Freq, h", "7"}));
    EXPECT_EQ(SplitCommaText("\"say \"\"hi\"\"\""), (Fields{"say \"hi\""}));
    EXPECT_EQ(SplitCommaText("\"open to the end"), (Fields{"open to the end"}));
    EXPECT_TRUE(SplitCommaText("   ").empty());
}

} // namespace
