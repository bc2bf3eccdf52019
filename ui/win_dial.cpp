// The direction dial: its picture and lines in the main window's paint, its pointing by mouse.
#include "win_dial.h"

#include <vector>

#include "controls.h"
#include "dial_math.h"
#include "dial_picture.h"
#include "panel_inputs.h"
#include "win_main_window.h"

namespace {

// Field texts are read through buffers of this many characters (the platform's count is an int).
constexpr int kFieldBuffer = static_cast<int>(kFieldBufferSize);

constexpr COLORREF kWindColour = 0x00FFFF00;  // red 0, green 255, blue 255
constexpr COLORREF kSlopeColour = 0x0040FF00; // red 0, green 255, blue 64

// The last points pressed or dragged with the left (wind) and right (slope) button, in client
// pixels. Used by the next paint when inside the dial, then set back to (0, 0), which is outside.
DialPoint g_windPoint;
DialPoint g_slopePoint;

// The picture drawn at a size other than MYBMP's, for a display of a higher scale: drawn once per
// size and kept, because drawing it takes a good part of a second.
struct DrawnPicture {
    int size = 0;
    std::vector<unsigned char> pixels;
};
DrawnPicture g_drawn;

// Step 1 of the paint at another size than MYBMP's: the picture drawn at its size (not stretched).
void DrawScaledPicture(HDC dc, const DialGeometry& dial)
{
    if (g_drawn.size != dial.size) {
        g_drawn.pixels = DialPicture(dial.size);
        g_drawn.size = dial.size;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = dial.size;
    info.bmiHeader.biHeight = dial.size; // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, dial.origin.x, dial.origin.y, dial.size, dial.size, 0, 0, 0, dial.size, g_drawn.pixels.data(),
                      &info, DIB_RGB_COLORS);
}

// Step 1 of the paint: copies the picture MYBMP, loaded from the main window's instance, to the dial's place.
void DrawPicture(HWND window, HDC dc, const DialGeometry& dial)
{
    if (dial.size != kDialPictureSize) {
        DrawScaledPicture(dc, dial);
        return;
    }
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    HBITMAP picture = LoadBitmapA(instance, "MYBMP");
    if (picture == nullptr) {
        return; // a program without the resource shows the lines alone
    }
    BITMAP size = {};
    GetObjectA(picture, sizeof size, &size);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, picture);
    StretchBlt(dc, dial.origin.x, dial.origin.y, size.bmWidth, size.bmHeight, memory, 0, 0, size.bmWidth,
               size.bmHeight, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(picture);
}

// Writes a pointed value's text into a Situation field and then into its Navigation mirror.
void WriteValue(HWND window, int field, int mirror, const char* text)
{
    SetWindowTextA(GetDlgItem(window, field), text);
    SetWindowTextA(GetDlgItem(window, mirror), text);
}

// Step 3: the wind line, from the pointed place or from the direction field.
void DrawWindLine(HWND window, HDC dc, const DialGeometry& dial)
{
    DialPoint end;
    if (InDialArea(dial, g_windPoint)) {
        const PointedWind wind = PointWind(dial, g_windPoint);
        end = wind.end;
        MoveToEx(dc, dial.centre.x, dial.centre.y, nullptr);
        LineTo(dc, end.x, end.y);
        WriteValue(window, IDC_DIRECTION, IDC_NAV_DIRECTION, wind.text);
        g_windPoint = DialPoint{};
        SendCalcCommand();
        return;
    }
    char text[kFieldBuffer] = {};
    GetDlgItemTextA(window, IDC_DIRECTION, text, kFieldBuffer);
    end = WindLineEnd(dial, text);
    MoveToEx(dc, dial.centre.x, dial.centre.y, nullptr);
    LineTo(dc, end.x, end.y);
}

// Step 5: the slope line through the centre, from the pointed place or from the slope field.
void DrawSlopeLine(HWND window, HDC dc, const DialGeometry& dial)
{
    if (InDialArea(dial, g_slopePoint)) {
        const PointedSlope slope = PointSlope(dial, g_slopePoint);
        MoveToEx(dc, dial.centre.x, dial.centre.y, nullptr);
        LineTo(dc, slope.line.end1.x, slope.line.end1.y);
        LineTo(dc, slope.line.end2.x, slope.line.end2.y);
        WriteValue(window, IDC_SLOPE, IDC_NAV_SLOPE, slope.text);
        SendCalcCommand();
        g_slopePoint = DialPoint{};
        return;
    }
    char text[kFieldBuffer] = {};
    GetDlgItemTextA(window, IDC_SLOPE, text, kFieldBuffer);
    const SlopeLine line = SlopeLineEnds(dial, text);
    MoveToEx(dc, dial.centre.x, dial.centre.y, nullptr);
    LineTo(dc, line.end1.x, line.end1.y);
    LineTo(dc, line.end2.x, line.end2.y);
}

// A press: inside the dial it records the point and repaints (with erasing); outside it
// recalculates and gives the focus to the wind power list.
void Press(HWND window, const DialGeometry& dial, DialPoint& stored, DialPoint p)
{
    stored = p;
    if (InDialArea(dial, p)) {
        InvalidateRect(window, nullptr, TRUE);
        return;
    }
    SendCalcCommand();
    SetFocus(GetDlgItem(window, IDC_WIND_POWER));
}

// A move with the button held: records the point; inside the dial it repaints without erasing.
void Drag(HWND window, const DialGeometry& dial, DialPoint& stored, DialPoint p)
{
    stored = p;
    if (InDialArea(dial, p)) {
        InvalidateRect(window, nullptr, FALSE);
    }
}

} // namespace

void DrawDial(HWND window, HDC dc, int dpi)
{
    const DialGeometry dial = DialAt(dpi);
    // Step 1: the picture.
    DrawPicture(window, dc, dial);
    // Step 2: both pens, made and destroyed in every paint.
    HPEN windPen = CreatePen(PS_SOLID, dial.penWidth, kWindColour);
    HPEN slopePen = CreatePen(PS_SOLID, dial.penWidth, kSlopeColour);
    HGDIOBJ previousPen = SelectObject(dc, windPen);
    // Step 3: the wind line.
    DrawWindLine(window, dc, dial);
    // Step 4: the slope pen.
    SelectObject(dc, slopePen);
    DeleteObject(windPen);
    // Step 5: the slope line.
    DrawSlopeLine(window, dc, dial);
    // Step 6: release the slope pen.
    SelectObject(dc, previousPen);
    DeleteObject(slopePen);
}

void DialMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int dpi)
{
    const DialGeometry dial = DialAt(dpi);
    const DialPoint p = DialPointFromLParam(static_cast<std::uintptr_t>(lParam));
    switch (message) {
    case WM_LBUTTONDOWN:
        Press(window, dial, g_windPoint, p);
        break;
    case WM_RBUTTONDOWN:
        Press(window, dial, g_slopePoint, p);
        break;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON) {
            Drag(window, dial, g_windPoint, p);
        }
        if (wParam & MK_RBUTTON) {
            Drag(window, dial, g_slopePoint, p);
        }
        break;
    default:
        break;
    }
}
