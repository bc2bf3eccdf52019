// See-through when inactive and the hotkey under Wine: the window's opacity as activation and the
// pointer change, the key typed as real keyboard input, a key taken or not a key, and vk.ini.
#include "fixture.h"

namespace {

class Overlay : public vktest::Panel {
protected:
    void TearDown() override
    {
        DestroyWindow(other_);
        Panel::TearDown();
    }

    // Opens vk, its items, and a second window of the test clear of it, left inactive.
    void OpenBoth()
    {
        ASSERT_NE(Open(), nullptr);
        other_ = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 100, 200, 200, nullptr,
                                 nullptr, nullptr, nullptr);
        SetForegroundWindow(Window());
        Settle();
    }
    void Choose(int position) { SendMessageA(Window(), WM_SYSCOMMAND, GetMenuItemID(Menu(), position), 0); }
    HMENU Menu() const { return GetSystemMenu(Window(), FALSE); }
    // The item at position: its text and " on" when ticked.
    std::string Item(int position) const
    {
        char text[96] = {};
        GetMenuStringA(Menu(), position, text, sizeof text, MF_BYPOSITION);
        return text + std::string(GetMenuState(Menu(), position, MF_BYPOSITION) & MF_CHECKED ? " on" : "");
    }
    // The layered window's alpha, -1 when the window is not layered.
    int Alpha() const
    {
        BYTE alpha = 0;
        DWORD flags = 0;
        if (!(GetWindowLongPtrA(Window(), GWL_EXSTYLE) & WS_EX_LAYERED) ||
            !GetLayeredWindowAttributes(Window(), nullptr, &alpha, &flags))
            return -1;
        return flags & LWA_ALPHA ? alpha : -2;
    }
    // Handles messages for the quarter second within which vk answers the pointer.
    static void Settle()
    {
        for (DWORD start = GetTickCount(); GetTickCount() - start < 300; Sleep(10))
            vktest::Pump();
    }
    static void PressCtrlAltF9()
    {
        INPUT keys[6] = {};
        const WORD codes[6] = {VK_CONTROL, VK_MENU, VK_F9, VK_F9, VK_MENU, VK_CONTROL};
        for (int i = 0; i < 6; ++i) {
            keys[i].type = INPUT_KEYBOARD;
            keys[i].ki.wVk = codes[i];
            keys[i].ki.dwFlags = i < 3 ? 0 : KEYEVENTF_KEYUP;
        }
        SendInput(6, keys, sizeof(INPUT));
        Settle();
    }
    HWND other_ = nullptr;
};

TEST_F(Overlay, SeeThroughWhileAnotherWindowIsActiveAndThePointerAway)
{
    OpenBoth();
    // Move, Always on top, the two items, a separator and Close (after which Wine adds its own); the
    // system's items by their ids.
    std::string items;
    for (int i = 0; i < 6; ++i)
        items += (GetMenuItemID(Menu(), i) >= SC_SIZE ? std::to_string(GetMenuItemID(Menu(), i)) : Item(i)) + "|";
    EXPECT_EQ(items, std::to_string(SC_MOVE) + "|&Always on top|&See-through when inactive|Hot&key Ctrl+Alt+F9||" +
                         std::to_string(SC_CLOSE) + "|");
    SetCursorPos(800, 700);
    Choose(2);
    EXPECT_EQ(std::make_pair(Item(2), Alpha()), std::make_pair(std::string("&See-through when inactive on"), 255));
    std::vector<int> alphas;
    for (const auto& [active, x, y] : {std::make_tuple(other_, 800, 700), {other_, 60, 400}, {other_, 800, 700},
                                       {Window(), 800, 700}}) {
        SetForegroundWindow(active);
        SetCursorPos(x, y);
        Settle();
        alphas.push_back(Alpha());
    }
    EXPECT_EQ(alphas, (std::vector<int>{153, 255, 153, 255}));
    Close();
    EXPECT_NE(Ini().find("[Pos]\r\nX=20\r\nY=30\r\nSeeThrough=60\r\n[Chara]"), std::string::npos) << Ini();

    // A stored opacity is kept, one out of range reads and is saved as 60; off, the key goes.
    for (const auto& [stored, alpha, saved] : {std::make_tuple("35", 89, "35"), {"5", 153, "60"}}) {
        ASSERT_TRUE(WriteIni(std::string("[Pos]\nSeeThrough=") + stored + "\n"));
        OpenBoth();
        SetForegroundWindow(other_);
        Settle();
        EXPECT_EQ(Alpha(), alpha) << stored;
        Close();
        EXPECT_NE(Ini().find(std::string("SeeThrough=") + saved + "\r\n"), std::string::npos) << Ini();
    }
    OpenBoth();
    Choose(2);
    EXPECT_EQ(std::make_pair(Item(2), Alpha()), std::make_pair(std::string("&See-through when inactive"), -1));
    Close();
    EXPECT_EQ(Ini().find("SeeThrough"), std::string::npos) << Ini();
}

TEST_F(Overlay, TheHotkeyBringsVkUpAndSendsItBack)
{
    OpenBoth();
    Choose(3);
    EXPECT_EQ(Item(3), "Hot&key Ctrl+Alt+F9 on");
    SetForegroundWindow(other_);
    Settle();
    PressCtrlAltF9();
    EXPECT_EQ(std::make_pair(GetForegroundWindow(), GetFocus()), std::make_pair(Window(), Control(IDC_WIND_POWER)));
    PressCtrlAltF9();
    EXPECT_EQ(GetForegroundWindow(), other_);
    SendMessageA(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    SetForegroundWindow(other_);
    PressCtrlAltF9();
    EXPECT_EQ(std::make_pair(IsIconic(Window()) != FALSE, GetForegroundWindow()), std::make_pair(false, Window()));
    Close();
    EXPECT_NE(Ini().find("[Pos]\r\nX=20\r\nY=30\r\nHotkey=Ctrl+Alt+F9\r\n[Chara]"), std::string::npos) << Ini();
}

// Taken by another window: the choice stays, saved, and the item says so; the next start takes the
// key once it is free. A stored text that is not a key is named and kept until the item is chosen.
TEST_F(Overlay, AKeyTakenOrNotAKey)
{
    HWND holder = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(holder, 7, MOD_CONTROL | MOD_ALT, VK_F9));
    ASSERT_TRUE(WriteIni("[Pos]\nHotkey=alt+ctrl+f9\n"));
    OpenBoth();
    EXPECT_EQ(Item(3), "Hot&key Ctrl+Alt+F9 (taken by another program) on");
    SetText(IDC_DISTANCE, "185");
    Recalculate();
    EXPECT_EQ(Text(IDC_TOMAHAWK_DRIFT).empty(), false); // vk works as before
    Close();
    DestroyWindow(holder);
    EXPECT_NE(Ini().find("Hotkey=Ctrl+Alt+F9\r\n"), std::string::npos) << Ini();
    OpenBoth();
    EXPECT_EQ(Item(3), "Hot&key Ctrl+Alt+F9 on");
    Choose(3);
    Close();
    EXPECT_EQ(Ini().find("Hotkey"), std::string::npos) << Ini();

    ASSERT_TRUE(WriteIni("[Pos]\nHotkey=Ctrl+F99\n"));
    OpenBoth();
    EXPECT_EQ(Item(3), "Hot&key: \"Ctrl+F99\" in vk.ini is not a key");
    Close();
    EXPECT_EQ(Ini().find("Hotkey=Ctrl+F99\r\n") != std::string::npos, true) << Ini();
    OpenBoth();
    Choose(3);
    EXPECT_EQ(Item(3), "Hot&key Ctrl+Alt+F9 on");
    Close();
    EXPECT_NE(Ini().find("Hotkey=Ctrl+Alt+F9\r\n"), std::string::npos) << Ini();
}

} // namespace
