// Draws the program icon MYICON (32 by 32 pixels, 256 colours) and writes it as an .ico file.
// Build and run natively:  g++ -std=c++17 -O2 -Wall -Wextra -o make_icon tools/make_icon.cpp
//                          ./make_icon res/vk.ico
// Picture: a round green with a flag on its pole over the hole and a white ball in front.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSize = 32;

// Palette indices of the colours used; the other entries of the 256 stay black.
enum Colour : std::uint8_t { Black, White, LightGrey, DarkGrey, DarkGreen, Green, LightGreen, Red, DarkRed, Brown };

struct Rgb {
    std::uint8_t r, g, b;
};

const Rgb kPalette[] = {
    {0, 0, 0},       {255, 255, 255}, {200, 200, 200}, {128, 128, 128}, {20, 90, 30},
    {50, 150, 50},   {120, 200, 100}, {220, 30, 30},   {140, 10, 10},   {110, 80, 40},
};

struct Image {
    std::uint8_t pixel[kSize][kSize] = {};   // palette index, row 0 at the top
    bool opaque[kSize][kSize] = {};
};

double Distance(double x, double y, double cx, double cy)
{
    return std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
}

void Draw(Image& image)
{
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            // Pixel centres; the green is a disc of radius 15.5 round the icon's centre.
            double px = x + 0.5, py = y + 0.5;
            double r = Distance(px, py, 16.0, 16.0);
            if (r > 15.5)
                continue;
            std::uint8_t c = r > 14.0 ? DarkGreen : (py < 16.0 - (px - 16.0) * 0.3 ? LightGreen : Green);

            // The hole under the flag: a dark ellipse.
            if (std::pow((px - 21.0) / 3.0, 2) + std::pow((py - 24.0) / 1.5, 2) <= 1.0)
                c = Black;
            // The pole from the hole up.
            if (x == 21 && y >= 5 && y <= 23)
                c = Brown;
            // The flag: a triangle to the right of the pole's top.
            if (x >= 22 && y >= 5 && y <= 12) {
                double half = 3.5 * (1.0 - (x - 22) / 7.0);
                if (std::fabs(py - 8.5) <= half)
                    c = (y <= 8) ? Red : DarkRed;
            }
            // The ball: white, grey towards the lower right, with a few dimples.
            double b = Distance(px, py, 11.0, 20.0);
            if (b <= 6.0) {
                double shade = (px - 11.0) * 0.6 + (py - 20.0) * 0.8; // along the lower-right direction
                c = b > 5.2 ? DarkGrey : (shade > 2.5 ? LightGrey : White);
                if ((x == 9 && y == 18) || (x == 12 && y == 17) || (x == 10 && y == 21) || (x == 13 && y == 20))
                    c = LightGrey;
            }
            image.pixel[y][x] = c;
            image.opaque[y][x] = true;
        }
    }
}

void Put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(v & 0xff);
    out.push_back((v >> 8) & 0xff);
}

void Put32(std::vector<std::uint8_t>& out, unsigned v)
{
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

// The .ico file: directory, one entry, then the DIB (header, 256-entry palette, 8-bit colour
// rows and 1-bit transparency mask rows, both bottom-up and padded to 4 bytes).
std::vector<std::uint8_t> Encode(const Image& image)
{
    const unsigned paletteBytes = 256 * 4;
    const unsigned colourBytes = kSize * kSize;      // 32 bytes a row, already aligned
    const unsigned maskBytes = kSize * 4;            // 32 bits a row = 4 bytes
    const unsigned dibBytes = 40 + paletteBytes + colourBytes + maskBytes;

    std::vector<std::uint8_t> out;
    Put16(out, 0);       // reserved
    Put16(out, 1);       // type: icon
    Put16(out, 1);       // one image
    out.push_back(kSize);
    out.push_back(kSize);
    out.push_back(0);    // 256 colours is written as 0
    out.push_back(0);    // reserved
    Put16(out, 1);       // planes
    Put16(out, 8);       // bits per pixel
    Put32(out, dibBytes);
    Put32(out, 6 + 16);  // offset of the DIB

    Put32(out, 40);             // BITMAPINFOHEADER size
    Put32(out, kSize);          // width
    Put32(out, kSize * 2);      // height of colour plus mask
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, 0);              // no compression
    Put32(out, colourBytes + maskBytes);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 256);            // colours used
    Put32(out, 0);

    for (unsigned i = 0; i < 256; ++i) {
        Rgb c = i < sizeof kPalette / sizeof kPalette[0] ? kPalette[i] : Rgb{0, 0, 0};
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = kSize - 1; y >= 0; --y)
        for (int x = 0; x < kSize; ++x)
            out.push_back(image.pixel[y][x]);
    for (int y = kSize - 1; y >= 0; --y) {
        for (int byte = 0; byte < 4; ++byte) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (!image.opaque[y][byte * 8 + bit])
                    bits |= 0x80 >> bit; // 1: transparent
            out.push_back(bits);
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
        return 2;
    }
    Image image;
    Draw(image);
    std::vector<std::uint8_t> bytes = Encode(image);
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;
    if (!ok) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
