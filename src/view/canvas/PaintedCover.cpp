#include "view/canvas/PaintedCover.h"

namespace {

constexpr int kTile = 8;

} // namespace

PaintedCover::PaintedCover(const RunWindow& window) : window_(window)
{
    if (window.lastColumn < window.firstColumn || window.lastRow < window.firstRow) return;
    width_ = window.lastColumn - window.firstColumn + 1;
    height_ = window.lastRow - window.firstRow + 1;
    tilesWide_ = (width_ + kTile - 1) / kTile;
    tilesHigh_ = (height_ + kTile - 1) / kTile;
    tiles_.resize(static_cast<std::size_t>(tilesWide_) * tilesHigh_);
    for (int ty = 0; ty < tilesHigh_; ++ty) {
        for (int tx = 0; tx < tilesWide_; ++tx) tiles_[static_cast<std::size_t>(ty) * tilesWide_ + tx] = Padding(tx, ty);
    }
    fullTiles_.Reset(tilesWide_, tilesHigh_);
    squaresWide_ = (tilesWide_ + kSquareTiles - 1) / kSquareTiles;
    squaresHigh_ = (tilesHigh_ + kSquareTiles - 1) / kSquareTiles;
    fullTilesInSquare_.assign(static_cast<std::size_t>(squaresWide_) * squaresHigh_, 0);
    tilesInSquare_.resize(fullTilesInSquare_.size());
    for (int sy = 0; sy < squaresHigh_; ++sy) {
        for (int sx = 0; sx < squaresWide_; ++sx) {
            const int columns = std::min(kSquareTiles, tilesWide_ - sx * kSquareTiles);
            const int rows = std::min(kSquareTiles, tilesHigh_ - sy * kSquareTiles);
            tilesInSquare_[static_cast<std::size_t>(sy) * squaresWide_ + sx] = static_cast<unsigned char>(columns * rows);
        }
    }
    fullSquares_.Reset(squaresWide_, squaresHigh_);
    fullSquareCounts_.Reset(squaresWide_, squaresHigh_);
}

std::uint64_t PaintedCover::EdgePadding(int tx, int ty) const
{
    std::uint64_t bits = 0;
    const int columns = width_ - tx * kTile;
    if (columns < kTile) bits |= (~ColumnBits(0, columns - 1) & 0xFFu) * kColumn0;
    const int rows = height_ - ty * kTile;
    if (rows < kTile) bits |= RowBits(rows, 7);
    return bits;
}

void PaintedCover::TileFull(int tx, int ty)
{
    fullTiles_.Set(tx, ty);
    const int sx = tx / kSquareTiles;
    const int sy = ty / kSquareTiles;
    const std::size_t square = static_cast<std::size_t>(sy) * squaresWide_ + sx;
    if (++fullTilesInSquare_[square] < tilesInSquare_[square]) return;
    fullSquares_.Set(sx, sy);
    fullSquareCounts_.Add(sx, sy);
}

void PaintedCover::AddColumnRun(int x, int top, int bottom)
{
    if (x < window_.firstColumn || x > window_.lastColumn) return;
    const int lx = x - window_.firstColumn;
    const int y0 = std::max(top, window_.firstRow) - window_.firstRow;
    const int y1 = std::min(bottom, window_.lastRow) - window_.firstRow;
    const std::uint64_t column = kColumn0 << (lx % kTile);
    for (int ty = y0 / kTile; ty <= y1 / kTile && y0 <= y1; ++ty) {
        const int r0 = std::max(y0 - ty * kTile, 0);
        const int r1 = std::min(y1 - ty * kTile, kTile - 1);
        Or(lx / kTile, ty, column & RowBits(r0, r1));
    }
}

void PaintedCover::AddRowRun(int y, int left, int right)
{
    if (y < window_.firstRow || y > window_.lastRow) return;
    const int ly = y - window_.firstRow;
    const int x0 = std::max(left, window_.firstColumn) - window_.firstColumn;
    const int x1 = std::min(right, window_.lastColumn) - window_.firstColumn;
    const int shift = 8 * (ly % kTile);
    for (int tx = x0 / kTile; tx <= x1 / kTile && x0 <= x1; ++tx) {
        const int c0 = std::max(x0 - tx * kTile, 0);
        const int c1 = std::min(x1 - tx * kTile, kTile - 1);
        Or(tx, ly / kTile, ColumnBits(c0, c1) << shift);
    }
}

void PaintedCover::Clear()
{
    for (const std::size_t i : touchedTiles_) {
        tiles_[i] = Padding(static_cast<int>(i % tilesWide_), static_cast<int>(i / tilesWide_));
    }
    touchedTiles_.clear();
    if (fullTiles_.Any()) std::fill(fullTilesInSquare_.begin(), fullTilesInSquare_.end(), 0);
    fullTiles_.Clear();
    fullSquares_.Clear();
    fullSquareCounts_.Clear();
}

bool PaintedCover::Covers(int left, int top, int right, int bottom) const
{
    const int x0 = std::max(left, window_.firstColumn) - window_.firstColumn;
    const int x1 = std::min(right, window_.lastColumn) - window_.firstColumn;
    const int y0 = std::max(top, window_.firstRow) - window_.firstRow;
    const int y1 = std::min(bottom, window_.lastRow) - window_.firstRow;
    if (x0 > x1 || y0 > y1) return true;
    if (fullSquareCounts_.AllFull(x0 >> kSquareShift, x1 >> kSquareShift, y0 >> kSquareShift, y1 >> kSquareShift)) {
        return true;
    }
    // Then pixel by pixel, a tile at a time, which also finds pixels painted
    // in tiles that are not full.
    for (int ty = y0 / kTile; ty <= y1 / kTile; ++ty) {
        const std::uint64_t rows = RowBits(std::max(y0 - ty * kTile, 0), std::min(y1 - ty * kTile, kTile - 1));
        for (int tx = x0 / kTile; tx <= x1 / kTile; ++tx) {
            const std::uint64_t columns =
                ColumnBits(std::max(x0 - tx * kTile, 0), std::min(x1 - tx * kTile, kTile - 1)) * kColumn0;
            const std::uint64_t mask = rows & columns;
            if ((tiles_[static_cast<std::size_t>(ty) * tilesWide_ + tx] & mask) != mask) return false;
        }
    }
    return true;
}

void PaintedCover::AddLine(TPoint from, TPoint to, LineEnd end)
{
    const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
    const long long dy = std::llabs(static_cast<long long>(to.y) - from.y);
    const bool steep = dy > dx;
    const long long dMajor = steep ? dy : dx;
    // The walk's products need 64 bits up to lines 2^30 pixels long; longer
    // ones, which no chart draws, and single pixels go by their runs.
    if (dMajor == 0 || dMajor >= (1LL << 30)) {
        ForEachLineRun(
            from, to, end, window_, [this](int x, int top, int bottom) { AddColumnRun(x, top, bottom); },
            [this](int y, int left, int right) { AddRowRun(y, left, right); });
        return;
    }
    const long long majorOrigin = steep ? window_.firstRow : window_.firstColumn;
    const long long minorOrigin = steep ? window_.firstColumn : window_.firstRow;
    const long long major0 = (steep ? from.y : from.x) - majorOrigin;
    const long long major1 = (steep ? to.y : to.x) - majorOrigin;
    const long long minor0 = (steep ? from.x : from.y) - minorOrigin;
    const long long minor1 = (steep ? to.x : to.y) - minorOrigin;
    const long long dMinor = steep ? dx : dy;
    const long long majorStep = major1 < major0 ? -1 : 1;
    const LineWalk walk{major0,
                        minor0,
                        minor1 < minor0 ? -1 : 1,
                        static_cast<double>(dMinor) / static_cast<double>(dMajor),
                        steep ? width_ : height_,
                        dMajor,
                        dMinor,
                        majorStep,
                        end == LineEnd::Excluded ? dMajor - 1 : dMajor};
    const long long lastMajor = major0 + majorStep * walk.last;
    const long long lo = std::max(std::min(major0, lastMajor), 0LL);
    const long long hi = std::min(std::max(major0, lastMajor), static_cast<long long>(steep ? height_ : width_) - 1);
    if (lo > hi) return;
    // The walk starts at the coarsest cells of which one is full at all.
    if (fullSquareCounts_.AllCellsFull()) return;
    const bool anySquareFull = fullSquareCounts_.AnyFull();
    const bool anyTileFull = fullTiles_.Any();
    if (anySquareFull && steep) WalkSquares<true>(walk, lo, hi);
    else if (anySquareFull) WalkSquares<false>(walk, lo, hi);
    else if (anyTileFull && steep) WalkTiles<true>(walk, lo, hi);
    else if (anyTileFull) WalkTiles<false>(walk, lo, hi);
    else if (steep) AddPixels<true>(walk, lo, hi);
    else AddPixels<false>(walk, lo, hi);
}
