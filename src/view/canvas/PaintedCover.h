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
// tiles and blocks in areas of 8 x 8 blocks count their full parts, so that
// a long line over a painted area is checked 512 or 64 pixels at a time.
// Pixels outside the window count as painted: nothing of them reaches the
// paint area.
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

    // stretch(lo, hi) for each stretch along the major axis of the line
    // (rows of a steep line, columns of a shallow one, as LineRuns.h
    // orients them) that may hold a pixel not painted; the rest of the line
    // is painted for certain.
    template <typename Stretch>
    void ForEachUnpaintedStretch(TPoint from, TPoint to, Stretch&& stretch) const;

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
        long long pendingLo = 0;
        long long pendingHi = -2;
    };
    // The window-relative minor range of the pixels at major a .. b; false
    // when it lies outside the window. Computed in floating point, the
    // bounds are widened by a pixel on each side.
    static bool MinorRange(const LineWalk& walk, long long a, long long b, long long& m0, long long& m1);
    // Whether the line's own pixels at major a .. b (within one tile along
    // the major axis) are all painted, pixel by pixel: a tile is full only
    // after many lines, but a line's few pixels in it often are painted
    // long before.
    template <bool Steep>
    bool PixelsPainted(const LineWalk& walk, long long a, long long b) const;
    template <bool Steep, typename Stretch>
    void Descend(LineWalk& walk, int level, long long a, long long b, Stretch& stretch) const;

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
bool PaintedCover::PixelsPainted(const LineWalk& walk, long long a, long long b) const
{
    // Pixel n of the line is at minor step floor((2 n dMinor + dMajor) /
    // (2 dMajor)) (LineRuns.h); the walk goes along n, which runs against
    // the major coordinates when the line goes toward smaller ones.
    const long long na = a < walk.major0 ? walk.major0 - a : a - walk.major0;
    const long long nb = b < walk.major0 ? walk.major0 - b : b - walk.major0;
    const long long first = std::min(na, nb);
    const long long last = std::max(na, nb);
    // Lines too long for the products in 64 bits are not checked (no chart
    // draws them).
    if (walk.dMajor == 0 || walk.dMajor > (1LL << 30)) return false;
    const long long twiceMajor = 2 * walk.dMajor;
    const long long numerator = 2 * first * walk.dMinor + walk.dMajor;
    long long c = numerator / twiceMajor;
    long long remainder = numerator % twiceMajor;
    const long long majorStep = (a < walk.major0 || b < walk.major0) ? -1 : 1;
    for (long long n = first; n <= last; ++n) {
        const long long minor = walk.minor0 + walk.minorStep * c;
        if (minor >= 0 && minor < walk.minorSize) {
            const long long major = walk.major0 + majorStep * n;
            const int x = static_cast<int>(Steep ? minor : major);
            const int y = static_cast<int>(Steep ? major : minor);
            const std::uint64_t tile = tiles_[static_cast<std::size_t>(y >> kShift) * tilesWide_ + (x >> kShift)];
            if (!((tile >> (8 * (y & 7) + (x & 7))) & 1)) return false;
        }
        remainder += 2 * walk.dMinor;
        if (remainder >= twiceMajor) {
            remainder -= twiceMajor;
            ++c;
        }
    }
    return true;
}

template <bool Steep, typename Stretch>
void PaintedCover::Descend(LineWalk& walk, int level, long long a, long long b, Stretch& stretch) const
{
    const int shift = kShift * (level + 1);
    for (long long p = a; p <= b;) {
        const long long q = std::min(b, ((p >> shift) + 1) * (1LL << shift) - 1);
        long long m0 = 0, m1 = 0;
        const bool inside = MinorRange(walk, p, q, m0, m1);
        // The stretch lies in one cell along the major axis; along the minor
        // one it reaches over one or two.
        bool covered = true;
        if (inside) {
            const int major = static_cast<int>(p >> shift);
            for (int minor = static_cast<int>(m0 >> shift); minor <= static_cast<int>(m1 >> shift) && covered; ++minor) {
                covered = Steep ? PartFull(level, minor, major) : PartFull(level, major, minor);
            }
        }
        if (!covered && level == 0) covered = PixelsPainted<Steep>(walk, p, q);
        if (!covered) {
            if (level > 0) {
                Descend<Steep>(walk, level - 1, p, q, stretch);
            } else if (p == walk.pendingHi + 1) {
                walk.pendingHi = q;
            } else {
                if (walk.pendingHi >= walk.pendingLo) stretch(walk.pendingLo, walk.pendingHi);
                walk.pendingLo = p;
                walk.pendingHi = q;
            }
        }
        p = q + 1;
    }
}

template <typename Stretch>
void PaintedCover::ForEachUnpaintedStretch(TPoint from, TPoint to, Stretch&& stretch) const
{
    const bool steep =
        std::llabs(static_cast<long long>(to.y) - from.y) > std::llabs(static_cast<long long>(to.x) - from.x);
    const long long majorOrigin = steep ? window_.firstRow : window_.firstColumn;
    const long long minorOrigin = steep ? window_.firstColumn : window_.firstRow;
    const long long major0 = (steep ? from.y : from.x) - majorOrigin;
    const long long major1 = (steep ? to.y : to.x) - majorOrigin;
    const long long minor0 = (steep ? from.x : from.y) - minorOrigin;
    const long long minor1 = (steep ? to.x : to.y) - minorOrigin;
    const long long dMajor = std::llabs(major1 - major0);
    LineWalk walk{major0,
                  minor0,
                  minor1 < minor0 ? -1 : 1,
                  dMajor == 0 ? 0.0 : static_cast<double>(std::llabs(minor1 - minor0)) / static_cast<double>(dMajor),
                  steep ? width_ : height_,
                  dMajor,
                  std::llabs(minor1 - minor0)};
    const long long lo = std::max(std::min(major0, major1), 0LL);
    const long long hi = std::min(std::max(major0, major1), static_cast<long long>(steep ? height_ : width_) - 1);
    if (lo > hi) return;
    const auto report = [&](long long a, long long b) {
        stretch(static_cast<int>(a + majorOrigin), static_cast<int>(b + majorOrigin));
    };
    // The walk starts at the coarsest level that has a full cell at all.
    int top = kLevels - 1;
    while (top >= 0 && levels_[static_cast<std::size_t>(top + 1)].touched.empty()) --top;
    if (top < 0) {
        walk.pendingLo = lo;
        walk.pendingHi = hi;
    } else if (steep) {
        Descend<true>(walk, top, lo, hi, report);
    } else {
        Descend<false>(walk, top, lo, hi, report);
    }
    if (walk.pendingHi >= walk.pendingLo) report(walk.pendingLo, walk.pendingHi);
}
