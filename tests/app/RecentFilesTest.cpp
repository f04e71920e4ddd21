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

    AddRecentFile(list, "/DATA/5.CSV");
    EXPECT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front(), "/DATA/5.CSV");
    EXPECT_EQ(std::count(list.begin(), list.end(), "/data/5.csv"), 0);

    AddRecentFile(list, "/data/5.csv~");
    EXPECT_EQ(list.front(), "/DATA/5.CSV");
}

} // namespace
