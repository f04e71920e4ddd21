#include "CanvasTestSupport.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/LineRuns.h"
#include "view/canvas/PenFootprint.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr TColor kWhite = 0xFFFFFF;

struct Segment {
    TPoint from;
    TPoint to;
};

// The same line drawn pixel by pixel by the canvas and as runs.
void ExpectRunsCoverTheCanvasLine(const Segment& s, int size)
{
    QImage walked = BlackImage(size, size);
    QImage runs = BlackImage(size, size);
    {
        CCanvas canvas(walked);
        canvas.SetPenColor(kWhite);
        canvas.MoveTo(s.from.x, s.from.y);
        canvas.LineTo(s.to.x, s.to.y);
    }
    int columnRuns = 0;
    int rowRuns = 0;
    {
        CCanvas canvas(runs);
        canvas.SetPenColor(kWhite);
        ForEachLineRun(
            s.from, s.to, LineEnd::Excluded,
            [&](int x, int top, int bottom) {
                ASSERT_LE(top, bottom);
                ++columnRuns;
                canvas.PaintVerticalRun(x, top, bottom);
            },
            [&](int y, int left, int right) {
                ASSERT_LE(left, right);
                ++rowRuns;
                canvas.PaintHorizontalRun(y, left, right);
            });
    }
    ASSERT_EQ(runs, walked) << s.from.x << "," << s.from.y << " -> " << s.to.x << "," << s.to.y;
    // One run per column of a steep line, per row of a shallow one.
    const int dx = std::abs(s.to.x - s.from.x);
    const int dy = std::abs(s.to.y - s.from.y);
    EXPECT_LE(columnRuns + rowRuns, std::min(dx, dy) + 1);
}

TEST(LineRuns, RunsSetTheSamePixelsAsTheCanvasLineInEveryDirection)
{
    for (int dx = -30; dx <= 30; ++dx) {
        for (int dy = -30; dy <= 30; ++dy) ExpectRunsCoverTheCanvasLine({{32, 32}, {32 + dx, 32 + dy}}, 64);
    }
}

TEST(LineRuns, LongLinesAndLinesLeavingTheImageMatchToo)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-300, 500);
    for (int i = 0; i < 3000; ++i) {
        ExpectRunsCoverTheCanvasLine({{coordinate(random), coordinate(random)}, {coordinate(random), coordinate(random)}},
                                     200);
    }
    ExpectRunsCoverTheCanvasLine({{100, -4000}, {101, 8000}}, 200);
    ExpectRunsCoverTheCanvasLine({{-4000, 150}, {8000, 149}}, 200);
}

TEST(LineRuns, AnIncludedEndAddsTheEndPixelOnly)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coordinate(0, 39);
    for (int i = 0; i < 500; ++i) {
        const TPoint from{coordinate(random), coordinate(random)};
        const TPoint to{coordinate(random), coordinate(random)};
        QImage expected = BlackImage(40, 40);
        QImage included = BlackImage(40, 40);
        {
            CCanvas canvas(expected);
            canvas.SetPenColor(kWhite);
            canvas.MoveTo(from.x, from.y);
            canvas.LineTo(to.x, to.y);
            canvas.SetPixel(to.x, to.y, kWhite);
        }
        CCanvas canvas(included);
        canvas.SetPenColor(kWhite);
        ForEachLineRun(
            from, to, LineEnd::Included, [&](int x, int top, int bottom) { canvas.PaintVerticalRun(x, top, bottom); },
            [&](int y, int left, int right) { canvas.PaintHorizontalRun(y, left, right); });
        ASSERT_EQ(included, expected);
    }
}

TEST(LineRuns, AWindowCutsTheRunsWithoutMovingThem)
{
    std::mt19937 random(13);
    std::uniform_int_distribution<int> coordinate(-3000, 3000);
    std::uniform_int_distribution<int> edge(0, 60);
    for (int i = 0; i < 3000; ++i) {
        const TPoint from{coordinate(random) / (i % 3 + 1), coordinate(random) / (i % 3 + 1)};
        const TPoint to{coordinate(random) / (i % 5 + 1), coordinate(random) / (i % 5 + 1)};
        const int left = edge(random);
        const int top = edge(random);
        const RunWindow window{left, left + edge(random), top, top + edge(random)};
        QImage whole = BlackImage(130, 130);
        QImage cut = BlackImage(130, 130);
        CCanvas wholeCanvas(whole);
        wholeCanvas.SetPenColor(kWhite);
        wholeCanvas.SetClipRect({window.firstColumn, window.firstRow, window.lastColumn + 1, window.lastRow + 1});
        CCanvas cutCanvas(cut);
        cutCanvas.SetPenColor(kWhite);
        const LineEnd end = i % 2 ? LineEnd::Included : LineEnd::Excluded;
        ForEachLineRun(
            from, to, end, [&](int x, int t, int b) { wholeCanvas.PaintVerticalRun(x, t, b); },
            [&](int y, int l, int r) { wholeCanvas.PaintHorizontalRun(y, l, r); });
        ForEachLineRun(
            from, to, end, window,
            [&](int x, int t, int b) {
                ASSERT_TRUE(x >= window.firstColumn && x <= window.lastColumn && t >= window.firstRow &&
                            b <= window.lastRow);
                cutCanvas.PaintVerticalRun(x, t, b);
            },
            [&](int y, int l, int r) {
                ASSERT_TRUE(y >= window.firstRow && y <= window.lastRow && l >= window.firstColumn &&
                            r <= window.lastColumn);
                cutCanvas.PaintHorizontalRun(y, l, r);
            });
        ASSERT_EQ(cut, whole) << from.x << "," << from.y << " -> " << to.x << "," << to.y;
    }
}

TEST(LineRuns, LinesLongerThanAnIntSpanAreCutExactly)
{
    // The far end lies beyond the range of 32-bit products; the window keeps
    // the part near the start, which must match a short line's pixels.
    const RunWindow window{0, 99, 0, 99};
    std::vector<TPoint> farRuns;
    std::vector<TPoint> nearRuns;
    const auto record = [](std::vector<TPoint>& runs) {
        return [&runs](int line, int a, int b) {
            for (int v = a; v <= b; ++v) runs.push_back({line, v});
        };
    };
    ForEachLineRun({10, 20}, {INT_MAX, INT_MAX - 5}, LineEnd::Excluded, window, record(farRuns), record(farRuns));
    ForEachLineRun({10, 20}, {110, 120}, LineEnd::Excluded, window, record(nearRuns), record(nearRuns));
    EXPECT_EQ(farRuns, nearRuns);
    EXPECT_EQ(farRuns.size(), 80u); // the pixels from (10, 20) to the window's bottom edge
}

std::vector<std::string> FootprintPicture(int width)
{
    const PenFootprint footprint(width);
    const int size = footprint.High() - footprint.Low() + 1;
    std::vector<std::string> rows(static_cast<size_t>(size), std::string(static_cast<size_t>(size), '.'));
    footprint.WidenColumnRun(0, 0, 0, [&](int x, int top, int bottom) {
        for (int y = top; y <= bottom; ++y) {
            rows[static_cast<size_t>(y - footprint.Low())][static_cast<size_t>(x - footprint.Low())] = '#';
        }
    });
    return rows;
}

TEST(PenFootprint, IsARoundDiscAsWideAsThePen)
{
    EXPECT_EQ(FootprintPicture(2), (std::vector<std::string>{"##", "##"}));
    EXPECT_EQ(FootprintPicture(3), (std::vector<std::string>{"###", "###", "###"}));
    EXPECT_EQ(FootprintPicture(5), (std::vector<std::string>{".###.", "#####", "#####", "#####", ".###."}));
    const PenFootprint even(4);
    EXPECT_EQ(even.Low(), -2);
    EXPECT_EQ(even.High(), 1);
}

TEST(PenFootprint, WideningARowRunMatchesWideningItsPixels)
{
    const PenFootprint footprint(7);
    QImage byRow = BlackImage(40, 40);
    QImage byPixel = BlackImage(40, 40);
    CCanvas rowCanvas(byRow);
    rowCanvas.SetPenColor(kWhite);
    footprint.WidenRowRun(20, 10, 25, [&](int y, int l, int r) { rowCanvas.PaintHorizontalRun(y, l, r); });
    CCanvas pixelCanvas(byPixel);
    pixelCanvas.SetPenColor(kWhite);
    for (int x = 10; x <= 25; ++x) {
        footprint.WidenColumnRun(x, 20, 20, [&](int cx, int t, int b) { pixelCanvas.PaintVerticalRun(cx, t, b); });
    }
    EXPECT_EQ(byRow, byPixel);
}

} // namespace
