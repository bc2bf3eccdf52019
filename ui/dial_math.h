// Angle maths of the direction dial: pointed pixels to field texts, field texts to line end points.
#pragma once

#include <cstdint>

#include "decimal_text.h"
#include "dpi_scale.h"

// A pixel in the main window's client area.
struct DialPoint {
    int x = 0;
    int y = 0;
};

inline bool operator==(DialPoint a, DialPoint b) { return a.x == b.x && a.y == b.y; }

// The dial at one display scale, in client pixels.
struct DialGeometry {
    DialPoint origin; // the picture's top-left corner; the picture is drawn at its own size
    DialPoint centre; // the picture's middle pixel
    int size;         // the picture's width and height, odd
    int windLength;   // of the line from the centre
    int slopeLength;  // of the line to each side of the centre
    int penWidth;     // of both lines
};

// The dial at dpi: at 96 DPI centred on (57, 648), the picture 95 pixels from (10, 601), lines of
// 45 and 40 pixels, pens 1 pixel wide. At other scales the centre, the picture's half width (47),
// the lengths and the width are each scaled, so that the picture stays centred on the centre.
DialGeometry DialAt(int dpi);

// The wind line runs from the centre to end; the slope line from the centre to end1, then to end2.
struct SlopeLine {
    DialPoint end1;
    DialPoint end2;
};

// A direction set by pointing: the wind line's end and the text written into 340 and 810.
struct PointedWind {
    DialPoint end;
    char text[kDecimalTextSize];
};

// A slope set by pointing: the slope line and the text written into 350 and 820.
struct PointedSlope {
    SlopeLine line;
    char text[kDecimalTextSize];
};

// The mouse point of a mouse message: the low and high 16 bits of lParam, unsigned.
DialPoint DialPointFromLParam(std::uintptr_t lParam);

// True when p lies in the sensitive area: the picture and one pixel more to the right and below,
// at 96 DPI 10 <= x <= 105 and 601 <= y <= 696.
bool InDialArea(const DialGeometry& dial, DialPoint p);

// The wind direction pointed at p (a left press or drag on the dial).
PointedWind PointWind(const DialGeometry& dial, DialPoint p);

// The slope pointed at p (a right press or drag on the dial), from -18 to 18.
PointedSlope PointSlope(const DialGeometry& dial, DialPoint p);

// End of the wind line for the text of the direction field (degrees, leading number, 0 if none).
DialPoint WindLineEnd(const DialGeometry& dial, const char* directionText);

// Ends of the slope line for the text of the slope field (slope units of 5 degrees).
SlopeLine SlopeLineEnds(const DialGeometry& dial, const char* slopeText);
