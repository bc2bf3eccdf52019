// The direction dial (placeholder until it is built).
#include "win_dial.h"

void DrawDial(HWND, HDC)
{
}

void DialMouse(HWND, UINT, WPARAM, LPARAM)
{
}
