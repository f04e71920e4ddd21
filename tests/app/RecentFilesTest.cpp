#include "app/RecentFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(RecentFiles, NewestFirstWithoutRepeatsOrBackups)
{
    std::vector<std::string> list;
    for (int i = 0; i < 11; ++i) AddRecentFile(list, "/data/" + std::to_string(i) + ".csv");
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front(), "/data/10.csv");
    EXPECT_EQ(list.back(), "/data/1.csv");

    AddRecentFile(list, "/data/5.csv");
    EXPECT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front(), "/data/5.csv");
    EXPECT_EQ(std::count(list.begin(), list.end(), "/data/5.csv"), 1);

    // Linux paths differ by letter case: both stay.
    AddRecentFile(list, "/DATA/5.CSV");
    EXPECT_EQ(list[0], "/DATA/5.CSV");
    EXPECT_EQ(list[1], "/data/5.csv");
    EXPECT_EQ(list.back(), "/data/2.csv");

    AddRecentFile(list, "/data/5.csv~");
    AddRecentFile(list, "/data/say \"hi\".csv");
    AddRecentFile(list, "/data/two\nlines.csv");
    AddRecentFile(list, "/data/two\rlines.csv");
    EXPECT_EQ(list.front(), "/DATA/5.CSV");
    EXPECT_EQ(list.size(), 10u);
}

} // namespace
