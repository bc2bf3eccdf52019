// The main window: builds the panel at creation, loads the stored inputs, paints the labels,
// hands commands to the calculator and mouse input to the dial, saves the settings at the end.
#include "win_main_window.h"

#include <algorithm>

#include "controls.h"
#include "dpi_scale.h"
#include "panel_inputs.h"
#include "win_dial.h"
#include "win_dpi.h"
#include "win_overlay.h"
#include "win_panel.h"
#include "win_settings.h"
#include "win_subclass.h"

namespace {

// One child control: everything that differs between the 34 is data.
struct ControlEntry {
    int id;
    const char* className;
    const char* text;
    DWORD style; // besides WS_CHILD and WS_VISIBLE
    int x, y, width, height; // client pixels at 96 DPI; a list's height is that of its opened list
    bool bold;
};

constexpr DWORD kListStyle = WS_BORDER | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kFrameStyle = WS_GROUP | BS_GROUPBOX;

// The panel in creation order. Radio groups follow the WS_GROUP flags in this order.
const ControlEntry kControls[] = {
    {IDC_CHARA_GROUP, "BUTTON", "Charactor", kFrameStyle, 3, 3, 109, 110, false},
    {IDC_POWER, "COMBOBOX", "", kListStyle, 57, 20, 40, 180, false},
    {IDC_SPIN, "COMBOBOX", "", kListStyle, 57, 42, 40, 200, false},
    {IDC_CLUB, "COMBOBOX", "", kListStyle, 57, 64, 40, 200, false},
    {IDC_CRIMSON_RING, "BUTTON", "Crimson Ring", BS_AUTOCHECKBOX | BS_LEFTTEXT, 11, 87, 85, 20, false},
    {IDC_CONDITION_GROUP, "BUTTON", "Condition", kFrameStyle, 3, 114, 109, 116, false},
    {IDC_RAIN, "BUTTON", " Rain / Snow", BS_AUTOCHECKBOX, 9, 129, 80, 20, false},
    {IDC_FAIRWAY_100, "BUTTON", "Fareway - 100%", WS_GROUP | BS_AUTORADIOBUTTON, 7, 148, 100, 20, false},
    {IDC_FAIRWAY_95, "BUTTON", "95%", BS_AUTORADIOBUTTON, 7, 167, 40, 20, false},
    {IDC_FAIRWAY_90, "BUTTON", "90%", BS_AUTORADIOBUTTON, 59, 167, 40, 20, false},
    {IDC_FAIRWAY_85, "BUTTON", "85%", BS_AUTORADIOBUTTON, 7, 186, 40, 20, false},
    {IDC_FAIRWAY_80, "BUTTON", "80%", BS_AUTORADIOBUTTON, 59, 186, 40, 20, false},
    {IDC_FAIRWAY_75, "BUTTON", "75%", BS_AUTORADIOBUTTON, 7, 205, 40, 20, false},
    {IDC_SITUATION_GROUP, "BUTTON", "Situation", kFrameStyle, 3, 231, 109, 126, false},
    {IDC_WIND_POWER, "COMBOBOX", "", kListStyle, 57, 248, 40, 200, false},
    {IDC_DISTANCE, "EDIT", "", ES_RIGHT, 58, 274, 38, 13, false},
    {IDC_HEIGHT, "EDIT", "", ES_RIGHT, 58, 294, 38, 13, false},
    {IDC_DIRECTION, "EDIT", "", ES_RIGHT, 58, 314, 38, 13, false},
    {IDC_SLOPE, "EDIT", "", ES_RIGHT, 58, 334, 38, 13, false},
    {IDC_CALCULATE, "BUTTON", "Calculation!!", BS_PUSHBUTTON, 3, 359, 109, 19, false},
    {IDC_TOMAHAWK_GROUP, "BUTTON", "Tomahawk", kFrameStyle, 3, 379, 109, 60, false},
    {IDC_TOMAHAWK_DRIFT, "EDIT", "", ES_READONLY | ES_RIGHT, 55, 397, 38, 13, true},
    {IDC_TOMAHAWK_SHOT, "EDIT", "", ES_READONLY | ES_RIGHT, 55, 417, 38, 13, true},
    {IDC_BACKSPIN_GROUP, "BUTTON", "Back Spin", kFrameStyle, 3, 440, 109, 60, false},
    {IDC_BACKSPIN_DRIFT, "EDIT", "", ES_READONLY | ES_RIGHT, 55, 458, 38, 13, false},
    {IDC_BACKSPIN_SHOT, "EDIT", "", ES_READONLY | ES_RIGHT, 55, 478, 38, 13, false},
    {IDC_BEAM_GROUP, "BUTTON", "Beam Impact", kFrameStyle, 3, 501, 109, 82, false},
    {IDC_BEAM_6I, "BUTTON", "6I", BS_AUTORADIOBUTTON, 45, 517, 30, 20, false},
    {IDC_BEAM_9I, "BUTTON", "9I", BS_AUTORADIOBUTTON, 77, 517, 30, 20, false},
    {IDC_BEAM_DRIFT, "EDIT", "", ES_READONLY | ES_RIGHT, 55, 540, 38, 13, false},
    {IDC_BEAM_SHOT, "EDIT", "", ES_READONLY | ES_RIGHT, 55, 560, 38, 13, false},
    {IDC_NAVIGATION_GROUP, "BUTTON", "Navigation", kFrameStyle, 3, 584, 109, 133, false},
    {IDC_NAV_DIRECTION, "EDIT", "", ES_RIGHT, 15, 699, 38, 13, false},
    {IDC_NAV_SLOPE, "EDIT", "", ES_RIGHT, 62, 699, 38, 13, false},
};

// Label texts in code page 932 (Shift-JIS); 0xDF alone is the half-width semi-voiced mark
// used as a degree sign.
constexpr const char* kPower = "\x83\x70\x83\x8f\x81\x5b";               // パワー
constexpr const char* kSpin = "\x83\x58\x83\x73\x83\x93";                // スピン
constexpr const char* kClub = "\x83\x4e\x83\x89\x83\x75";                // クラブ
constexpr const char* kWindPower = "\x95\x97\x97\xcd";                   // 風力
constexpr const char* kDistance = "\x8e\x63\x8b\x97\x97\xa3";            // 残距離
constexpr const char* kHeight = "\x8d\x82\x92\xe1\x8d\xb7";              // 高低差
constexpr const char* kDirection = "\x95\x97\x8c\xfc\x82\xab";           // 風向き
constexpr const char* kSlope = "\x8c\x58\x8e\xce";                       // 傾斜
constexpr const char* kDrift = "\x89\xa1\x83\x59\x83\x8c";               // 横ズレ
constexpr const char* kShot = "\x83\x56\x83\x87\x83\x62\x83\x67";        // ショット
constexpr const char* kDegree = "\xdf";                                  // ﾟ

// One painted label: the top-left corner of its text in client pixels, and the text in code page 932.
struct PanelLabel {
    int x, y;
    const char* text;
};

// The 26 labels in painting order.
const PanelLabel kLabels[] = {
    {13, 25, kPower},     {13, 47, kSpin},      {13, 69, kClub},      {12, 253, kWindPower},
    {97, 253, "m"},       {12, 274, kDistance}, {97, 274, "y"},       {12, 294, kHeight},
    {97, 294, "m"},       {12, 314, kDirection}, {97, 314, kDegree},  {12, 334, kSlope},
    {12, 398, kDrift},    {94, 397, "y"},       {12, 417, kShot},     {94, 417, "%"},
    {12, 459, kDrift},    {93, 458, "y"},       {12, 478, kShot},     {93, 478, "%"},
    {13, 520, kClub},     {12, 541, kDrift},    {93, 540, "y"},       {12, 560, kShot},
    {93, 560, "%"},       {54, 699, kDegree},
};

// The two fonts, alive from creation to destruction of the main window (remade at a new scale).
HFONT g_normalFont = nullptr;
HFONT g_boldFont = nullptr;

// Font height of both fonts at 96 DPI, in pixels.
constexpr int kFontHeight = 13;

// The display scale the panel is laid out at, in pixels per inch.
int g_dpi = kBaseDpi;

// The system menu's item that keeps the window above all others. Below the system's own commands
// (0xF000 on) and a multiple of 16: the system uses the low four bits of WM_SYSCOMMAND's wParam.
constexpr UINT kTopMostCommand = 0x0010;
constexpr const char* kTopMostText = "&Always on top"; // Alt+Space, A

// True from a completed creation until the window is destroyed: only a whole panel is saved.
bool g_panelBuilt = false;

// A font of the given height, weight, character set and face; everything else default.
HFONT MakeFont(int height, int weight, DWORD charset, const char* face)
{
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

// Fills the list id, if id is one, with the items the panel's description names for it: adds them
// in order, then selects its start-up item by text (CB_SELECTSTRING from index 0).
void FillList(HWND list, int id)
{
    for (const PanelInput& input : PanelInputs()) {
        if (input.id != id || input.kind != InputKind::List)
            continue;
        for (int i = 0; i < input.itemCount; ++i)
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(input.items[i]));
        SendMessageA(list, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(input.start));
    }
}

void DeleteFonts()
{
    DeleteObject(g_normalFont);
    DeleteObject(g_boldFont);
    g_normalFont = nullptr;
    g_boldFont = nullptr;
}

// Both fonts at the panel's scale, given to the controls (redrawn when redraw is set) in place of
// any earlier ones, which are deleted; false, with the earlier ones kept, when one cannot be made.
bool SetFonts(HWND window, BOOL redraw)
{
    // Both ask for the Shift-JIS character set, so that TextOutA reads the labels' code page 932
    // bytes as such whatever the system's own code page.
    HFONT normal = MakeFont(ScaleToDpi(kFontHeight, g_dpi), 0, SHIFTJIS_CHARSET, "tahoma");
    HFONT bold = MakeFont(ScaleToDpi(kFontHeight, g_dpi), FW_BOLD, SHIFTJIS_CHARSET, "tahoma");
    if (normal == nullptr || bold == nullptr) {
        DeleteObject(normal);
        DeleteObject(bold);
        return false;
    }
    for (const ControlEntry& entry : kControls)
        SendDlgItemMessageA(window, entry.id, WM_SETFONT, reinterpret_cast<WPARAM>(entry.bold ? bold : normal), redraw);
    DeleteFonts();
    g_normalFont = normal;
    g_boldFont = bold;
    return true;
}

// The system menu's "Always on top" item, ticked when the window is topmost.
void CheckTopMostItem(HWND window)
{
    const UINT tick = IsTopMost(window) ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(GetSystemMenu(window, FALSE), kTopMostCommand, MF_BYCOMMAND | tick);
}

// Puts the window above all others or back among them, and ticks the item to match.
void ToggleTopMost(HWND window)
{
    SetWindowPos(window, IsTopMost(window) ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CheckTopMostItem(window);
}

// The window's style, whose frame the system draws.
DWORD MainStyle(HWND window)
{
    return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
}

// The scale to lay the panel out at for a window at place (dpi: the window's own scale), and the
// work area of the monitor it is on.
struct MonitorLayout {
    int dpi;
    RECT work;
};
MonitorLayout LayoutDpi(HWND window, int dpi, const RECT& place)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &info))
        return {dpi, place}; // no monitor to fit: as it is
    const int frame = FrameSizeAt(dpi, MainStyle(window)).height;
    return {FittedDpi(dpi, info.rcWork.bottom - info.rcWork.top, frame), info.rcWork};
}

// Builds the panel; false when a control or a font cannot be made, which fails the window's creation.
bool OnCreate(HWND window, const CREATESTRUCTA* create)
{
    RECT place;
    GetWindowRect(window, &place);
    g_dpi = LayoutDpi(window, WindowDpi(window), place).dpi;

    // The window cannot be sized, minimised or maximised from its system menu; it can be
    // kept on top, by the item after Move.
    HMENU menu = GetSystemMenu(window, FALSE);
    RemoveMenu(menu, SC_RESTORE, MF_BYCOMMAND);
    RemoveMenu(menu, SC_SIZE, MF_BYCOMMAND);
    RemoveMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
    RemoveMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (GetMenuItemID(menu, i) == SC_MOVE) {
            InsertMenuA(menu, i + 1, MF_BYPOSITION | MF_STRING, kTopMostCommand, kTopMostText);
            break;
        }
    }
    CheckTopMostItem(window);
    StartOverlay(window, kTopMostCommand); // see-through and the hotkey, their items after it

    // The controls in order, at the panel's scale; a list is filled, then subclassed.
    for (const ControlEntry& entry : kControls) {
        HWND control = CreateWindowExA(0, entry.className, entry.text, WS_CHILD | WS_VISIBLE | entry.style,
                                       ScaleToDpi(entry.x, g_dpi), ScaleToDpi(entry.y, g_dpi),
                                       ScaleToDpi(entry.width, g_dpi), ScaleToDpi(entry.height, g_dpi), window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)),
                                       create->hInstance, nullptr);
        if (control == nullptr)
            return false;
        FillList(control, entry.id);
        InstallSubclass(control); // controls without a subclass procedure are left alone
    }

    // Every start shows the fairway at 100%.
    SendDlgItemMessageA(window, IDC_FAIRWAY_100, BM_SETCHECK, BST_CHECKED, 0);

    // The fonts, given without redrawing: nothing is shown yet.
    if (!SetFonts(window, FALSE))
        return false;

    // The inputs of the last run, over the start-up values of the fillers and the radios.
    LoadStoredInputs(window);

    // The keyboard focus starts on the wind power list.
    SetFocus(GetDlgItem(window, IDC_WIND_POWER));
    return true;
}

// The panel laid out again at g_dpi: every control's place and size and the fonts, repainted.
void LayOut(HWND window)
{
    for (const ControlEntry& entry : kControls)
        SetWindowPos(GetDlgItem(window, entry.id), nullptr, ScaleToDpi(entry.x, g_dpi), ScaleToDpi(entry.y, g_dpi),
                     ScaleToDpi(entry.width, g_dpi), ScaleToDpi(entry.height, g_dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    SetFonts(window, TRUE); // without new fonts the old ones stay
    InvalidateRect(window, nullptr, TRUE);
}

// Lays the panel out at the scale chosen for the window at place (dpi: the window's own scale)
// and sizes the window to it. A window laid out at its own scale takes the suggested rectangle
// when there is one; a fitted one is moved up until its bottom lies inside the work area.
void Fit(HWND window, int dpi, const RECT& place, bool suggested)
{
    const MonitorLayout layout = LayoutDpi(window, dpi, place);
    if (layout.dpi != g_dpi) {
        g_dpi = layout.dpi;
        LayOut(window);
    }
    if (suggested && layout.dpi == dpi) {
        SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    const PixelSize size = MainWindowSize(g_dpi, FrameSizeAt(dpi, MainStyle(window)));
    LONG top = place.top;
    if (layout.dpi < dpi && top + size.height > layout.work.bottom)
        top = std::max(layout.work.top, layout.work.bottom - size.height);
    SetWindowPos(window, nullptr, place.left, top, size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window moved to a display of another scale: the panel laid out again for it, in the
// rectangle the system suggests unless it has to be fitted to the work area.
void OnDpiChanged(HWND window, int dpi, const RECT* suggested)
{
    Fit(window, dpi, *suggested, true);
}

void OnDestroy(HWND window)
{
    SaveSettings(window);
    StopOverlay(window);
    DeleteFonts();
    PostQuitMessage(0);
}

void OnPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    DrawDial(window, dc, g_dpi);
    HGDIOBJ previousFont = SelectObject(dc, g_normalFont);
    SetBkMode(dc, TRANSPARENT);
    for (const PanelLabel& label : kLabels)
        TextOutA(dc, ScaleToDpi(label.x, g_dpi), ScaleToDpi(label.y, g_dpi), label.text, lstrlenA(label.text));
    SelectObject(dc, previousFont);
    EndPaint(window, &paint);
}

// The point of a mouse message.
DialPoint MousePoint(LPARAM lParam)
{
    return DialPointFromLParam(static_cast<std::uintptr_t>(lParam));
}

void OnKeyDown(HWND window, WPARAM key)
{
    if (key == VK_ESCAPE)
        SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

} // namespace

void FitMainWindow(HWND window)
{
    if (IsIconic(window))
        return; // minimised: kept as it is until the next change of scale or work area
    RECT place;
    GetWindowRect(window, &place);
    Fit(window, WindowDpi(window), place, false);
}

void RepaintMainDial(HWND window)
{
    RepaintDial(window, g_dpi);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        g_panelBuilt = OnCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
        if (g_panelBuilt)
            return 0;
        StopOverlay(window);
        DeleteFonts(); // what was made; the window is now destroyed, and WM_DESTROY (if sent) finds no panel
        return -1;
    case WM_DESTROY:
        // A window whose creation failed has no panel to save and no run to end.
        if (g_panelBuilt)
            OnDestroy(window);
        g_panelBuilt = false;
        return 0;
    case WM_ENDSESSION:
        // The session ends without WM_DESTROY: save now, exactly as closing would.
        if (wParam)
            SaveSettings(window);
        return 0;
    case WM_SETFOCUS:
        SetFocus(GetDlgItem(window, IDC_WIND_POWER));
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(window, wParam);
        return 0;
    case WM_COMMAND:
        return DispatchCommand(window, HIWORD(wParam), LOWORD(wParam), lParam);
    case WM_LBUTTONDOWN:
        DialPress(window, DialButton::Wind, MousePoint(lParam), g_dpi);
        return 0;
    case WM_RBUTTONDOWN:
        DialPress(window, DialButton::Slope, MousePoint(lParam), g_dpi);
        return 0;
    case WM_MOUSEMOVE:
        // Both buttons may be held: the wind point first, then the slope point.
        if (wParam & MK_LBUTTON)
            DialDrag(window, DialButton::Wind, MousePoint(lParam), g_dpi);
        if (wParam & MK_RBUTTON)
            DialDrag(window, DialButton::Slope, MousePoint(lParam), g_dpi);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == kTopMostCommand)
            ToggleTopMost(window);
        else if (!OverlayCommand(window, wParam & 0xFFF0))
            return DefWindowProcA(window, message, wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        OverlayActivated(window, LOWORD(wParam) != WA_INACTIVE);
        return DefWindowProcA(window, message, wParam, lParam); // which puts the focus on the window
    case WM_TIMER:
        OverlayTimer(window, wParam);
        return 0;
    case WM_HOTKEY:
        OverlayHotkey(window, wParam);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA)
            FitMainWindow(window);
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_DISPLAYCHANGE:
        FitMainWindow(window);
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_MBUTTONUP:
        SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool IsTopMost(HWND window)
{
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}
