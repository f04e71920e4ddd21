#include "CanvasTestSupport.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/ClipGuard.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kRed = 0x0000FF;

TEST(Canvas, ALineLeavesOutItsEndPixelInEveryDirection)
{
    QImage image = BlackImage(20, 20);
    CCanvas canvas(image);
    canvas.SetPenColor(kWhite);
    canvas.MoveTo(2, 2);
    canvas.LineTo(8, 2);
    canvas.MoveTo(17, 5);
    canvas.LineTo(11, 5);
    canvas.MoveTo(3, 9);
    canvas.LineTo(9, 15);
    EXPECT_TRUE(IsSet(image, 2, 2));
    EXPECT_TRUE(IsSet(image, 7, 2));
    EXPECT_FALSE(IsSet(image, 8, 2));
    EXPECT_TRUE(IsSet(image, 17, 5));
    EXPECT_TRUE(IsSet(image, 12, 5));
    EXPECT_FALSE(IsSet(image, 11, 5));
    EXPECT_TRUE(IsSet(image, 8, 14));
    EXPECT_FALSE(IsSet(image, 9, 15));
    EXPECT_EQ(canvas.PenPos(), (TPoint{9, 15}));
    EXPECT_EQ(SetPixels(image).size(), 6u + 6u + 6u);
}

TEST(Canvas, JoinedXorLinesSetEveryCornerOnce)
{
    QImage image = BlackImage(20, 20);
    CCanvas canvas(image);
    canvas.SetPen({kWhite, 1, PenStyle::Solid, PenMode::Xor});
    canvas.MoveTo(2, 2);
    for (const TPoint p : {TPoint{10, 2}, TPoint{10, 8}, TPoint{2, 8}, TPoint{2, 2}}) canvas.LineTo(p.x, p.y);
    for (const TPoint p : {TPoint{2, 2}, TPoint{10, 2}, TPoint{10, 8}, TPoint{2, 8}}) EXPECT_TRUE(IsSet(image, p.x, p.y));
    EXPECT_EQ(SetPixels(image).size(), 2u * 8 + 2u * 6);
}

TEST(Canvas, AnXorPolylineOfAWidePenKeepsItsCornersAndErasesItself)
{
    const QImage background = PatternImage(40, 40);
    QImage image = background;
    CCanvas canvas(image);
    canvas.SetPen({kWhite, 5, PenStyle::Solid, PenMode::Xor});
    const std::array<TPoint, 5> square = {{{10, 10}, {30, 10}, {30, 30}, {10, 30}, {10, 10}}};
    canvas.Polyline(square);
    for (const TPoint& corner : square) {
        EXPECT_NE(image.pixel(corner.x, corner.y), background.pixel(corner.x, corner.y)) << corner.x << "," << corner.y;
    }
    EXPECT_EQ(canvas.PenPos(), (TPoint{10, 10}));
    canvas.Polyline(square);
    EXPECT_EQ(image, background);
}

TEST(Canvas, AWidePenHasRoundEndsAndAtMostThirtyPixels)
{
    QImage image = BlackImage(60, 60);
    CCanvas canvas(image);
    canvas.SetPenColor(kWhite);
    canvas.SetPenWidth(9);
    canvas.MoveTo(20, 20);
    canvas.LineTo(40, 20);
    EXPECT_TRUE(IsSet(image, 16, 20)); // beyond the start
    EXPECT_TRUE(IsSet(image, 43, 20)); // beyond the end
    EXPECT_TRUE(IsSet(image, 30, 17));
    EXPECT_FALSE(IsSet(image, 16, 16)); // round, not square
    EXPECT_FALSE(IsSet(image, 43, 24));

    canvas.SetPenWidth(100);
    EXPECT_EQ(canvas.Pen().Width, 30);
    canvas.SetPen({kWhite, -4, PenStyle::Solid, PenMode::Copy});
    EXPECT_EQ(canvas.Pen().Width, 0);
}

TEST(Canvas, ADottedPenDrawsThreeOnThreeOff)
{
    QImage image = BlackImage(20, 3);
    CCanvas canvas(image);
    canvas.SetPen({kWhite, 1, PenStyle::Dot, PenMode::Copy});
    canvas.MoveTo(0, 1);
    canvas.LineTo(19, 1);
    std::string row;
    for (int x = 0; x < 20; ++x) row += IsSet(image, x, 1) ? '#' : '.';
    EXPECT_EQ(row, "###...###...###...#.");
}

TEST(Canvas, RectanglesLeaveOutTheirRightAndBottomEdges)
{
    QImage image = BlackImage(20, 20);
    CCanvas canvas(image);
    canvas.SetBrushColor(kRed);
    canvas.FillRect({2, 3, 6, 8});
    EXPECT_EQ(SetPixels(image).size(), 4u * 5);
    EXPECT_EQ(PixelColor(image, 2, 3), kRed);
    EXPECT_EQ(PixelColor(image, 5, 7), kRed);
    EXPECT_FALSE(IsSet(image, 6, 7));
    EXPECT_FALSE(IsSet(image, 5, 8));
}

TEST(Canvas, TheOutlineOfAFullArcCoversLeftToRightMinusOne)
{
    QImage image = BlackImage(20, 20);
    CCanvas canvas(image);
    canvas.SetPenColor(kWhite);
    canvas.FullArc({2, 4, 13, 15});
    EXPECT_TRUE(AllSetPixelsWithin(image, {2, 4, 13, 15}));
    bool left = false, right = false, top = false, bottom = false;
    for (int i = 4; i < 15; ++i) {
        left = left || IsSet(image, 2, i);
        right = right || IsSet(image, 12, i);
        top = top || IsSet(image, i - 2, 4);
        bottom = bottom || IsSet(image, i - 2, 14);
    }
    EXPECT_TRUE(left && right && top && bottom);
    EXPECT_FALSE(IsSet(image, 7, 9)); // an outline only
}

TEST(Canvas, ColoursAreRedInTheLowestByte)
{
    QImage image = BlackImage(4, 4);
    CCanvas canvas(image);
    canvas.SetPixel(1, 1, kRed);
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 0, 0));
    canvas.SetPixel(-1, 1, kRed); // outside the image: nothing
    canvas.SetPixel(1, 4, kRed);
    EXPECT_EQ(SetPixels(image).size(), 1u);
}

TEST(Canvas, InvertingTwiceRestoresTheBand)
{
    const QImage background = PatternImage(30, 30);
    QImage image = background;
    CCanvas canvas(image);
    canvas.InvertRect({-5, 10, 40, 15});
    EXPECT_EQ(image.pixel(3, 10), background.pixel(3, 10) ^ 0x00FFFFFFu);
    EXPECT_EQ(image.pixel(3, 14), background.pixel(3, 14) ^ 0x00FFFFFFu);
    EXPECT_EQ(image.pixel(3, 15), background.pixel(3, 15));
    EXPECT_EQ(image.pixel(3, 9), background.pixel(3, 9));
    canvas.InvertRect({-5, 10, 40, 15});
    EXPECT_EQ(image, background);
}

TEST(Canvas, TheClipGuardConfinesEveryKindOfDrawingUntilItGoes)
{
    QImage image = BlackImage(40, 40);
    CCanvas canvas(image);
    canvas.SetPenColor(kWhite);
    canvas.SetBrushColor(kWhite);
    const TRect pane{10, 10, 30, 30};
    {
        const ClipGuard confine(canvas, pane);
        canvas.MoveTo(0, 20);
        canvas.LineTo(40, 20);
        canvas.SetPenWidth(3);
        canvas.MoveTo(20, 0);
        canvas.LineTo(20, 40);
        canvas.FullArc({0, 0, 40, 40});
        canvas.FillRect({0, 0, 12, 12});
        canvas.SetPixel(5, 5, kWhite);
        canvas.SetPixel(29, 29, kWhite);
        canvas.InvertRect({0, 35, 40, 40});
        canvas.TextOut(0, 0, "Text");
    }
    EXPECT_TRUE(AllSetPixelsWithin(image, pane));
    EXPECT_TRUE(IsSet(image, 29, 29));
    EXPECT_TRUE(IsSet(image, 10, 20));
    EXPECT_FALSE(IsSet(image, 30, 20));

    canvas.SetPixel(5, 5, kWhite);
    EXPECT_TRUE(IsSet(image, 5, 5));
}

TEST(Canvas, DrawsOnlyOnAnRGB32Image)
{
    QImage empty;
    EXPECT_THROW(CCanvas{empty}, std::invalid_argument);
    QImage indexed(4, 4, QImage::Format_Indexed8);
    EXPECT_THROW(CCanvas{indexed}, std::invalid_argument);
}

} // namespace
