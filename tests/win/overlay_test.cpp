// See-through when inactive and the hotkey under Wine: the window's opacity as activation and the
// pointer change, the key typed as real keyboard input, a key taken or not a key, and vk.ini.
#include <memory>

#include "fixture.h"

namespace {

class Overlay : public vktest::Panel {
protected:
    // vk opened (on these [Pos] lines of vk.ini when given) beside a window of the test; vk active.
    void OpenBeside(const std::string& pos = "")
    {
        ASSERT_TRUE(pos.empty() || WriteIni("[Pos]\n" + pos + "\n"));
        ASSERT_NE(Open(), nullptr);
        other_.reset(CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 400, 100, 200, 200, nullptr, nullptr,
                                     nullptr, nullptr));
        Activate(Window(), 800);
    }
    // Activates a window, puts the pointer at (x, 400), clear of the other window (vk's left is 20),
    // and lets vk answer (within a quarter second).
    static void Activate(HWND window, int x)
    {
        SetForegroundWindow(window);
        SetCursorPos(x, 400);
        for (DWORD start = GetTickCount(); GetTickCount() - start < 300; Sleep(10))
            vktest::Pump();
    }
    void Choose(int position) const { SendMessageA(Window(), WM_SYSCOMMAND, GetMenuItemID(Menu(), position), 0); }
    HMENU Menu() const { return GetSystemMenu(Window(), FALSE); }
    // The system menu's item at position: its text, and " on" when ticked.
    std::string Item(int position) const
    {
        char text[96] = {};
        GetMenuStringA(Menu(), position, text, sizeof text, MF_BYPOSITION);
        return text + std::string(GetMenuState(Menu(), position, MF_BYPOSITION) & MF_CHECKED ? " on" : "");
    }
    // The layered window's alpha; -1 when the window is not layered.
    int Alpha() const
    {
        BYTE alpha = 0;
        return (GetWindowLongPtrA(Window(), GWL_EXSTYLE) & WS_EX_LAYERED) &&
               GetLayeredWindowAttributes(Window(), nullptr, &alpha, nullptr) ? alpha : -1;
    }
    // A key's value in vk.ini, "none" when it is missing.
    std::string Stored(const std::string& key) const
    {
        std::smatch value;
        const std::string ini = Ini();
        return std::regex_search(ini, value, std::regex("\n" + key + "=([^\r]*)")) ? value[1].str() : "none";
    }
    void PressCtrlAltF9() const
    {
        for (const auto& [key, flags] : {std::make_pair(VK_CONTROL, 0), {VK_MENU, 0}, {VK_F9, 0},
                                         {VK_F9, KEYEVENTF_KEYUP}, {VK_MENU, KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}}) {
            INPUT input{INPUT_KEYBOARD, {}};
            input.ki = {WORD(key), 0, DWORD(flags), 0, 0};
            SendInput(1, &input, sizeof input);
        }
        Activate(GetForegroundWindow(), 800);
    }
    // A window of the test, clear of vk, destroyed with the test.
    std::unique_ptr<HWND__, decltype(&DestroyWindow)> other_{nullptr, DestroyWindow};
};

TEST_F(Overlay, SeeThroughWhileAnotherWindowIsActiveAndThePointerAway)
{
    OpenBeside();
    Choose(2);
    std::vector<int> alphas{Alpha()};
    HWND other = other_.get();
    for (const auto& [active, x] : {std::make_pair(other, 800), {other, 60}, {other, 800}, {Window(), 800}}) {
        Activate(active, x);
        alphas.push_back(Alpha());
    }
    EXPECT_EQ(alphas, (std::vector<int>{255, 153, 255, 153, 255}));
    Close();
    EXPECT_NE(Ini().find("Y=30\r\nSeeThrough=60\r\n"), std::string::npos) << Ini();

    // A stored opacity is kept, one out of range reads and is saved as 60; turned off, the key goes.
    for (const auto& [stored, off, alpha, saved] : {std::make_tuple("35", false, 89, "35"), {"5", false, 153, "60"},
                                                    {"35", true, -1, "none"}}) {
        OpenBeside(std::string("SeeThrough=") + stored);
        if (off)
            Choose(2);
        Activate(other_.get(), 800);
        EXPECT_EQ(std::make_pair(Item(2), Alpha()), std::make_pair(std::string("&See-through when inactive") +
                                                                       (off ? "" : " on"), alpha)) << stored;
        Close();
        EXPECT_EQ(Stored("SeeThrough"), saved);
    }
}

// After Always on top: the two items, a separator and Close. The key typed in another window
// brings vk up with the focus on the wind power list, typed again goes back; vk minimised is restored.
TEST_F(Overlay, TheHotkeyBringsVkUpAndSendsItBack)
{
    OpenBeside();
    EXPECT_EQ(std::make_tuple(Item(3), GetMenuState(Menu(), 4, MF_BYPOSITION) & MF_SEPARATOR, GetMenuItemID(Menu(), 5)),
              std::make_tuple(std::string("Hot&key Ctrl+Alt+F9"), UINT(MF_SEPARATOR), UINT(SC_CLOSE)));
    Choose(3);
    Activate(other_.get(), 800);
    PressCtrlAltF9();
    EXPECT_EQ(std::make_pair(GetForegroundWindow(), GetFocus()), std::make_pair(Window(), Control(IDC_WIND_POWER)));
    PressCtrlAltF9();
    EXPECT_EQ(GetForegroundWindow(), other_.get());
    SendMessageA(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Activate(other_.get(), 800);
    PressCtrlAltF9();
    EXPECT_EQ(std::make_pair(IsIconic(Window()) != FALSE, GetForegroundWindow()), std::make_pair(false, Window()));
    Close();
    EXPECT_NE(Ini().find("Y=30\r\nHotkey=Ctrl+Alt+F9\r\n"), std::string::npos) << Ini();
}

// With the key held by another window: vk works, the choice is kept and the item says so. A stored
// text that is not a key is named and kept; chosen, it gives way to the default key (taken still);
// chosen again, off. Each run starts on the vk.ini the one before saved.
TEST_F(Overlay, AKeyTakenOrNotAKey)
{
    HWND holder = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(holder, 7, MOD_CONTROL | MOD_ALT, VK_F9));
    for (const auto& [stored, choose, expected] :
         {std::make_tuple("Hotkey=alt+ctrl+f9", false, "Hot&key Ctrl+Alt+F9 (taken by another program) on | Ctrl+Alt+F9"),
          {"Hotkey=Ctrl+F99", false, "Hot&key: \"Ctrl+F99\" in vk.ini is not a key | Ctrl+F99"},
          {"", true, "Hot&key Ctrl+Alt+F9 (taken by another program) on | Ctrl+Alt+F9"}, {"", true, "Hot&key Ctrl+Alt+F9 | none"}}) {
        OpenBeside(stored);
        Recalculate();
        EXPECT_NE(Text(IDC_TOMAHAWK_SHOT), ""); // vk works as before
        if (choose)
            Choose(3);
        const std::string item = Item(3);
        Close();
        EXPECT_EQ(item + " | " + Stored("Hotkey"), expected);
    }
    DestroyWindow(holder);
}

} // namespace
