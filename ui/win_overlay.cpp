// See-through when inactive and the hotkey: the layered window, the pointer poll, the registered
// key, and the system menu items that turn them on and off.
#include "win_overlay.h"

#include "win_settings.h"

static_assert(kModAlt == MOD_ALT && kModCtrl == MOD_CONTROL && kModShift == MOD_SHIFT && kModWin == MOD_WIN);
static_assert(kKeyF1 == VK_F1 && kKeyF1 + 23 == VK_F24);

namespace {

// The two items' commands, after "Always on top" (0x10): below the system's own and multiples of 16.
constexpr UINT kSeeThroughCommand = 0x0020;
constexpr UINT kHotkeyCommand = 0x0030;

// The hotkey's id for the main window, and the pointer poll's timer.
constexpr int kHotkeyId = 1;
constexpr UINT_PTR kPointerTimer = 0x5EE;
// Less than the quarter second within which the window turns opaque or see-through.
constexpr UINT kPointerPollMs = 100;

// The window's state for its life; reset at each creation.
struct Overlay {
    int seeThrough = 0; // opacity in percent while see-through; 0 when the option is off
    bool active = false;
    int alpha = -1;     // the layered window's alpha as last set; -1 while not layered
    HotkeyChoice hotkey;
    bool registered = false;
    HWND previous = nullptr; // the window active when the key brought vk up
};
Overlay g_overlay;

bool PointerOver(HWND window)
{
    POINT pointer;
    if (!GetCursorPos(&pointer))
        return false;
    HWND under = WindowFromPoint(pointer);
    return under != nullptr && GetAncestor(under, GA_ROOT) == window;
}

// Layered and see-through while the option is on, vk inactive and the pointer elsewhere; the pointer
// is polled while that can change. With the option off the window is not layered at all.
void UpdateOpacity(HWND window)
{
    const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    if (g_overlay.seeThrough == 0) {
        KillTimer(window, kPointerTimer);
        if (exStyle & WS_EX_LAYERED) {
            // Back to an ordinary window, which the system then draws afresh, children and frame too.
            SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
            RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        }
        g_overlay.alpha = -1;
        return;
    }
    if (g_overlay.active)
        KillTimer(window, kPointerTimer);
    else
        SetTimer(window, kPointerTimer, kPointerPollMs, nullptr);
    const bool opaque = g_overlay.active || PointerOver(window);
    const int alpha = opaque ? 255 : SeeThroughAlpha(g_overlay.seeThrough);
    if (!(exStyle & WS_EX_LAYERED))
        SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    if (alpha != g_overlay.alpha || !(exStyle & WS_EX_LAYERED))
        SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
    g_overlay.alpha = alpha;
}

// Takes the chosen key from the system, or gives it back; "taken" when another program has it.
void RegisterChosenKey(HWND window)
{
    if (g_overlay.registered && !g_overlay.hotkey.on) {
        UnregisterHotKey(window, kHotkeyId);
        g_overlay.registered = false;
    }
    if (g_overlay.hotkey.on && !g_overlay.registered)
        g_overlay.registered = RegisterHotKey(window, kHotkeyId, g_overlay.hotkey.hotkey.modifiers | MOD_NOREPEAT,
                                              static_cast<UINT>(g_overlay.hotkey.hotkey.key)) != FALSE;
    g_overlay.hotkey.taken = g_overlay.hotkey.on && !g_overlay.registered;
}

void UpdateItems(HWND window)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    CheckMenuItem(menu, kSeeThroughCommand, MF_BYCOMMAND | (g_overlay.seeThrough != 0 ? MF_CHECKED : MF_UNCHECKED));
    ModifyMenuA(menu, kHotkeyCommand, MF_BYCOMMAND | MF_STRING | (g_overlay.hotkey.on ? MF_CHECKED : MF_UNCHECKED),
                kHotkeyCommand, HotkeyItemText(g_overlay.hotkey).c_str());
}

} // namespace

void StartOverlay(HWND window, UINT afterCommand)
{
    g_overlay = Overlay{};
    const OverlaySettings stored = StoredOverlay();
    if (stored.seeThrough)
        g_overlay.seeThrough = SeeThroughPercent(*stored.seeThrough);
    g_overlay.hotkey = StoredHotkeyChoice(stored.hotkey);

    HMENU menu = GetSystemMenu(window, FALSE);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (GetMenuItemID(menu, i) == afterCommand) {
            InsertMenuA(menu, i + 1, MF_BYPOSITION | MF_STRING, kSeeThroughCommand, kSeeThroughItemText);
            InsertMenuA(menu, i + 2, MF_BYPOSITION | MF_STRING, kHotkeyCommand, "");
            break;
        }
    }
    RegisterChosenKey(window);
    UpdateItems(window);
    UpdateOpacity(window);
}

bool OverlayCommand(HWND window, UINT command)
{
    if (command == kSeeThroughCommand) {
        g_overlay.seeThrough = g_overlay.seeThrough != 0 ? 0 : kDefaultSeeThrough;
        UpdateOpacity(window);
    } else if (command == kHotkeyCommand) {
        // A stored text that names no key: choosing the item turns the default key on in its place.
        if (g_overlay.hotkey.notAKey)
            g_overlay.hotkey = HotkeyChoice{};
        g_overlay.hotkey.on = !g_overlay.hotkey.on;
        RegisterChosenKey(window);
    } else {
        return false;
    }
    UpdateItems(window);
    return true;
}

void OverlayActivated(HWND window, bool active)
{
    g_overlay.active = active;
    UpdateOpacity(window);
}

void OverlayTimer(HWND window, UINT_PTR timer)
{
    if (timer == kPointerTimer)
        UpdateOpacity(window);
}

void OverlayHotkey(HWND window, WPARAM id)
{
    if (id != kHotkeyId)
        return;
    // Pressed while vk is in front: back to the window it came from, or out of the way.
    if (GetForegroundWindow() == window && !IsIconic(window)) {
        HWND previous = g_overlay.previous;
        if (previous != nullptr && previous != window && IsWindow(previous) && IsWindowVisible(previous))
            SetForegroundWindow(previous);
        else
            SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return;
    }
    // Activation puts the focus on the main window, which gives it to the wind power list.
    g_overlay.previous = GetForegroundWindow();
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}

OverlaySettings OverlayToSave()
{
    OverlaySettings save;
    if (g_overlay.seeThrough != 0)
        save.seeThrough = std::to_string(g_overlay.seeThrough);
    if (g_overlay.hotkey.on)
        save.hotkey = HotkeyText(g_overlay.hotkey.hotkey);
    // A stored text that names no key stays as the player wrote it until the item is chosen.
    save.keepHotkey = g_overlay.hotkey.notAKey.has_value();
    return save;
}

void StopOverlay(HWND window)
{
    KillTimer(window, kPointerTimer);
    if (g_overlay.registered)
        UnregisterHotKey(window, kHotkeyId);
    g_overlay = Overlay{};
}
