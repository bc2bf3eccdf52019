// Draws the dial picture MYBMP (95 by 95, 24 bits per pixel) into res/dial.bmp.
//
//   g++ -std=c++17 -O2 -o make_dial tools/make_dial.cpp && ./make_dial res/dial.bmp
//
// The picture: a grey square, a light ring of dots (black at the four cardinal points, red every
// 30 degrees), a dark face with radial ticks and a magenta cross-hair through the centre pixel
// (47, 47), so that drawn at (10, 601) in the main window it is centred on the dial's (57, 648).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSize = 95;
constexpr double kCentre = 47.5; // middle of pixel 47, in continuous pixel coordinates
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

constexpr double kRingRadius = 43.0; // centre line of the ring of dots
constexpr double kFaceRadius = 39.5;
constexpr double kTickOuter = 38.0;

double Distance(double x, double y, double px, double py)
{
    return std::hypot(x - px, y - py);
}

// Distance from (x, y) to the segment from (ax, ay) to (bx, by).
double SegmentDistance(double x, double y, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax;
    const double dy = by - ay;
    double t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return Distance(x, y, ax + t * dx, ay + t * dy);
}

// Colour of the picture at the continuous point (x, y); layers from back to front.
Colour ColourAt(double x, double y)
{
    const double r = Distance(x, y, kCentre, kCentre);
    Colour c = kGrey;

    // The ring: a dot every 6 degrees; bigger coloured dots every 30 degrees, black at 0, 90, 180, 270.
    for (int degrees = 0; degrees < 360; degrees += 6) {
        const double a = degrees * kPi / 180;
        const double dotX = kCentre + kRingRadius * std::cos(a);
        const double dotY = kCentre - kRingRadius * std::sin(a);
        const bool cardinal = degrees % 90 == 0;
        const bool marked = degrees % 30 == 0;
        const double radius = cardinal ? 2.2 : (marked ? 1.8 : 1.1);
        if (Distance(x, y, dotX, dotY) <= radius) {
            c = cardinal ? kBlack : (marked ? kRed : kRingDot);
        }
    }

    // The face, with a slightly lighter rim.
    if (r <= kFaceRadius) {
        c = r > kFaceRadius - 1.2 ? kFaceEdge : kFace;
        // Radial ticks every 10 degrees, longer every 30.
        for (int degrees = 0; degrees < 360; degrees += 10) {
            const double a = degrees * kPi / 180;
            const double inner = degrees % 30 == 0 ? 30.0 : 34.5;
            const double d = SegmentDistance(x, y, kCentre + inner * std::cos(a), kCentre - inner * std::sin(a),
                                             kCentre + kTickOuter * std::cos(a), kCentre - kTickOuter * std::sin(a));
            if (d <= 0.45) {
                c = kTick;
            }
        }
        // The cross-hair: exactly pixel column 47 and row 47 across the face.
        if (std::fabs(x - kCentre) < 0.5 || std::fabs(y - kCentre) < 0.5) {
            c = kMagenta;
        }
    }
    return c;
}

void PutLittleEndian(std::vector<unsigned char>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

} // namespace

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : "res/dial.bmp";

    // Step 1: each pixel is the average of kSamples x kSamples points inside it.
    std::vector<Colour> pixels(kSize * kSize);
    for (int py = 0; py < kSize; ++py) {
        for (int px = 0; px < kSize; ++px) {
            Colour sum{0, 0, 0};
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Colour c = ColourAt(px + (sx + 0.5) / kSamples, py + (sy + 0.5) / kSamples);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            }
            const double n = kSamples * kSamples;
            pixels[py * kSize + px] = {sum.r / n, sum.g / n, sum.b / n};
        }
    }

    // Step 2: a bottom-up 24-bit BMP; rows of 95 * 3 bytes padded to a multiple of 4.
    const int rowBytes = (kSize * 3 + 3) / 4 * 4;
    const uint32_t imageBytes = static_cast<uint32_t>(rowBytes * kSize);
    std::vector<unsigned char> file;
    file.push_back('B');
    file.push_back('M');
    PutLittleEndian(file, 14 + 40 + imageBytes, 4); // file size
    PutLittleEndian(file, 0, 4);                    // reserved
    PutLittleEndian(file, 14 + 40, 4);              // offset of the pixels
    PutLittleEndian(file, 40, 4);                   // BITMAPINFOHEADER
    PutLittleEndian(file, kSize, 4);                // width
    PutLittleEndian(file, kSize, 4);                // height (positive: bottom-up)
    PutLittleEndian(file, 1, 2);                    // planes
    PutLittleEndian(file, 24, 2);                   // bits per pixel
    PutLittleEndian(file, 0, 4);                    // BI_RGB
    PutLittleEndian(file, imageBytes, 4);
    PutLittleEndian(file, 2835, 4); // 72 dpi
    PutLittleEndian(file, 2835, 4);
    PutLittleEndian(file, 0, 4); // colours used
    PutLittleEndian(file, 0, 4); // important colours
    for (int py = kSize - 1; py >= 0; --py) {
        for (int px = 0; px < kSize; ++px) {
            const Colour& c = pixels[py * kSize + px];
            file.push_back(static_cast<unsigned char>(std::lround(c.b)));
            file.push_back(static_cast<unsigned char>(std::lround(c.g)));
            file.push_back(static_cast<unsigned char>(std::lround(c.r)));
        }
        for (int pad = kSize * 3; pad < rowBytes; ++pad) {
            file.push_back(0);
        }
    }

    std::FILE* out = std::fopen(path, "wb");
    if (out == nullptr) {
        std::perror(path);
        return 1;
    }
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    if (std::fclose(out) != 0 || !written) {
        std::perror(path);
        return 1;
    }
    return 0;
}
