#pragma once

#include "view/canvas/LineRuns.h"
#include "view/document/PixelTypes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <vector>

// The path pixels a plotter has gathered in its present colour, kept so that
// the parts of lines and the symbols that would only paint painted pixels
// again can be passed over: on a dense chart nearly all of them. Pixels are
// kept in tiles of 8 x 8 (a machine word each); tiles in blocks of 8 x 8
// tiles and blocks in areas of 8 x 8 blocks count their full parts. A long
// line over a painted area is checked a block (64 pixels) at a time, then a
// tile at a time, and its own pixels only in tiles that are not full; a
// symbol also by its areas. Pixels outside the window count as painted:
// nothing of them reaches the paint area.
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
    static constexpr int kLevels = 3;
    static constexpr int kShift = 3; // each level's cells are 8 x 8 of the one below
    static constexpr std::uint64_t kFull = ~std::uint64_t{0};

    // The cells of one level above the tiles: for each, a bit per part (the
    // parts are 8 x 8, row by row) that is set when the part is full. Parts
    // beyond the window's edge are set from the start, as padding.
    struct Level {
        int wide = 0;
        int high = 0;
        std::vector<std::uint64_t> full;
        std::vector<std::uint64_t> padding;
        std::vector<std::size_t> touched;
    };

    static std::uint64_t RowBits(int r0, int r1) { return (kFull << (8 * r0)) & (kFull >> (8 * (7 - r1))); }
    static std::uint64_t ColumnBits(int c0, int c1) { return (0xFFu << c0) & (0xFFu >> (7 - c1)); }
    static constexpr std::uint64_t kColumn0 = 0x0101010101010101ULL;

    std::uint64_t Padding(int tx, int ty) const;
    void Clear();
    void Or(int tx, int ty, std::uint64_t bits);
    // A part of level - 1 became full: its bit in level `level`.
    void MarkFull(int level, int partX, int partY);
    // Whether cell (cx, cy) of a level (0: tiles) is full, from its bit in
    // the level above.
    bool PartFull(int level, int cx, int cy) const
    {
        const Level& above = levels_[static_cast<std::size_t>(level + 1)];
        const std::uint64_t bits = above.full[static_cast<std::size_t>(cy >> kShift) * above.wide + (cx >> kShift)];
        return (bits >> (8 * (cy & 7) + (cx & 7))) & 1;
    }
    // Whether every cell of a level (0: tiles) over the window-relative pixel
    // ranges is full, from the bits of the level above.
    bool LevelCovers(int level, int x0, int x1, int y0, int y1) const;

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
    // bounds are widened by a pixel on each side.
    static bool MinorRange(const LineWalk& walk, long long a, long long b, long long& m0, long long& m1);
    // Sets the line's own pixels at major a .. b, a tile at a time; a tile
    // whose bits hold them all already is left alone.
    template <bool Steep>
    void AddPixels(const LineWalk& walk, long long a, long long b);
    // The line at major a .. b a tile along the major axis at a time, and a
    // block at a time, passing over the full ones.
    template <bool Steep>
    void WalkTiles(const LineWalk& walk, long long a, long long b);
    template <bool Steep>
    void WalkBlocks(const LineWalk& walk, long long a, long long b);
    // Whether bits lo .. hi of a row of words are all set.
    static bool AllSet(const std::uint64_t* words, int lo, int hi)
    {
        if ((lo >> 6) == (hi >> 6)) {
            const std::uint64_t mask = (kFull << (lo & 63)) & (kFull >> (63 - (hi & 63)));
            return (words[lo >> 6] & mask) == mask;
        }
        for (int w = lo >> 6; w <= hi >> 6; ++w) {
            const std::uint64_t mask = (kFull << (std::max(lo - 64 * w, 0))) & (kFull >> (63 - std::min(hi - 64 * w, 63)));
            if ((words[w] & mask) != mask) return false;
        }
        return true;
    }

    RunWindow window_;
    int width_ = 0;
    int height_ = 0;
    int tilesWide_ = 0;
    int tilesHigh_ = 0;
    std::vector<std::uint64_t> tiles_;
    std::vector<std::size_t> touchedTiles_;
    // [1] blocks, [2] areas, [3] the whole window; [0] unused: tiles are
    // words of their own.
    std::array<Level, kLevels + 1> levels_;
    // The full blocks again, a bit per block along each row of blocks and
    // along each column of them: a long line checks the blocks it crosses
    // in one row (steep) or column (shallow) in a compare.
    std::size_t blockRowWords_ = 0;
    std::size_t blockColumnWords_ = 0;
    std::vector<std::uint64_t> fullInBlockRow_;
    std::vector<std::uint64_t> fullInBlockColumn_;
    int fullBlocks_ = 0;
};

inline bool PaintedCover::LevelCovers(int level, int x0, int x1, int y0, int y1) const
{
    const int shift = kShift * (level + 1);
    const int cx0 = x0 >> shift, cx1 = x1 >> shift, cy0 = y0 >> shift, cy1 = y1 >> shift;
    const Level& above = levels_[static_cast<std::size_t>(level + 1)];
    for (int py = cy0 >> kShift; py <= cy1 >> kShift; ++py) {
        const std::uint64_t rows = RowBits(std::max(cy0 - 8 * py, 0), std::min(cy1 - 8 * py, 7));
        for (int px = cx0 >> kShift; px <= cx1 >> kShift; ++px) {
            const std::uint64_t mask = rows & (ColumnBits(std::max(cx0 - 8 * px, 0), std::min(cx1 - 8 * px, 7)) * kColumn0);
            if ((above.full[static_cast<std::size_t>(py) * above.wide + px] & mask) != mask) return false;
        }
    }
    return true;
}

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
    // floor(n * slope + 0.5) of LineRuns.h, within one either way.
    const long long c0 = static_cast<long long>(std::min(na, nb) * walk.slope + 0.5) - 1;
    const long long c1 = static_cast<long long>(std::max(na, nb) * walk.slope + 0.5) + 1;
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
            if ((minor >> kShift) == tileMinor) near |= bit;
            else next |= bit;
            major += walk.majorStep;
            remainder += twiceMinor;
            if (remainder >= twiceMajor) {
                remainder -= twiceMajor;
                minor += walk.minorStep;
            }
        }
        // The minor coordinate only ever moves one way: once out of the
        // window after being in, the line stays out.
        if ((near | next) == 0 && entered) break;
        entered = entered || (near | next) != 0;
        put(tileMinor, tileMajor, near);
        put(tileMinor + walk.minorStep, tileMajor, next);
    }
}

template <bool Steep>
void PaintedCover::WalkTiles(const LineWalk& walk, long long a, long long b)
{
    long long pendingLo = 0;
    long long pendingHi = -2;
    for (long long p = a; p <= b;) {
        const long long q = std::min(b, ((p >> kShift) + 1) * 8 - 1);
        long long m0 = 0, m1 = 0;
        // The stretch lies in one tile along the major axis; along the minor
        // one it reaches over one or two.
        bool covered = true;
        if (MinorRange(walk, p, q, m0, m1)) {
            const int major = static_cast<int>(p >> kShift);
            for (int minor = static_cast<int>(m0 >> kShift); minor <= static_cast<int>(m1 >> kShift) && covered; ++minor) {
                covered = Steep ? PartFull(0, minor, major) : PartFull(0, major, minor);
            }
        }
        // Tiles not full one after the other are walked together: a walk
        // pays for its start.
        if (!covered && pendingHi + 1 == p) {
            pendingHi = q;
        } else if (!covered) {
            if (pendingHi >= pendingLo) AddPixels<Steep>(walk, pendingLo, pendingHi);
            pendingLo = p;
            pendingHi = q;
        }
        p = q + 1;
    }
    if (pendingHi >= pendingLo) AddPixels<Steep>(walk, pendingLo, pendingHi);
}

template <bool Steep>
void PaintedCover::WalkBlocks(const LineWalk& walk, long long a, long long b)
{
    constexpr int kBlockShift = 2 * kShift;
    const std::vector<std::uint64_t>& full = Steep ? fullInBlockRow_ : fullInBlockColumn_;
    const std::size_t words = Steep ? blockRowWords_ : blockColumnWords_;
    for (long long p = a; p <= b;) {
        const long long q = std::min(b, ((p >> kBlockShift) + 1) * 64 - 1);
        long long m0 = 0, m1 = 0;
        if (MinorRange(walk, p, q, m0, m1)) {
            const std::uint64_t* line = full.data() + static_cast<std::size_t>(p >> kBlockShift) * words;
            if (!AllSet(line, static_cast<int>(m0 >> kBlockShift), static_cast<int>(m1 >> kBlockShift))) {
                WalkTiles<Steep>(walk, p, q);
            }
        }
        p = q + 1;
    }
}
