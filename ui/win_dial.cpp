// The direction dial: its picture and lines in the main window's paint, its pointing by mouse.
#include "win_dial.h"

#include <initializer_list>
#include <vector>

#include "controls.h"
#include "dial_picture.h"
#include "key_table.h"
#include "win_panel.h"

namespace {

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
DrawnPicture g_scaledPicture;

// The picture at a size other than MYBMP's: drawn at its size (not stretched).
void DrawScaledPicture(HDC dc, const DialGeometry& dial)
{
    if (g_scaledPicture.size != dial.size) {
        g_scaledPicture.pixels = DialPicture(dial.size);
        g_scaledPicture.size = dial.size;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = dial.size;
    info.bmiHeader.biHeight = dial.size; // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, dial.origin.x, dial.origin.y, dial.size, dial.size, 0, 0, 0, dial.size, g_scaledPicture.pixels.data(),
                      &info, DIB_RGB_COLORS);
}

// The picture: MYBMP, loaded from the main window's instance, copied to the dial's place.
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

// Draws from the dial's centre through points with a pen of its own, made and destroyed here.
// A pen that cannot be made (or selected) draws nothing and leaves the device context as it was;
// the pen is deleted only once the previous one is selected back.
void DrawFromCentre(HDC dc, const DialGeometry& dial, COLORREF colour, std::initializer_list<DialPoint> points)
{
    HPEN pen = CreatePen(PS_SOLID, dial.penWidth, colour);
    if (pen == nullptr)
        return;
    HGDIOBJ previous = SelectObject(dc, pen);
    if (previous != nullptr) {
        MoveToEx(dc, dial.centre.x, dial.centre.y, nullptr);
        for (const DialPoint p : points)
            LineTo(dc, p.x, p.y);
        SelectObject(dc, previous);
    }
    DeleteObject(pen);
}

// A pointed value: its text goes into a Situation field and then into its Navigation mirror,
// the point is forgotten, then the results are recalculated.
void TakePointedValue(HWND window, DialPoint& point, int field, const PointedValue& value)
{
    if (!value.pointed)
        return;
    SetWindowTextA(GetDlgItem(window, field), value.text);
    SetWindowTextA(GetDlgItem(window, MirrorTarget(field)), value.text);
    point = DialPoint{};
    SendCalcCommand();
}

// The point that a button's presses and drags record.
DialPoint& StoredPoint(DialButton button)
{
    return button == DialButton::Wind ? g_windPoint : g_slopePoint;
}

} // namespace

void DrawDial(HWND window, HDC dc, int dpi)
{
    const DialPaint paint = PlanDialPaint(dpi, g_windPoint, g_slopePoint, FieldText(window, IDC_DIRECTION).c_str(),
                                          FieldText(window, IDC_SLOPE).c_str());
    DrawPicture(window, dc, paint.dial);
    // Each line with its own pen, made and destroyed in every paint; a pointed value is written,
    // and recalculated, right after its line.
    DrawFromCentre(dc, paint.dial, kWindColour, {paint.windEnd});
    TakePointedValue(window, g_windPoint, IDC_DIRECTION, paint.wind);
    DrawFromCentre(dc, paint.dial, kSlopeColour, {paint.slopeLine.end1, paint.slopeLine.end2});
    TakePointedValue(window, g_slopePoint, IDC_SLOPE, paint.slope);
}

void DialPress(HWND window, DialButton button, DialPoint p, int dpi)
{
    StoredPoint(button) = p;
    if (InDialArea(DialAt(dpi), p)) {
        InvalidateRect(window, nullptr, TRUE);
        return;
    }
    SendCalcCommand();
    SetFocus(GetDlgItem(window, IDC_WIND_POWER));
}

void DialDrag(HWND window, DialButton button, DialPoint p, int dpi)
{
    StoredPoint(button) = p;
    if (InDialArea(DialAt(dpi), p)) {
        RepaintDial(window, dpi);
    }
}

void RepaintDial(HWND window, int dpi)
{
    const DialGeometry dial = DialAt(dpi);
    // The picture and the sensitive area, one pixel wider and taller; the lines lie inside.
    const RECT area = {dial.origin.x, dial.origin.y, dial.origin.x + dial.size + 1, dial.origin.y + dial.size + 1};
    InvalidateRect(window, &area, FALSE);
}
