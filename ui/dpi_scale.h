// Pixel figures of the panel at a display's scale: every figure is given for 96 DPI and scaled.
#pragma once

// The scale that the panel's figures are given for: 96 pixels per inch (100 %).
constexpr int kBaseDpi = 96;

struct PixelSize {
    int width = 0;
    int height = 0;
};

// v pixels at 96 DPI at dpi pixels per inch, to the nearest pixel with halves away from zero,
// as the platform's MulDiv(v, dpi, 96) rounds. dpi is positive.
int ScaleToDpi(int v, int dpi);
