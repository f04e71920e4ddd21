#include "app/WindowArrangement.h"

#include <algorithm>

namespace {

// The start of part i of `length` cut into `count` parts as equal as whole
// pixels allow.
int PartStart(int length, int count, int i) { return static_cast<int>(static_cast<long long>(length) * i / count); }

} // namespace

std::vector<QRect> TileRows(const QRect& area, int count)
{
    std::vector<QRect> rects;
    for (int i = 0; i < count; ++i) {
        const int top = area.top() + PartStart(area.height(), count, i);
        const int bottom = area.top() + PartStart(area.height(), count, i + 1);
        rects.emplace_back(area.left(), top, area.width(), bottom - top);
    }
    return rects;
}

std::vector<QRect> TileColumns(const QRect& area, int count)
{
    std::vector<QRect> rects;
    for (int i = 0; i < count; ++i) {
        const int left = area.left() + PartStart(area.width(), count, i);
        const int right = area.left() + PartStart(area.width(), count, i + 1);
        rects.emplace_back(left, area.top(), right - left, area.height());
    }
    return rects;
}

std::vector<QRect> CascadeRects(const QRect& area, int count, int step)
{
    std::vector<QRect> rects;
    if (count <= 0) return rects;
    step = std::max(step, 1);
    const int shift = step * (count - 1);
    const int width = std::max(area.width() * 2 / 3, area.width() - shift);
    const int height = std::max(area.height() * 2 / 3, area.height() - shift);
    const int places = std::min(area.width() - width, area.height() - height) / step + 1;
    for (int i = 0; i < count; ++i) {
        const int offset = (i % places) * step;
        rects.emplace_back(area.left() + offset, area.top() + offset, width, height);
    }
    return rects;
}

QRect KeptInside(const QRect& window, const QRect& area)
{
    const int width = std::min(window.width(), area.width());
    const int height = std::min(window.height(), area.height());
    const int left = std::clamp(window.left(), area.left(), area.left() + area.width() - width);
    const int top = std::clamp(window.top(), area.top(), area.top() + area.height() - height);
    return {left, top, width, height};
}
