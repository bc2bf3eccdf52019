// Angle maths of the direction dial: pointed pixels to field texts, field texts to line end points.
#include "dial_math.h"

#include <cmath>

#include "dial_picture.h"
#include "field_parse.h"

namespace {

constexpr double kDegreesToRadians = 0.017453292519943278;
constexpr double kDirectionToScreen = -0.017453292519943278; // counter-clockwise degrees to screen radians
constexpr double kSlopeUnitRadians = 0.08726646259971639;    // one slope unit: 5 degrees
constexpr double kScreenToDirection = -57.29577951308239;    // screen radians to direction degrees
constexpr double kHalfTurn = 3.14159265358979;
constexpr double kDegreesToSlope = -0.2;
constexpr double kExactScale = 10000;
constexpr double kExactModulus = 1800000; // 180 degrees at the scale above

// The dial's figures at 96 DPI.
constexpr DialPoint kCentre96{57, 648};
constexpr int kHalfSize96 = kDialPictureSize / 2; // the middle pixel has as many on each side
constexpr int kWindLength96 = 45;
constexpr int kSlopeLength96 = 40;

// Pixel coordinate of a line end; v is always within a line length of the centre.
int TruncPixel(double v)
{
    return static_cast<int>(v);
}

// Line end at the given screen angle (radians, clockwise from rightward) and length.
DialPoint LineEnd(const DialGeometry& dial, double angle, double length)
{
    return {TruncPixel(dial.centre.x + length * std::cos(angle)), TruncPixel(dial.centre.y + length * std::sin(angle))};
}

// rem(trunc(v * 10000)): the remainder of the truncated scaled value divided by 1800000,
// with the sign of the value. Computed on doubles, where truncation and fmod are exact,
// so values beyond the 32-bit range get the same rule instead of an undefined conversion.
// Not-a-number for infinite v (which then matches no correction).
double ExactnessRemainder(double v)
{
    return std::fmod(std::trunc(v * kExactScale), kExactModulus);
}

// A field value whose angle cannot be computed (infinite or not-a-number text) draws as 0,
// like a text that is not a number.
double FiniteOrZero(double v)
{
    return std::isfinite(v) ? v : 0.0;
}

// The dial's text of a value: DecimalText, then the cut after the second decimal.
void DialText(double value, char* text)
{
    CutToTwoDecimals(DecimalText(value, text), value);
}

// Screen angle from the centre to p, -pi to pi.
double PointedAngle(const DialGeometry& dial, DialPoint p)
{
    return std::atan2(static_cast<double>(p.y - dial.centre.y), static_cast<double>(p.x - dial.centre.x));
}

// The wind direction pointed at p: the line towards the pointed pixel, and the direction in
// degrees counter-clockwise, -180 up to below 180.
DialPoint PointWind(const DialGeometry& dial, DialPoint p, PointedValue& value)
{
    const double a = PointedAngle(dial, p);
    value.pointed = true;
    DialText(a * kScreenToDirection, value.text);
    return LineEnd(dial, a, dial.windLength);
}

// The slope pointed at p: the line through the centre and the pointed pixel, and its slope.
SlopeLine PointSlope(const DialGeometry& dial, DialPoint p, PointedValue& value)
{
    const double a = PointedAngle(dial, p);
    const double b = a + kHalfTurn;
    const SlopeLine line{LineEnd(dial, a, dial.slopeLength), LineEnd(dial, b, dial.slopeLength)};
    // The line's angle in degrees, folded by half turns into -90..90.
    double d = a * kScreenToDirection;
    if (d > 90) {
        d = d - 180;
    }
    if (d < -90) {
        d = d + 180;
    }
    // A line on the centre's row is exactly level, not a remainder of the half turn.
    if (ExactnessRemainder(d) == 0) {
        d = 0;
    }
    // Degrees clockwise to slope units.
    value.pointed = true;
    DialText(d * kDegreesToSlope, value.text);
    return line;
}

// The wind line's end for the direction field's text.
DialPoint WindLineEnd(const DialGeometry& dial, const char* directionText)
{
    // The field's degrees, counter-clockwise, to a screen angle.
    const double t = FiniteOrZero(ParseFieldDouble(directionText));
    const double a = t * kDirectionToScreen;
    DialPoint end = LineEnd(dial, a, dial.windLength);
    // Exactness correction: an odd multiple of 90 degrees ends on the centre's column,
    // a multiple of 180 degrees on its row, whatever the tiny cosine or sine came out as.
    const double r = ExactnessRemainder(t);
    if (r == 900000 || r == -900000) {
        end.x = dial.centre.x;
    }
    if (r == 0) {
        end.y = dial.centre.y;
    }
    return end;
}

// The slope line's ends for the slope field's text.
SlopeLine SlopeLineEnds(const DialGeometry& dial, const char* slopeText)
{
    // The slope in units of 5 degrees, clockwise; the second end half a turn further.
    double s = FiniteOrZero(ParseFieldDouble(slopeText));
    if (!std::isfinite(s * 5 + 180)) {
        s = 0; // so large that 5 s overflows: no angle to draw
    }
    const double a = s * kSlopeUnitRadians;
    const double b = (s * 5 + 180) * kDegreesToRadians;
    SlopeLine line{LineEnd(dial, a, dial.slopeLength), LineEnd(dial, b, dial.slopeLength)};
    // Exactness correction, tested on the slope value itself (not on the drawn angle).
    const double r = ExactnessRemainder(s);
    if (r == 900000 || r == -900000) {
        line.end1.x = dial.centre.x;
        line.end2.x = dial.centre.x;
    }
    if (r == 0) {
        line.end1.y = dial.centre.y;
        line.end2.y = dial.centre.y;
    }
    return line;
}

} // namespace

DialPoint DialPointFromLParam(std::uintptr_t lParam)
{
    return {static_cast<int>(lParam & 0xFFFF), static_cast<int>((lParam >> 16) & 0xFFFF)};
}

DialGeometry DialAt(int dpi)
{
    DialGeometry dial{};
    const int half = ScaleToDpi(kHalfSize96, dpi);
    dial.centre = {ScaleToDpi(kCentre96.x, dpi), ScaleToDpi(kCentre96.y, dpi)};
    dial.origin = {dial.centre.x - half, dial.centre.y - half};
    dial.size = 2 * half + 1;
    dial.windLength = ScaleToDpi(kWindLength96, dpi);
    dial.slopeLength = ScaleToDpi(kSlopeLength96, dpi);
    dial.penWidth = ScaleToDpi(1, dpi);
    return dial;
}

bool InDialArea(const DialGeometry& dial, DialPoint p)
{
    return p.x >= dial.origin.x && p.x <= dial.origin.x + dial.size && p.y >= dial.origin.y &&
           p.y <= dial.origin.y + dial.size;
}

DialPaint PlanDialPaint(int dpi, DialPoint windPoint, DialPoint slopePoint, const char* directionText,
                        const char* slopeText)
{
    DialPaint paint;
    paint.dial = DialAt(dpi);
    paint.windEnd = InDialArea(paint.dial, windPoint) ? PointWind(paint.dial, windPoint, paint.wind)
                                                      : WindLineEnd(paint.dial, directionText);
    paint.slopeLine = InDialArea(paint.dial, slopePoint) ? PointSlope(paint.dial, slopePoint, paint.slope)
                                                         : SlopeLineEnds(paint.dial, slopeText);
    return paint;
}
