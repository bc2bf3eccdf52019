// Fuzzes the dial maths on any mouse point and any field text.
#include <cstdlib>
#include <cstring>

#include "dial_math.h"
#include "fuzz_input.h"

namespace {

// Line ends are truncated from the centre plus at most 45 pixels in any direction.
bool NearCentre(DialPoint p)
{
    return std::abs(p.x - kDialCentre.x) <= 45 && std::abs(p.y - kDialCentre.y) <= 45;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    uintptr_t lParam = 0;
    for (int i = 0; i < 8; ++i) {
        lParam = (lParam << 8) | input.Byte();
    }
    const DialPoint p = DialPointFromLParam(lParam);
    if (InDialArea(p)) {
        const PointedWind wind = PointWind(p);
        const PointedSlope slope = PointSlope(p);
        if (!NearCentre(wind.end) || !NearCentre(slope.line.end1) || !NearCentre(slope.line.end2) ||
            std::strlen(wind.text) > 14 || std::strlen(slope.text) > 14) {
            std::abort();
        }
    }

    // A field holds at most 8 characters, as read with a buffer of 9.
    const std::string direction = input.Text(8);
    const std::string slopeText = input.Text(8);
    const DialPoint end = WindLineEnd(direction.c_str());
    const SlopeLine line = SlopeLineEnds(slopeText.c_str());
    if (!NearCentre(end) || !NearCentre(line.end1) || !NearCentre(line.end2)) {
        std::abort();
    }
    return 0;
}
