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

// The slope line: from the centre to end1, then from end1 to end2, through the centre.
struct SlopeLine {
    DialPoint end1;
    DialPoint end2;
};

// A value set by pointing on the dial: when pointed, its text goes into the Situation field and
// its Navigation mirror, the point is forgotten and the results are recalculated.
struct PointedValue {
    bool pointed = false;
    char text[kDecimalTextSize] = {};
};

// Everything one paint of the dial draws and writes.
struct DialPaint {
    DialGeometry dial; // the picture's place and size, the centre, the pen width
    DialPoint windEnd; // the wind line runs from the centre to here
    SlopeLine slopeLine;
    PointedValue wind;  // for 340 and 810
    PointedValue slope; // for 350 and 820
};

// The mouse point of a mouse message: the low and high 16 bits of lParam, unsigned.
DialPoint DialPointFromLParam(std::uintptr_t lParam);

// True when p lies in the sensitive area: the picture and one pixel more to the right and below,
// at 96 DPI 10 <= x <= 105 and 601 <= y <= 696.
bool InDialArea(const DialGeometry& dial, DialPoint p);

// The paint of the dial at dpi. A point inside the sensitive area (the last one pressed or dragged
// with the left button, windPoint, or the right one, slopePoint) sets its line and value: a
// direction from -180 up to below 180, a slope from -18 to 18. Otherwise the line follows its
// field's text (degrees counter-clockwise, or slope units of 5 degrees clockwise; the leading
// number, 0 if none), a multiple of 90 degrees ending exactly on the centre's column or row.
DialPaint PlanDialPaint(int dpi, DialPoint windPoint, DialPoint slopePoint, const char* directionText,
                        const char* slopeText);
