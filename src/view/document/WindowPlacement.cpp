#include "view/document/WindowPlacement.h"

#include <cstdint>

namespace {

constexpr std::int64_t kVisibleMargin = 100;

} // namespace

void PullOntoDesktop(WindowPlacement& window, const TRect& desktop)
{
    std::int64_t top = window.Top;
    std::int64_t left = window.Left;
    if (top > desktop.bottom - kVisibleMargin) top = desktop.bottom - kVisibleMargin;
    if (top + window.Height < desktop.top + kVisibleMargin) top = desktop.top + kVisibleMargin - window.Height;
    if (left > desktop.right - kVisibleMargin) left = desktop.right - kVisibleMargin;
    if (left + window.Width < desktop.left + kVisibleMargin) left = desktop.left + kVisibleMargin - window.Width;
    window.Top = static_cast<int>(top);
    window.Left = static_cast<int>(left);
}
