#pragma once

#include "view/canvas/FullCells.h"
#include "view/canvas/LineRuns.h"
#include "view/document/PixelTypes.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <vector>

// The path pixels a plotter has gathered in its present colour, kept so that
// the parts of lines and the symbols that would only paint painted pixels
// again can be passed over: on a dense chart nearly all of them. Pixels are
// kept in tiles of 8 x 8 (a machine word each); which tiles are full, and
// which squares of 4 x 4 tiles, is kept beside them. A long line over a
// painted area is checked a square at a time, or by the rectangles of
// squares around its halves, then a tile at a time, and its own pixels are
// walked only in tiles that are not full. Pixels outside the window count as
// painted: nothing of them reaches the paint area.
class PaintedCover {
public:
    explicit PaintedCover(const RunWindow& window);

    void AddColumnRun(int x, int top, int bottom);
    void AddRowRun(int y, int left, int right);
    // paint(y, left, right) for each run of gathered pixels along a row, row
    // by row; then forgets every pixel, since the next colour paints over
    // the last one's.
    template <typename Paint>
    void Flush(Paint&& paint);

    // Whether every pixel of the rectangle, edges included, is painted.
    bool Covers(int left, int top, int right, int bottom) const;

    // Gathers the pixels of a one-pixel line as LineRuns.h steps them,
    // passing over its parts in full cells. In the tiles it reaches, the
    // line's pixels are set and checked in one walk, a tile at a time: on
    // a chart that fills up, most of them are painted already, and a walk
    // that makes runs first pays for each of them.
    void AddLine(TPoint from, TPoint to, LineEnd end);

private:
    static constexpr int kShift = 3; // tiles are 8 x 8 pixels
    static constexpr int kSquareShift = kShift + 2; // squares are 4 x 4 tiles
    static constexpr int kSquareTiles = 1 << (kSquareShift - kShift);
    static constexpr std::uint64_t kFull = ~std::uint64_t{0};

    static std::uint64_t RowBits(int r0, int r1) { return (kFull << (8 * r0)) & (kFull >> (8 * (7 - r1))); }
    static std::uint64_t ColumnBits(int c0, int c1) { return (0xFFu << c0) & (0xFFu >> (7 - c1)); }
    static constexpr std::uint64_t kColumn0 = 0x0101010101010101ULL;

    // The bits of tile (tx, ty) set from the start: its pixels beyond the
    // window's edge. Inline, since every tile that gains pixels asks.
    std::uint64_t Padding(int tx, int ty) const
    {
        if (tx < tilesWide_ - 1 && ty < tilesHigh_ - 1) return 0;
        return EdgePadding(tx, ty);
    }
    std::uint64_t EdgePadding(int tx, int ty) const;
    void Clear();
    void Or(int tx, int ty, std::uint64_t bits)
    {
        const std::size_t i = static_cast<std::size_t>(ty) * tilesWide_ + tx;
        const std::uint64_t old = tiles_[i];
        const std::uint64_t now = old | bits;
        if (now == old) return;
        if (old == Padding(tx, ty)) touchedTiles_.push_back(i);
        tiles_[i] = now;
        if (now == kFull) TileFull(tx, ty);
    }
    void TileFull(int tx, int ty);

    // The state of one line's walk: window-relative major coordinates, and
    // the closed form of LineRuns.h for its minor ones.
    struct LineWalk {
        long long major0;
        long long minor0; // window-relative
        long long minorStep;
        double slope;
        long long minorSize;
        long long dMajor;
        long long dMinor;
        long long majorStep;
        long long last; // the last pixel drawn: dMajor, or one less without the end pixel
    };
    // The window-relative minor range of the pixels at major a .. b; false
    // when it lies outside the window. Computed in floating point, the
    // bounds may be a pixel wider than the line's.
    static bool MinorRange(const LineWalk& walk, long long a, long long b, long long& m0, long long& m1);
    // Sets the line's own pixels at major a .. b, a tile at a time; a tile
    // whose bits hold them all already is left alone.
    template <bool Steep>
    void AddPixels(const LineWalk& walk, long long a, long long b);
    // The line at major a .. b, cells of 2^Shift pixels along the major
    // axis at a time, the lines of cells across it in `full`: descend(c, d)
    // for each stretch c .. d of cells one after the other not all full.
    // Whether a cell is full is a coin toss on a chart that fills up, so
    // up to 64 of them are checked into bits first and only the bits
    // branch.
    template <int Shift, typename Descend>
    static void WalkCells(const LineWalk& walk, long long a, long long b, const FullCellLines& full,
                          Descend&& descend);
    // The line at major a .. b through squares and tiles, passing over the
    // full ones; AddPixels for the rest.
    template <bool Steep>
    void WalkSquares(const LineWalk& walk, long long a, long long b);
    template <bool Steep>
    void WalkTiles(const LineWalk& walk, long long a, long long b);

    RunWindow window_;
    int width_ = 0;
    int height_ = 0;
    int tilesWide_ = 0;
    int tilesHigh_ = 0;
    std::vector<std::uint64_t> tiles_;
    std::vector<std::size_t> touchedTiles_;
    FullCellGrid fullTiles_;
    // The squares: how many of their tiles are full and how many they have
    // (fewer at the window's edge), and the full ones.
    int squaresWide_ = 0;
    int squaresHigh_ = 0;
    std::vector<unsigned char> fullTilesInSquare_;
    std::vector<unsigned char> tilesInSquare_;
    FullCellGrid fullSquares_;
    FullCellCounts fullSquareCounts_;
};

template <typename Paint>
void PaintedCover::Flush(Paint&& paint)
{
    // Tiles in row-major order, so that a row's runs continue from tile to
    // tile.
    std::sort(touchedTiles_.begin(), touchedTiles_.end());
    std::size_t first = 0;
    while (first < touchedTiles_.size()) {
        const int ty = static_cast<int>(touchedTiles_[first] / tilesWide_);
        std::size_t end = first;
        while (end < touchedTiles_.size() && static_cast<int>(touchedTiles_[end] / tilesWide_) == ty) ++end;
        for (int r = 0; r < 8; ++r) {
            int runLo = 0;
            int runHi = -2;
            for (std::size_t k = first; k < end; ++k) {
                const int tx = static_cast<int>(touchedTiles_[k] % tilesWide_);
                const std::uint64_t real = tiles_[touchedTiles_[k]] & ~Padding(tx, ty);
                unsigned bits = static_cast<unsigned>(real >> (8 * r)) & 0xFFu;
                while (bits != 0) {
                    const int a = std::countr_zero(bits);
                    const int b = a + std::countr_one(bits >> a) - 1;
                    bits &= ~((0xFFu >> (7 - b)) & (0xFFu << a));
                    const int lo = tx * 8 + a;
                    const int hi = tx * 8 + b;
                    if (lo == runHi + 1) {
                        runHi = hi;
                        continue;
                    }
                    if (runHi >= runLo) paint(window_.firstRow + ty * 8 + r, window_.firstColumn + runLo, window_.firstColumn + runHi);
                    runLo = lo;
                    runHi = hi;
                }
            }
            if (runHi >= runLo) paint(window_.firstRow + ty * 8 + r, window_.firstColumn + runLo, window_.firstColumn + runHi);
        }
        first = end;
    }
    Clear();
}

inline bool PaintedCover::MinorRange(const LineWalk& walk, long long a, long long b, long long& m0, long long& m1)
{
    const double na = static_cast<double>(a < walk.major0 ? walk.major0 - a : a - walk.major0);
    const double nb = static_cast<double>(b < walk.major0 ? walk.major0 - b : b - walk.major0);
    // floor(n * slope + 0.5) of LineRuns.h. In floating point it is off by
    // far less than kSlack for lines shorter than 2^30 pixels, so it is
    // taken on both sides of the slack: exact unless the value lies next
    // to a whole number, one wider there.
    constexpr double kSlack = 1e-6;
    const long long c0 = static_cast<long long>(std::min(na, nb) * walk.slope + (0.5 - kSlack));
    const long long c1 = static_cast<long long>(std::max(na, nb) * walk.slope + (0.5 + kSlack));
    const long long e0 = walk.minor0 + walk.minorStep * c0;
    const long long e1 = walk.minor0 + walk.minorStep * c1;
    m0 = std::max(std::min(e0, e1), 0LL);
    m1 = std::min(std::max(e0, e1), walk.minorSize - 1);
    return m0 <= m1;
}

template <bool Steep>
void PaintedCover::AddPixels(const LineWalk& walk, long long a, long long b)
{
    // Pixel n of the line is at minor step floor((2 n dMinor + dMajor) /
    // (2 dMajor)) (LineRuns.h); the walk goes along n, which runs against
    // the major coordinates when the line goes toward smaller ones.
    const long long na = (a - walk.major0) * walk.majorStep;
    const long long nb = (b - walk.major0) * walk.majorStep;
    const long long first = std::max(std::min(na, nb), 0LL);
    const long long last = std::min(std::max(na, nb), walk.last);
    const long long twiceMajor = 2 * walk.dMajor;
    // The quotient from the slope, made exact by the remainder: a multiply
    // instead of a division.
    const long long numerator = 2 * first * walk.dMinor + walk.dMajor;
    long long c = static_cast<long long>(static_cast<double>(first) * walk.slope + 0.5);
    long long remainder = numerator - c * twiceMajor;
    while (remainder < 0) {
        --c;
        remainder += twiceMajor;
    }
    while (remainder >= twiceMajor) {
        ++c;
        remainder -= twiceMajor;
    }
    // The walk goes a tile along the major axis at a time: there the line
    // reaches over one tile along the minor one, or two next to each other,
    // and its pixels are gathered for both without a branch.
    const long long minorSize = walk.minorSize;
    const auto put = [&](long long tileMinor, long long tileMajor, std::uint64_t bits) {
        if (bits == 0) return;
        const int tx = static_cast<int>(Steep ? tileMinor : tileMajor);
        const int ty = static_cast<int>(Steep ? tileMajor : tileMinor);
        if ((tiles_[static_cast<std::size_t>(ty) * tilesWide_ + tx] & bits) != bits) Or(tx, ty, bits);
    };
    bool entered = false;
    long long minor = walk.minor0 + walk.minorStep * c;
    long long major = walk.major0 + walk.majorStep * first;
    const long long twiceMinor = 2 * walk.dMinor;
    const long long minorStep = walk.minorStep;
    const long long majorStep = walk.majorStep;
    const long long carryFrom = twiceMajor - twiceMinor;
    const long long carryStep = twiceMinor - twiceMajor;
    const int majorShift = Steep ? 3 : 0; // a step along the major axis moves the bit this far
    const int minorShift = Steep ? 0 : 3;
    for (long long n = first; n <= last;) {
        const long long groupLast = std::min(last, n + (walk.majorStep > 0 ? 7 - (major & 7) : (major & 7)));
        const long long tileMajor = major >> kShift;
        const long long tileMinor = minor >> kShift;
        std::uint64_t near = 0; // the pixels in tile tileMinor
        std::uint64_t next = 0; // in the one after it along the minor step
        for (; n <= groupLast; ++n) {
            const int position = (static_cast<int>(major & 7) << majorShift) + (static_cast<int>(minor & 7) << minorShift);
            const std::uint64_t bit = static_cast<std::uint64_t>(static_cast<unsigned long long>(minor) <
                                                                 static_cast<unsigned long long>(minorSize))
                                      << position;
            const std::uint64_t inNear = ~std::uint64_t{0} * static_cast<std::uint64_t>((minor >> kShift) == tileMinor);
            near |= bit & inNear;
            next |= bit & ~inNear;
            // Whether the minor coordinate moves is a coin toss along a
            // line: worked out, not branched on, and the remainder's next
            // value picked from two made ahead.
            major += majorStep;
            const bool carry = remainder >= carryFrom;
            minor += minorStep & -static_cast<long long>(carry);
            remainder = carry ? remainder + carryStep : remainder + twiceMinor;
        }
        // The minor coordinate only ever moves one way: once out of the
        // window after being in, the line stays out.
        if ((near | next) == 0 && entered) break;
        entered = entered || (near | next) != 0;
        put(tileMinor, tileMajor, near);
        put(tileMinor + walk.minorStep, tileMajor, next);
    }
}

template <int Shift, typename Descend>
void PaintedCover::WalkCells(const LineWalk& walk, long long a, long long b, const FullCellLines& full,
                             Descend&& descend)
{
    for (long long firstCell = a >> Shift; firstCell <= b >> Shift; firstCell += 64) {
        const long long lastCell = std::min(b >> Shift, firstCell + 63);
        std::uint64_t open = 0;
        for (long long cell = firstCell; cell <= lastCell; ++cell) {
            long long m0 = 0, m1 = 0;
            const bool inside =
                MinorRange(walk, std::max(a, cell << Shift), std::min(b, ((cell + 1) << Shift) - 1), m0, m1);
            // A stretch outside the window is covered; it is checked at
            // cell 0 so as to read inside the bits.
            const long long lo = inside ? m0 >> Shift : 0;
            const long long hi = inside ? m1 >> Shift : 0;
            const bool covered = !inside || full.AllFull(cell, lo, hi);
            open |= static_cast<std::uint64_t>(!covered) << (cell - firstCell);
        }
        while (open != 0) {
            const int first = std::countr_zero(open);
            const int count = std::countr_one(open >> first);
            descend(std::max(a, (firstCell + first) << Shift), std::min(b, ((firstCell + first + count) << Shift) - 1));
            open = count + first >= 64 ? 0 : open & (kFull << (first + count));
        }
    }
}

template <bool Steep>
void PaintedCover::WalkTiles(const LineWalk& walk, long long a, long long b)
{
    WalkCells<kShift>(walk, a, b, Steep ? fullTiles_.InRows() : fullTiles_.InColumns(),
                      [this, &walk](long long c, long long d) { AddPixels<Steep>(walk, c, d); });
}

template <bool Steep>
void PaintedCover::WalkSquares(const LineWalk& walk, long long a, long long b)
{
    long long m0 = 0, m1 = 0;
    if (!MinorRange(walk, a, b, m0, m1)) return;
    const long long major0 = a >> kSquareShift, major1 = b >> kSquareShift;
    const long long minor0 = m0 >> kSquareShift, minor1 = m1 >> kSquareShift;
    if (Steep ? fullSquareCounts_.AllFull(minor0, minor1, major0, major1)
              : fullSquareCounts_.AllFull(major0, major1, minor0, minor1)) {
        return;
    }
    // A short stretch goes a square at a time; a long one in halves split
    // at a square's edge: on a chart that fills up, most of a long line
    // lies on full squares, and the parts that do not are found in a few
    // halvings.
    constexpr int kShortest = 8;
    if (major1 - major0 < kShortest) {
        WalkCells<kSquareShift>(walk, a, b, Steep ? fullSquares_.InRows() : fullSquares_.InColumns(),
                                [this, &walk](long long c, long long d) { WalkTiles<Steep>(walk, c, d); });
        return;
    }
    const long long middle = (((a + b) / 2) >> kSquareShift) << kSquareShift;
    WalkSquares<Steep>(walk, a, middle - 1);
    WalkSquares<Steep>(walk, middle, b);
}
