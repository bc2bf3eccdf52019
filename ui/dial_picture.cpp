// The dial picture drawn at any size, from shapes given for the 95-pixel picture and scaled.
#include "dial_picture.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kSamples = 4; // per axis, for smooth edges

struct Colour {
    double r, g, b;
};

constexpr Colour kGrey{160, 160, 160};
constexpr Colour kRingDot{236, 236, 228};
constexpr Colour kBlack{0, 0, 0};
constexpr Colour kRed{224, 0, 0};
constexpr Colour kFace{36, 40, 52};
constexpr Colour kFaceEdge{90, 96, 112};
constexpr Colour kTick{150, 156, 170};
constexpr Colour kMagenta{255, 0, 255};

// Radii and widths of the 95-pixel picture, in its pixels.
constexpr double kRingRadius = 43.0; // centre line of the ring of dots
constexpr double kFaceRadius = 39.5;
constexpr double kRimWidth = 1.2;
constexpr double kTickOuter = 38.0;
constexpr double kTickHalfWidth = 0.45;

struct Dot {
    double x, y, radius;
    Colour colour;
};

struct Segment {
    double ax, ay, bx, by;
};

// The shapes at one size, in continuous pixel coordinates (pixel p spans p to p + 1).
struct Shapes {
    double centre; // middle of the middle pixel
    double scale;  // size / 95: exactly 1 for the 95-pixel picture
    std::vector<Dot> dots;
    std::vector<Segment> ticks;
};

double Distance(double x, double y, double px, double py)
{
    return std::hypot(x - px, y - py);
}

// Distance from (x, y) to the segment s.
double SegmentDistance(double x, double y, const Segment& s)
{
    const double dx = s.bx - s.ax;
    const double dy = s.by - s.ay;
    double t = ((x - s.ax) * dx + (y - s.ay) * dy) / (dx * dx + dy * dy);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return Distance(x, y, s.ax + t * dx, s.ay + t * dy);
}

Shapes MakeShapes(int size)
{
    Shapes shapes;
    shapes.centre = size / 2 + 0.5;
    shapes.scale = static_cast<double>(size) / kDialPictureSize;
    const double k = shapes.scale;
    // The ring: a dot every 6 degrees; bigger coloured dots every 30 degrees, black at 0, 90, 180, 270.
    for (int degrees = 0; degrees < 360; degrees += 6) {
        const double a = degrees * kPi / 180;
        const bool cardinal = degrees % 90 == 0;
        const bool marked = degrees % 30 == 0;
        shapes.dots.push_back({shapes.centre + kRingRadius * k * std::cos(a), shapes.centre - kRingRadius * k * std::sin(a),
                               (cardinal ? 2.2 : (marked ? 1.8 : 1.1)) * k,
                               cardinal ? kBlack : (marked ? kRed : kRingDot)});
    }
    // Radial ticks every 10 degrees, longer every 30.
    for (int degrees = 0; degrees < 360; degrees += 10) {
        const double a = degrees * kPi / 180;
        const double inner = (degrees % 30 == 0 ? 30.0 : 34.5) * k;
        shapes.ticks.push_back({shapes.centre + inner * std::cos(a), shapes.centre - inner * std::sin(a),
                                shapes.centre + kTickOuter * k * std::cos(a), shapes.centre - kTickOuter * k * std::sin(a)});
    }
    return shapes;
}

// Colour of the picture at the continuous point (x, y); layers from back to front. Dots and ticks
// whose box (around the ring, around each shape) misses the point are skipped: they cannot cover it.
Colour ColourAt(const Shapes& s, double x, double y)
{
    const double k = s.scale;
    const double r = Distance(x, y, s.centre, s.centre);
    Colour c = kGrey;
    if (std::fabs(r - kRingRadius * k) <= 3 * k) {
        for (const Dot& dot : s.dots) {
            if (std::fabs(x - dot.x) <= dot.radius && std::fabs(y - dot.y) <= dot.radius &&
                Distance(x, y, dot.x, dot.y) <= dot.radius) {
                c = dot.colour;
            }
        }
    }
    // The face, with a slightly lighter rim.
    if (r <= kFaceRadius * k) {
        c = r > kFaceRadius * k - kRimWidth * k ? kFaceEdge : kFace;
        if (r >= 29 * k) {
            const double reach = kTickHalfWidth * k + 0.01; // the box test's margin over rounding
            for (const Segment& tick : s.ticks) {
                if (x >= std::fmin(tick.ax, tick.bx) - reach && x <= std::fmax(tick.ax, tick.bx) + reach &&
                    y >= std::fmin(tick.ay, tick.by) - reach && y <= std::fmax(tick.ay, tick.by) + reach &&
                    SegmentDistance(x, y, tick) <= kTickHalfWidth * k) {
                    c = kTick;
                }
            }
        }
        // The cross-hair: exactly the middle pixel's column and row, one pixel wide at every size.
        if (std::fabs(x - s.centre) < 0.5 || std::fabs(y - s.centre) < 0.5) {
            c = kMagenta;
        }
    }
    return c;
}

} // namespace

std::size_t DialPictureRowBytes(int size)
{
    return (static_cast<std::size_t>(size) * 3 + 3) / 4 * 4;
}

std::vector<unsigned char> DialPicture(int size)
{
    const Shapes shapes = MakeShapes(size);
    const std::size_t rowBytes = DialPictureRowBytes(size);
    std::vector<unsigned char> pixels(rowBytes * static_cast<std::size_t>(size), 0);
    for (int py = 0; py < size; ++py) {
        unsigned char* row = pixels.data() + rowBytes * static_cast<std::size_t>(size - 1 - py); // bottom-up
        for (int px = 0; px < size; ++px) {
            // The pixel is the average of kSamples x kSamples points inside it.
            Colour sum{0, 0, 0};
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Colour c = ColourAt(shapes, px + (sx + 0.5) / kSamples, py + (sy + 0.5) / kSamples);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            }
            // Rounded to bytes, blue first.
            const double n = kSamples * kSamples;
            row[3 * px] = static_cast<unsigned char>(std::lround(sum.b / n));
            row[3 * px + 1] = static_cast<unsigned char>(std::lround(sum.g / n));
            row[3 * px + 2] = static_cast<unsigned char>(std::lround(sum.r / n));
        }
    }
    return pixels;
}
