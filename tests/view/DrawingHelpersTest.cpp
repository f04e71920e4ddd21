#include "CanvasTestSupport.h"
#include "SettingsSnapshot.h"
#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/ColorConversion.h"
#include "view/canvas/DrawingHelpers.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kWhite = 0xFFFFFF;

class DrawingHelpers : public ::testing::Test {
protected:
    void SetUp() override { SetDefaults(Settings); }
    SettingsSnapshot snapshot_;
};

TEST_F(DrawingHelpers, AFrameRunsThroughAllFourCorners)
{
    QImage image = BlackImage(20, 20);
    CCanvas canvas(image);
    canvas.SetPenColor(kWhite);
    DrawFrame(canvas, {2, 3, 10, 12});
    for (const TPoint p : {TPoint{2, 3}, TPoint{10, 3}, TPoint{10, 12}, TPoint{2, 12}, TPoint{6, 3}, TPoint{10, 7}}) {
        EXPECT_TRUE(IsSet(image, p.x, p.y)) << p.x << "," << p.y;
    }
    EXPECT_EQ(SetPixels(image).size(), 2u * 8 + 2u * 9);
    EXPECT_EQ(canvas.PenPos(), (TPoint{2, 3}));
}

TEST_F(DrawingHelpers, ASquareHasHalfSideRAroundItsCentre)
{
    QImage image = BlackImage(20, 20);
    CCanvas canvas(image);
    canvas.SetPenColor(kWhite);
    DrawSquare(canvas, 10, 10, 3);
    EXPECT_TRUE(IsSet(image, 7, 7));
    EXPECT_TRUE(IsSet(image, 13, 13));
    EXPECT_FALSE(IsSet(image, 10, 10));
    EXPECT_TRUE(AllSetPixelsWithin(image, {7, 7, 14, 14}));
    EXPECT_EQ(canvas.PenPos(), (TPoint{7, 7}));
}

TEST_F(DrawingHelpers, EveryXorCursorErasesItselfWhenDrawnAgain)
{
    const QImage background = PatternImage(60, 50);
    const TRect area{0, 0, 60, 50};
    for (const int kind : {0, 1, 2, 3, 4, 9}) {
        QImage image = background;
        CCanvas canvas(image);
        DrawXorCursor(canvas, kind, area, {30, 25}, {10, 12, 40, 33});
        EXPECT_NE(image, background) << "kind " << kind;
        DrawXorCursor(canvas, kind, area, {30, 25}, {10, 12, 40, 33});
        EXPECT_EQ(image, background) << "kind " << kind;
    }
}

TEST_F(DrawingHelpers, AnXorCursorShowsTheSelectionColourOverTheBackground)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(ToQColor(SchemeColor(kColorBackground)));
    CCanvas canvas(image);
    canvas.SetPen({0x123456, 4, PenStyle::Dot, PenMode::Copy});
    DrawXorCursor(canvas, kXorCross, {0, 0, 40, 40}, {5, 5}, {});
    EXPECT_EQ(PixelColor(image, 5, 0), SchemeColor(kColorSelection));
    // The cross reaches from -3 to 12, leaving out its ends.
    EXPECT_EQ(PixelColor(image, 5, 12), SchemeColor(kColorSelection));
    EXPECT_EQ(PixelColor(image, 5, 13), SchemeColor(kColorBackground));
    EXPECT_EQ(PixelColor(image, 12, 5), SchemeColor(kColorSelection));
    EXPECT_EQ(PixelColor(image, 13, 5), SchemeColor(kColorBackground));
    EXPECT_EQ(canvas.Pen().Color, 0x123456u); // the pen is kept
    EXPECT_EQ(canvas.Pen().Width, 4);
}

TEST_F(DrawingHelpers, APairOfLinesSpansTheArea)
{
    QImage image = BlackImage(60, 50);
    CCanvas canvas(image);
    DrawXorCursor(canvas, kXorVerticalPair, {0, 0, 60, 50}, {}, {10, 12, 40, 33});
    EXPECT_TRUE(IsSet(image, 10, 0));
    EXPECT_TRUE(IsSet(image, 40, 49));
    EXPECT_FALSE(IsSet(image, 25, 20));
    EXPECT_EQ(SetPixels(image).size(), 2u * 50);
}

} // namespace
