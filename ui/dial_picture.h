// The dial picture drawn at any size: the 95-pixel one is res/dial.bmp, larger ones are drawn
// afresh for displays of a higher scale rather than stretched.
#pragma once

#include <cstddef>
#include <vector>

// Width and height of the picture MYBMP (res/dial.bmp), for the dial at 96 DPI.
constexpr int kDialPictureSize = 95;

// Bytes of one row of a 24-bit picture size pixels wide: 3 per pixel, padded to a multiple of 4.
std::size_t DialPictureRowBytes(int size);

// The picture, size by size pixels (size odd, 3 or more), centred on its middle pixel: a grey
// square, a light ring of dots (black at the four cardinal points, red every 30 degrees), a dark
// face with radial ticks and a magenta cross-hair through the middle pixel's column and row.
// Rows bottom-up, each pixel blue, green, red, rows padded as DialPictureRowBytes says (the
// layout of a 24-bit BMP file's pixels and of a device-independent bitmap).
std::vector<unsigned char> DialPicture(int size);
