// Pixel figures of the panel at a display's scale.
#include "dpi_scale.h"

int ScaleToDpi(int v, int dpi)
{
    const long long product = static_cast<long long>(v) * dpi;
    const long long half = kBaseDpi / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / kBaseDpi);
}

PixelSize MainWindowSize(int dpi, PixelSize frame)
{
    return {ScaleToDpi(kClientWidth, dpi) + frame.width, ScaleToDpi(kClientHeight, dpi) + frame.height};
}

int FittedDpi(int monitorDpi, int workHeight, int frameHeight)
{
    const int lowest = (monitorDpi * 3 + 3) / 4; // 75 %, rounded up
    for (int dpi = monitorDpi; dpi > lowest; --dpi)
        if (ScaleToDpi(kClientHeight, dpi) + frameHeight <= workHeight)
            return dpi;
    return lowest;
}
