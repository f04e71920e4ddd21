#include "CanvasTestSupport.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/LineRuns.h"
#include "view/canvas/PenFootprint.h"
#include "view/canvas/ShortLinePixels.h"

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

// Every short line in every direction, from columns on both sides of a word
// boundary of the bits, gathered together: one flush paints the union of
// their runs, row runs that go on from one word into the next included.
TEST(ShortLinePixels, FlushPaintsThePixelsOfTheLineRunsOfAllLinesAdded)
{
    for (const LineEnd end : {LineEnd::Excluded, LineEnd::Included}) {
        QImage expected = BlackImage(200, 60);
        QImage gathered = BlackImage(200, 60);
        CCanvas byRuns(expected);
        CCanvas byBits(gathered);
        byRuns.SetPenColor(kWhite);
        byBits.SetPenColor(kWhite);
        ShortLinePixels pixels(RunWindow{10, 189, 5, 54});
        for (int dx = -15; dx <= 15; ++dx) {
            for (int dy = -15; dy <= 15; ++dy) {
                const TPoint from{(dx + dy) % 2 == 0 ? 60 : 130, 30};
                const TPoint to{from.x + dx, from.y + dy};
                ASSERT_TRUE(pixels.Holds(from, to));
                pixels.AddLine(from, to, end);
                ForEachLineRun(
                    from, to, end, [&](int x, int top, int bottom) { byRuns.PaintVerticalRun(x, top, bottom); },
                    [&](int y, int left, int right) { byRuns.PaintHorizontalRun(y, left, right); });
            }
        }
        // A row run across a whole word and beyond.
        pixels.AddLine({20, 8}, {20 + 15, 8}, end);
        pixels.AddLine({35, 8}, {50, 8}, end);
        pixels.AddLine({50, 8}, {65, 8}, end);
        pixels.AddLine({65, 8}, {80, 8}, end);
        byRuns.PaintHorizontalRun(8, 20, end == LineEnd::Included ? 80 : 79);
        pixels.Flush([&](int y, int left, int right) { byBits.PaintHorizontalRun(y, left, right); });
        EXPECT_EQ(SetPixels(gathered), SetPixels(expected)) << (end == LineEnd::Included ? "included" : "excluded");
        // The flush forgets every pixel.
        QImage after = BlackImage(200, 60);
        CCanvas again(after);
        pixels.Flush([&](int y, int left, int right) { again.PaintHorizontalRun(y, left, right); });
        EXPECT_TRUE(SetPixels(after).empty());
    }
}

// Only a line whose ends both lie in the window is held.
TEST(ShortLinePixels, HoldsOnlyLinesInsideTheWindow)
{
    const ShortLinePixels pixels(RunWindow{0, 99, 0, 49});
    EXPECT_TRUE(pixels.Holds({0, 0}, {99, 49}));
    EXPECT_FALSE(pixels.Holds({0, 0}, {100, 10}));
    EXPECT_FALSE(pixels.Holds({-1, 5}, {10, 10}));
    EXPECT_FALSE(pixels.Holds({5, 5}, {10, 50}));
    EXPECT_FALSE(pixels.Holds({5, -1}, {10, 10}));
}

} // namespace
