// Where the main window is created: its stored place, brought back onto a monitor.
#include "window_place.h"

ScreenRect MainWindowRect(int x, int y, PixelSize size)
{
    return {x, y, std::int64_t(x) + size.width, std::int64_t(y) + size.height};
}

namespace {

bool Overlaps(const ScreenRect& a, const ScreenRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The start of a span of length size placed inside [lo, hi): kept where it fits, else at lo.
std::int64_t Clamp(std::int64_t start, std::int64_t size, std::int64_t lo, std::int64_t hi)
{
    if (hi - lo <= size || start < lo)
        return lo;
    if (start + size > hi)
        return hi - size;
    return start;
}

} // namespace

ScreenPoint PlaceOnScreen(const ScreenRect& window, std::int64_t stripHeight, const ScreenRect* workAreas,
                          std::size_t count, const ScreenRect& nearestWork)
{
    ScreenPoint p{window.left, window.top};
    const ScreenRect strip{window.left, window.top, window.right, window.top + stripHeight};
    for (std::size_t i = 0; i < count; ++i)
        if (Overlaps(strip, workAreas[i]))
            return p;
    if (count == 0)
        return p;
    p.x = Clamp(window.left, window.right - window.left, nearestWork.left, nearestWork.right);
    p.y = Clamp(window.top, window.bottom - window.top, nearestWork.top, nearestWork.bottom);
    return p;
}
