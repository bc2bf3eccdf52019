// The direction dial: its picture and lines in the main window's paint, its pointing by mouse.
#include "win_dial.h"

#include "controls.h"
#include "dial_math.h"
#include "win_panel.h"

namespace {

// Field texts are read through buffers of 9 characters.
constexpr int kFieldBuffer = 9;

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

// Writes a pointed value's text into a Situation field and then into its Navigation mirror.
void WriteValue(HWND window, int field, int mirror, const char* text)
{
    SetWindowTextA(GetDlgItem(window, field), text);
    SetWindowTextA(GetDlgItem(window, mirror), text);
}

// Step 3: the wind line, from the pointed place or from the direction field.
void DrawWindLine(HWND window, HDC dc)
{
    DialPoint end;
    if (InDialArea(g_windPoint)) {
        const PointedWind wind = PointWind(g_windPoint);
        end = wind.end;
        MoveToEx(dc, kDialCentre.x, kDialCentre.y, nullptr);
        LineTo(dc, end.x, end.y);
        WriteValue(window, IDC_DIRECTION, IDC_NAV_DIRECTION, wind.text);
        g_windPoint = DialPoint{};
        SendCalcCommand();
        return;
    }
    char text[kFieldBuffer] = {};
    GetDlgItemTextA(window, IDC_DIRECTION, text, kFieldBuffer);
    end = WindLineEnd(text);
    MoveToEx(dc, kDialCentre.x, kDialCentre.y, nullptr);
    LineTo(dc, end.x, end.y);
}

// Step 5: the slope line through the centre, from the pointed place or from the slope field.
void DrawSlopeLine(HWND window, HDC dc)
{
    if (InDialArea(g_slopePoint)) {
        const PointedSlope slope = PointSlope(g_slopePoint);
        MoveToEx(dc, kDialCentre.x, kDialCentre.y, nullptr);
        LineTo(dc, slope.line.end1.x, slope.line.end1.y);
        LineTo(dc, slope.line.end2.x, slope.line.end2.y);
        WriteValue(window, IDC_SLOPE, IDC_NAV_SLOPE, slope.text);
        SendCalcCommand();
        g_slopePoint = DialPoint{};
        return;
    }
    char text[kFieldBuffer] = {};
    GetDlgItemTextA(window, IDC_SLOPE, text, kFieldBuffer);
    const SlopeLine line = SlopeLineEnds(text);
    MoveToEx(dc, kDialCentre.x, kDialCentre.y, nullptr);
    LineTo(dc, line.end1.x, line.end1.y);
    LineTo(dc, line.end2.x, line.end2.y);
}

// A press: inside the dial it records the point and repaints (with erasing); outside it
// recalculates and gives the focus to the wind power list.
void Press(HWND window, DialPoint& stored, DialPoint p)
{
    stored = p;
    if (InDialArea(p)) {
        InvalidateRect(window, nullptr, TRUE);
        return;
    }
    SendCalcCommand();
    SetFocus(GetDlgItem(window, IDC_WIND_POWER));
}

// A move with the button held: records the point; inside the dial it repaints without erasing.
void Drag(HWND window, DialPoint& stored, DialPoint p)
{
    stored = p;
    if (InDialArea(p)) {
        InvalidateRect(window, nullptr, FALSE);
    }
}

} // namespace

void DrawDial(HWND window, HDC dc)
{
    // Step 1: the picture.
    DrawPicture(window, dc);
    // Step 2: both pens, made and destroyed in every paint.
    HPEN windPen = CreatePen(PS_SOLID, 1, kWindColour);
    HPEN slopePen = CreatePen(PS_SOLID, 1, kSlopeColour);
    HGDIOBJ previousPen = SelectObject(dc, windPen);
    // Step 3: the wind line.
    DrawWindLine(window, dc);
    // Step 4: the slope pen.
    SelectObject(dc, slopePen);
    DeleteObject(windPen);
    // Step 5: the slope line.
    DrawSlopeLine(window, dc);
    // Step 6: release the slope pen.
    SelectObject(dc, previousPen);
    DeleteObject(slopePen);
}

void DialMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const DialPoint p = DialPointFromLParam(static_cast<std::uintptr_t>(lParam));
    switch (message) {
    case WM_LBUTTONDOWN:
        Press(window, g_windPoint, p);
        break;
    case WM_RBUTTONDOWN:
        Press(window, g_slopePoint, p);
        break;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON) {
            Drag(window, g_windPoint, p);
        }
        if (wParam & MK_RBUTTON) {
            Drag(window, g_slopePoint, p);
        }
        break;
    default:
        break;
    }
}
