// The direction dial: its picture and lines in the main window's paint, its pointing by mouse.
#include "win_dial.h"

#include <initializer_list>

#include "controls.h"
#include "panel_inputs.h"
#include "win_panel.h"

namespace {

// Field texts are read through buffers of this many characters (the platform's count is an int).
constexpr int kFieldBuffer = static_cast<int>(kFieldBufferSize);

constexpr COLORREF kWindColour = 0x00FFFF00;  // red 0, green 255, blue 255
constexpr COLORREF kSlopeColour = 0x0040FF00; // red 0, green 255, blue 64

// The last points pressed or dragged with the left (wind) and right (slope) button, in client
// pixels. Used by the next paint when inside the dial, then set back to (0, 0), which is outside.
DialPoint g_windPoint;
DialPoint g_slopePoint;

// Step 1 of the paint: copies the picture MYBMP, loaded from the main window's instance, to the dial's place.
void DrawPicture(HWND window, HDC dc)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    HBITMAP picture = LoadBitmapA(instance, "MYBMP");
    if (picture == nullptr) {
        return; // a program without the resource shows the lines alone
    }
    BITMAP size = {};
    GetObjectA(picture, sizeof size, &size);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, picture);
    StretchBlt(dc, kDialOrigin.x, kDialOrigin.y, size.bmWidth, size.bmHeight, memory, 0, 0, size.bmWidth,
               size.bmHeight, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(picture);
}

// Draws from the dial's centre through points with a pen of its own, made and destroyed here.
// A pen that cannot be made (or selected) draws nothing and leaves the device context as it was;
// the pen is deleted only once the previous one is selected back.
void DrawFromCentre(HDC dc, COLORREF colour, std::initializer_list<DialPoint> points)
{
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    if (pen == nullptr)
        return;
    HGDIOBJ previous = SelectObject(dc, pen);
    if (previous != nullptr) {
        MoveToEx(dc, kDialCentre.x, kDialCentre.y, nullptr);
        for (const DialPoint p : points)
            LineTo(dc, p.x, p.y);
        SelectObject(dc, previous);
    }
    DeleteObject(pen);
}

// A pointed value: its text goes into a Situation field and then into its Navigation mirror,
// the point is forgotten, then the results are recalculated.
void TakePointedValue(HWND window, DialPoint& point, int field, int mirror, const char* text)
{
    SetWindowTextA(GetDlgItem(window, field), text);
    SetWindowTextA(GetDlgItem(window, mirror), text);
    point = DialPoint{};
    SendCalcCommand();
}

// Steps 2 and 3: the wind line, from the pointed place or from the direction field.
void DrawWindLine(HWND window, HDC dc)
{
    if (InDialArea(g_windPoint)) {
        const PointedWind wind = PointWind(g_windPoint);
        DrawFromCentre(dc, kWindColour, {wind.end});
        TakePointedValue(window, g_windPoint, IDC_DIRECTION, IDC_NAV_DIRECTION, wind.text);
        return;
    }
    char text[kFieldBuffer] = {};
    GetDlgItemTextA(window, IDC_DIRECTION, text, kFieldBuffer);
    DrawFromCentre(dc, kWindColour, {WindLineEnd(text)});
}

// Steps 4 and 5: the slope line through the centre, from the pointed place or from the slope field.
void DrawSlopeLine(HWND window, HDC dc)
{
    if (InDialArea(g_slopePoint)) {
        const PointedSlope slope = PointSlope(g_slopePoint);
        DrawFromCentre(dc, kSlopeColour, {slope.line.end1, slope.line.end2});
        TakePointedValue(window, g_slopePoint, IDC_SLOPE, IDC_NAV_SLOPE, slope.text);
        return;
    }
    char text[kFieldBuffer] = {};
    GetDlgItemTextA(window, IDC_SLOPE, text, kFieldBuffer);
    const SlopeLine line = SlopeLineEnds(text);
    DrawFromCentre(dc, kSlopeColour, {line.end1, line.end2});
}

// The point that a button's presses and drags record.
DialPoint& StoredPoint(DialButton button)
{
    return button == DialButton::Wind ? g_windPoint : g_slopePoint;
}

} // namespace

void DrawDial(HWND window, HDC dc)
{
    // Step 1: the picture.
    DrawPicture(window, dc);
    // Steps 2 to 6: each line with its own pen, made and destroyed in every paint.
    DrawWindLine(window, dc);
    DrawSlopeLine(window, dc);
}

void DialPress(HWND window, DialButton button, DialPoint p)
{
    StoredPoint(button) = p;
    if (InDialArea(p)) {
        InvalidateRect(window, nullptr, TRUE);
        return;
    }
    SendCalcCommand();
    SetFocus(GetDlgItem(window, IDC_WIND_POWER));
}

void DialDrag(HWND window, DialButton button, DialPoint p)
{
    StoredPoint(button) = p;
    if (InDialArea(p)) {
        InvalidateRect(window, nullptr, FALSE);
    }
}
