// Writes the dial picture MYBMP (95 by 95, 24 bits per pixel; ui/dial_picture.cpp draws it) as a
// BMP file, res/dial.bmp unless another path is given. Built with the native tree (make native).
//
// Drawn at (10, 601) in the main window, the picture's middle pixel (47, 47) lies on the dial's
// centre (57, 648).
#include <cstdint>
#include <cstdio>
#include <vector>

#include "dial_picture.h"

namespace {

constexpr int kSize = kDialPictureSize;

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

    // The pixels, bottom-up rows padded to a multiple of 4 bytes as a BMP file keeps them.
    const std::vector<unsigned char> pixels = DialPicture(kSize);

    // The file and bitmap headers.
    const uint32_t imageBytes = static_cast<uint32_t>(pixels.size());
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
    file.insert(file.end(), pixels.begin(), pixels.end());

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
