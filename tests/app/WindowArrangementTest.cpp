#include "app/WindowArrangement.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowArrangement, TilesCoverTheAreaWithoutGapsOrOverlaps)
{
    const QRect area(0, 0, 301, 100);
    const std::vector<QRect> rows = TileRows(area, 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], QRect(0, 0, 301, 33));
    EXPECT_EQ(rows[1].top(), rows[0].bottom() + 1);
    EXPECT_EQ(rows[2].bottom(), area.bottom());
    const std::vector<QRect> columns = TileColumns(area, 2);
    EXPECT_EQ(columns[0], QRect(0, 0, 150, 100));
    EXPECT_EQ(columns[1], QRect(150, 0, 151, 100));
    EXPECT_TRUE(TileRows(area, 0).empty());
}

TEST(WindowArrangement, CascadedAndNewWindowsStayInsideTheArea)
{
    const QRect area(0, 0, 600, 400);
    const std::vector<QRect> cascade = CascadeRects(area, 40, 25);
    ASSERT_EQ(cascade.size(), 40u);
    for (const QRect& rect : cascade) EXPECT_TRUE(area.contains(rect)) << rect.x() << "," << rect.y();
    EXPECT_EQ(cascade[1].topLeft(), QPoint(25, 25));
    EXPECT_GE(cascade[0].width(), 400);
    EXPECT_EQ(CascadeRects(area, 1, 25)[0], area);

    EXPECT_EQ(KeptInside(QRect(500, 350, 300, 200), area), QRect(300, 200, 300, 200));
    EXPECT_EQ(KeptInside(QRect(-20, -5, 900, 100), area), QRect(0, 0, 600, 100));
}

} // namespace
