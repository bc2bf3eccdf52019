// Where the main window is created: its stored place, brought back onto a monitor.
#include "settings_values.h"

PixelSize MainWindowSize(int dpi, PixelSize frame96, PixelSize frameAtDpi)
{
    return {ScaleToDpi(kMainWidth - frame96.width, dpi) + frameAtDpi.width,
            ScaleToDpi(kMainHeight - frame96.height, dpi) + frameAtDpi.height};
}

ScreenRect MainWindowRect(int x, int y, PixelSize size)
{
    ScreenRect r;
    r.left = x;
    r.top = y;
    r.right = std::int64_t(x) + size.width;
    r.bottom = std::int64_t(y) + size.height;
    return r;
}

namespace {

bool Overlaps(const ScreenRect& a, const ScreenRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Distance along one axis between the spans [a0, a1) and [b0, b1); 0 when they overlap.
// Capped at 2^30 so that the sum of two squares stays far inside 64 bits.
std::int64_t Gap(std::int64_t a0, std::int64_t a1, std::int64_t b0, std::int64_t b1)
{
    const std::int64_t cap = std::int64_t(1) << 30;
    std::int64_t gap = 0;
    if (a1 <= b0)
        gap = b0 - a1;
    else if (b1 <= a0)
        gap = a0 - b1;
    return gap < cap ? gap : cap;
}

// Square of the shortest distance between two rectangles.
std::int64_t DistanceSquared(const ScreenRect& a, const ScreenRect& b)
{
    std::int64_t dx = Gap(a.left, a.right, b.left, b.right);
    std::int64_t dy = Gap(a.top, a.bottom, b.top, b.bottom);
    return dx * dx + dy * dy;
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

ScreenPoint PlaceOnScreen(const ScreenRect& window, const MonitorArea* monitors, std::size_t count)
{
    ScreenPoint p{window.left, window.top};
    if (count == 0)
        return p;

    // Step 1: any overlap with a monitor leaves the window where it was stored.
    for (std::size_t i = 0; i < count; ++i)
        if (Overlaps(window, monitors[i].monitor))
            return p;

    // Step 2: the nearest monitor (the first one on a tie).
    std::size_t nearest = 0;
    std::int64_t best = DistanceSquared(window, monitors[0].monitor);
    for (std::size_t i = 1; i < count; ++i) {
        std::int64_t d = DistanceSquared(window, monitors[i].monitor);
        if (d < best) {
            best = d;
            nearest = i;
        }
    }

    // Step 3: the smallest move that brings the window into that monitor's work area.
    const ScreenRect& work = monitors[nearest].work;
    p.x = Clamp(window.left, window.right - window.left, work.left, work.right);
    p.y = Clamp(window.top, window.bottom - window.top, work.top, work.bottom);
    return p;
}
