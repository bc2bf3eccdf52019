// In-process tests of vk.exe's main window under Wine: the window opened in a fresh working
// directory (so vk.ini starts absent) as start-up opens it, driven by messages, closed as
// closing closes it; and a spy on what reaches the main window.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "controls.h"
#include "dpi_scale.h"
#include "win_settings.h"
#include "win_startup.h"

namespace vktest {

// LF line ends as the profile functions write them: CRLF.
inline std::string Crlf(const std::string& lf) { return std::regex_replace(lf, std::regex("\n"), "\r\n"); }

// The display scale the run was started at, in pixels per inch (VK_DPI of tools/wine-run).
inline int RunDpi() { return std::getenv("VKRUN_DPI") != nullptr ? std::atoi(std::getenv("VKRUN_DPI")) : 96; }

// Handles every waiting message; true when the quit message was among them.
inline bool Pump()
{
    bool quit = false;
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) {
        quit = quit || message.message == WM_QUIT;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return quit;
}

class Panel : public testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        dir_ = (std::filesystem::temp_directory_path() / ("vktest" + std::to_string(GetCurrentProcessId()) + "-" +
                                                          std::to_string(++serial_))).string();
        std::filesystem::create_directories(dir_);
        std::filesystem::current_path(dir_);
    }

    void TearDown() override
    {
        Close();
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    // Registers the class, reads the title and creates, shows and paints the window as start-up
    // does, without the single-instance mutex (each test opens its own window).
    HWND Open()
    {
        RegisterMainClass(GetModuleHandleA(nullptr));
        LoadMainTitle();
        window_ = OpenMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        Pump();
        return window_;
    }

    // Destroys the window as closing does (it saves the settings); true when it posted the quit.
    bool Close()
    {
        const bool quit = window_ != nullptr && DestroyWindow(window_) && Pump();
        UnregisterClassA(MainClassName(), GetModuleHandleA(nullptr));
        window_ = nullptr;
        return quit;
    }

    HWND Window() const { return window_; }
    // The scale the panel is laid out at: the one whose client area's height the window has.
    int LayoutDpi() const
    {
        RECT client = {};
        GetClientRect(window_, &client);
        return MulDiv(client.bottom, kBaseDpi, kClientHeight);
    }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    std::string Text(int id) const
    {
        char text[512] = {};
        GetWindowTextA(Control(id), text, sizeof text);
        return text;
    }
    void SetText(int id, const std::string& text) const { SetWindowTextA(Control(id), text.c_str()); }
    bool Checked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Check(int id, bool checked) const { SendMessageA(Control(id), BM_SETCHECK, checked, 0); }
    void Focus(int id) const { SetFocus(Control(id)); Pump(); }
    LRESULT Key(int id, WPARAM key) const { return SendMessageA(Control(id), WM_KEYDOWN, key, 1); }
    void Recalculate() const { SendMessageA(window_, WM_COMMAND, 19, 0); }
    // vk.ini in the test's directory or in the one named, read as bytes; written from LF lines.
    std::string Ini(const std::filesystem::path& dir = {}) const
    {
        std::ostringstream bytes;
        bytes << std::ifstream((dir.empty() ? dir_ : dir) / "vk.ini", std::ios::binary).rdbuf();
        return bytes.str();
    }
    bool WriteIni(const std::string& lf, const std::filesystem::path& dir = {}) const
    {
        return static_cast<bool>(std::ofstream((dir.empty() ? dir_ : dir) / "vk.ini", std::ios::binary) << Crlf(lf));
    }
    const std::string& Dir() const { return dir_; }

private:
    static inline int serial_ = 0;
    std::filesystem::path previous_;
    std::string dir_;
    HWND window_ = nullptr;
};

// The fixture with the window open from the start.
class OpenPanel : public Panel {
protected:
    void SetUp() override
    {
        Panel::SetUp();
        ASSERT_NE(Open(), nullptr);
    }
};

// Counts what reaches the main window while it lives: recalculation requests (with the mirror
// field and whether a repaint was pending at that moment) and minimise requests.
class Spy {
public:
    struct Calc { std::string direction, navDirection; bool repaintPending; };
    std::vector<Calc> calcs;
    int minimises = 0;

    explicit Spy(HWND window) : window_(window)
    {
        active_ = this;
        previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, LONG_PTR(&Spy::Procedure)));
    }
    ~Spy() { SetWindowLongPtrA(window_, GWLP_WNDPROC, LONG_PTR(previous_)); }
    Spy(const Spy&) = delete;
    Spy& operator=(const Spy&) = delete;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        char direction[16] = {};
        char nav[16] = {};
        GetDlgItemTextA(window, IDC_DIRECTION, direction, sizeof direction);
        GetDlgItemTextA(window, IDC_NAV_DIRECTION, nav, sizeof nav);
        if (message == WM_COMMAND && wParam == 19 && lParam == 0)
            active_->calcs.push_back({direction, nav, GetUpdateRect(window, nullptr, FALSE) != FALSE});
        active_->minimises += message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE;
        return CallWindowProcA(active_->previous_, window, message, wParam, lParam);
    }

    static inline Spy* active_ = nullptr;
    HWND window_;
    WNDPROC previous_;
};

} // namespace vktest
