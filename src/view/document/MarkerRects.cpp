#include "view/document/MarkerRects.h"

#include <new>
#include <stdexcept>

namespace {

// Storage this many times larger than a drawing needs is given back, so that
// a window does not keep the table of a big trace that is gone.
constexpr std::size_t kOversize = 4;

} // namespace

void MarkerRectTable::Free()
{
    entries_.clear();
    exists_ = false;
    asked_ = false;
}

void MarkerRectTable::FreeUntilAsked(const TRect& chart)
{
    Free();
    asked_ = true;
    chart_ = chart;
}

void MarkerRectTable::Alloc(int n)
{
    if (n <= 0) return;
    entries_.clear();
    const auto wanted = static_cast<std::size_t>(n);
    try {
        if (entries_.capacity() > kOversize * wanted) std::vector<MarkerRect>().swap(entries_);
        entries_.reserve(wanted);
        exists_ = true;
    } catch (const std::bad_alloc&) {
        std::vector<MarkerRect>().swap(entries_);
        exists_ = false;
    } catch (const std::length_error&) {
        exists_ = false;
    }
}

void MarkerRectTable::Add(const TRect& rect, double x)
{
    if (!exists_) return;
    try {
        entries_.push_back({rect, x});
    } catch (const std::bad_alloc&) {
        // A full table that cannot grow drops the symbol's entry.
    }
}

int MarkerRectTable::Find(int x, int y) const
{
    if (!exists_) return -1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const TRect& r = entries_[i].Rect;
        if (r.left <= x && x <= r.right && r.top <= y && y <= r.bottom) return static_cast<int>(i);
    }
    return -1;
}
