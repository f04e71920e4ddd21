#include "CanvasTestSupport.h"
#include "view/canvas/Canvas.h"
#include "view/chart/SmithGeometry.h"
#include "view/chart/SmithGrid.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr TColor kWhite = 0xFFFFFF;
const TRect kChart{0, 0, 400, 400};

QImage GridImage(ViewState& view, int mode, const TRect& clip = kChart)
{
    view.SmithGrid = mode;
    view.SmithRect = SmithSquare(view, kChart);
    QImage image = BlackImage(kChart.right, kChart.bottom);
    CCanvas canvas(image);
    canvas.SetPenColor(kWhite);
    DrawSmithGrid(canvas, view, clip);
    return image;
}

// Whether a pixel is set within one pixel of the given place: mirrored
// dots are truncated on the other side of the centre.
bool SetNear(const QImage& image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int px = x + dx;
            const int py = y + dy;
            if (px >= 0 && py >= 0 && px < image.width() && py < image.height() && IsSet(image, px, py)) return true;
        }
    }
    return false;
}

TEST(SmithGrid, DrawsTheCircleAndTheRealAxisInEveryMode)
{
    for (const int mode : {0, 1, 2, 3, 7}) {
        ViewState view;
        const QImage image = GridImage(view, mode);
        const TPoint center = *GammaToPoint(view, 0, 0);
        for (int x = view.SmithRect.left; x < view.SmithRect.right; x += 8) {
            EXPECT_TRUE(IsSet(image, x, center.y)) << "mode " << mode << " x " << x;
        }
        EXPECT_TRUE(IsSet(image, view.SmithRect.left, center.y - 1) || IsSet(image, view.SmithRect.left, center.y + 1));
        EXPECT_TRUE(IsSet(image, center.x, view.SmithRect.top) || IsSet(image, center.x + 1, view.SmithRect.top));
    }
}

TEST(SmithGrid, AnUnknownModeDrawsOnlyTheCircleAndTheRealAxis)
{
    ViewState view;
    const QImage bare = GridImage(view, 7);
    const QImage impedance = GridImage(view, 0);
    for (const TPoint& p : SetPixels(bare)) ASSERT_TRUE(IsSet(impedance, p.x, p.y)) << p.x << "," << p.y;
    EXPECT_GT(SetPixels(impedance).size(), SetPixels(bare).size() + 300);
    // The circle covers the square's columns and rows left .. right - 1.
    const TRect& square = view.SmithRect;
    EXPECT_TRUE(AllSetPixelsWithin(bare, square));
    const int middle = (square.top + square.bottom) / 2;
    EXPECT_TRUE(SetNear(bare, square.right - 1, middle));
    EXPECT_TRUE(SetNear(bare, middle, square.bottom - 1));
}

TEST(SmithGrid, TheAdmittanceGridMirrorsTheImpedanceGrid)
{
    ViewState view;
    const QImage impedance = GridImage(view, 0);
    const QImage admittance = GridImage(view, 1);
    const int twiceCenterX = 2 * GammaToPoint(view, 0, 0)->x;
    int dots = 0;
    for (const TPoint& p : SetPixels(admittance)) {
        EXPECT_TRUE(SetNear(impedance, twiceCenterX - p.x, p.y)) << p.x << "," << p.y;
        ++dots;
    }
    EXPECT_GT(dots, 1000);
}

TEST(SmithGrid, MagnitudeAndPolarGridsDrawTheImaginaryAxis)
{
    for (const int mode : {2, 3}) {
        ViewState view;
        const QImage image = GridImage(view, mode);
        const TPoint center = *GammaToPoint(view, 0, 0);
        for (int y = view.SmithRect.top; y < view.SmithRect.bottom; y += 8) {
            EXPECT_TRUE(IsSet(image, center.x, y)) << "mode " << mode << " y " << y;
        }
    }
    ViewState view;
    const QImage impedance = GridImage(view, 0);
    const TPoint center = *GammaToPoint(view, 0, 0);
    EXPECT_FALSE(IsSet(impedance, center.x, view.SmithRect.top + 40));
}

TEST(SmithGrid, PolarGridIsSymmetricAboutBothAxes)
{
    ViewState view;
    const QImage image = GridImage(view, 3);
    const TPoint center = *GammaToPoint(view, 0, 0);
    for (const TPoint& p : SetPixels(image)) {
        ASSERT_TRUE(SetNear(image, 2 * center.x - p.x, p.y)) << p.x << "," << p.y;
        ASSERT_TRUE(SetNear(image, p.x, 2 * center.y - p.y)) << p.x << "," << p.y;
    }
    // The Gamma circle of 0.5 crosses the real axis, where the impedance
    // grid has no dot.
    const TPoint half = *GammaToPoint(view, 0.5, 0);
    EXPECT_TRUE(IsSet(image, half.x, half.y));
    EXPECT_FALSE(IsSet(GridImage(view, 0), half.x, half.y));
}

TEST(SmithGrid, ASquareLargerThanThePaneIsClippedToIt)
{
    ViewState view;
    view.SmithScale = 0.5;
    const TRect pane{50, 60, 350, 340};
    const QImage image = GridImage(view, 0, pane);
    EXPECT_GT(SetPixels(image).size(), 100u);
    EXPECT_TRUE(AllSetPixelsWithin(image, pane));
}

TEST(SmithGrid, TheClipIsRemovedAfterwards)
{
    ViewState view;
    view.SmithRect = SmithSquare(view, kChart);
    QImage image = BlackImage(400, 400);
    CCanvas canvas(image);
    canvas.SetPenColor(kWhite);
    DrawSmithGrid(canvas, view, {100, 100, 200, 200});
    canvas.SetPixel(5, 5, kWhite);
    EXPECT_TRUE(IsSet(image, 5, 5));
}

TEST(SmithGrid, AnEmptySquareDrawsNothing)
{
    ViewState view;
    view.SmithRect = {200, 200, 200, 200};
    QImage image = BlackImage(400, 400);
    CCanvas canvas(image);
    canvas.SetPenColor(kWhite);
    for (const int mode : {0, 1, 2, 3}) {
        view.SmithGrid = mode;
        DrawSmithGrid(canvas, view, kChart);
    }
    view.SmithRect = {200, 200, 300, 200};
    DrawSmithGrid(canvas, view, kChart);
    EXPECT_TRUE(SetPixels(image).empty());
}

TEST(SmithGrid, TheLargestZoomDrawsOnlyWhatThePaneShows)
{
    ViewState view;
    view.SmithScale = 0;
    view.SmithX = 0.99; // the right end of the real axis in the middle
    const QImage image = GridImage(view, 0, {0, 0, 400, 400});
    EXPECT_GT(SetPixels(image).size(), 20u);
}

} // namespace
