#include "model/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEncoding, EncodesEverythingButUnreservedCharacters)
{
    EXPECT_EQ(EncodeText("my file+1.csv"), "my+file%2B1.csv");
    EXPECT_EQ(EncodeText("a,b/c\\d:e"), "a%2Cb%2Fc%5Cd%3Ae");
    EXPECT_EQ(EncodeText("-_.!~*'()"), "-_.!~*'()");
    EXPECT_EQ(EncodeText("\"<>%"), "%22%3C%3E%25");
    EXPECT_EQ(EncodeText("\xC3\xA9\xFF"), "%C3%A9%FF");
    EXPECT_EQ(EncodeText(std::string("a\0b", 3)), "a%00b");
}

TEST(TextEncoding, DecodesWhatItEncoded)
{
    EXPECT_EQ(DecodeText("my+file%2B1.csv"), "my file+1.csv");
    EXPECT_EQ(DecodeText("a+b"), "a b");
    EXPECT_EQ(DecodeText("%c3%a9"), "\xC3\xA9");
    std::string everyByte;
    for (int c = 0; c < 256; ++c) everyByte += static_cast<char>(c);
    EXPECT_EQ(DecodeText(EncodeText(everyByte)), everyByte);
}

TEST(TextEncoding, KeepsAPercentWithoutTwoHexDigits)
{
    EXPECT_EQ(DecodeText("100%"), "100%");
    EXPECT_EQ(DecodeText("50%4"), "50%4");
    EXPECT_EQ(DecodeText("%zz%"), "%zz%");
    EXPECT_EQ(DecodeText("%4G"), "%4G");
    EXPECT_EQ(DecodeText("%%41"), "%A");
}

} // namespace
