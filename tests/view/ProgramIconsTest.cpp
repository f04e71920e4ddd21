#include "view/ProgramIcons.h"

#include <QDirIterator>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

// Pixels that are not fully transparent.
int PaintedPixels(const QIcon& icon, int size)
{
    const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    int painted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) != 0;
    }
    return painted;
}

TEST(ProgramIcons, EveryIconDrawsAtBothToolBarSizes)
{
    QStringList names;
    for (QDirIterator it(":/icons"); it.hasNext();) names << it.next().section('/', -1).chopped(4);
    ASSERT_GE(names.size(), 30);
    for (const QString& name : names) {
        const QIcon icon = CommandIcon(name.toStdString());
        for (const int size : {16, 24}) EXPECT_GT(PaintedPixels(icon, size), size * size / 10) << name.toStdString() << size;
    }
    EXPECT_GT(PaintedPixels(ProgramIcon(), 48), 48 * 48 / 2);
    EXPECT_TRUE(CommandIcon("no such icon").isNull());
}

} // namespace
