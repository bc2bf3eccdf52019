// In-process tests of vk.exe's main window under Wine: the window opened in a fresh working
// directory (so vk.ini starts absent) as start-up opens it, driven by messages, closed as
// closing closes it; and a spy on what reaches the main window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls.h"
#include "win_app.h"
#include "win_startup.h"

namespace vktest {

inline std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    char chunk[4096];
    DWORD got = 0;
    while (file != INVALID_HANDLE_VALUE && ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

inline bool WriteBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool ok = file != INVALID_HANDLE_VALUE && WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

// LF line ends as the profile functions write them: CRLF.
inline std::string Crlf(const std::string& text)
{
    std::string out;
    for (const char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

inline void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        SetFileAttributesA((dir + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTree(dir + "\\" + name);
        else
            DeleteFileA((dir + "\\" + name).c_str());
    }
    FindClose(search);
    RemoveDirectoryA(dir.c_str());
}

// Handles every waiting message; true when the quit message was among them.
inline bool Pump()
{
    bool quit = false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
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
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        GetCurrentDirectoryA(sizeof previous_, previous_);
        dir_ = std::string(temp) + "vktest" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial_);
        ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
        ASSERT_TRUE(SetCurrentDirectoryA(dir_.c_str()));
    }

    void TearDown() override
    {
        Close();
        SetCurrentDirectoryA(previous_);
        RemoveTree(dir_);
    }

    // Registers the class, reads the title and creates, shows and paints the window as start-up
    // does, without the single-instance mutex (each test opens its own window).
    HWND Open()
    {
        if (RegisterMainClass(GetModuleHandleA(nullptr)) != 0)
            className_ = MainClassName();
        LoadMainTitle();
        window_ = OpenMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        Pump();
        return window_;
    }

    // Destroys the window as closing does (it saves the settings); true when it posted the quit.
    bool Close()
    {
        bool quit = false;
        if (window_ != nullptr) {
            DestroyWindow(window_);
            quit = Pump();
            UnregisterClassA(className_.c_str(), GetModuleHandleA(nullptr));
        }
        window_ = nullptr;
        return quit;
    }

    HWND Window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    std::string Text(int id) const
    {
        char text[512] = {};
        GetWindowTextA(Control(id), text, sizeof text);
        return text;
    }
    void SetText(int id, const std::string& text) const { SetWindowTextA(Control(id), text.c_str()); }
    bool Checked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Focus(int id) const
    {
        SetFocus(Control(id));
        Pump();
    }
    LRESULT Key(int id, WPARAM key) const { return SendMessageA(Control(id), WM_KEYDOWN, key, 1); }
    void Recalculate() const { SendMessageA(window_, WM_COMMAND, 19, 0); }
    std::string Ini() const { return ReadBytes(dir_ + "\\vk.ini"); }
    bool WriteIni(const std::string& lf) const { return WriteBytes(dir_ + "\\vk.ini", Crlf(lf)); }
    const std::string& Dir() const { return dir_; }

private:
    static inline int serial_ = 0;
    char previous_[MAX_PATH] = {};
    std::string dir_;
    std::string className_;
    HWND window_ = nullptr;
};

// Counts what reaches the main window while it lives: recalculation requests (with the mirror
// fields and whether a repaint was pending at that moment) and minimise requests.
class Spy {
public:
    struct Calc {
        std::string direction, navDirection;
        bool repaintPending;
    };

    explicit Spy(HWND window) : window_(window)
    {
        active_ = this;
        previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, LONG_PTR(&Spy::Procedure)));
    }
    ~Spy() { SetWindowLongPtrA(window_, GWLP_WNDPROC, LONG_PTR(previous_)); }
    Spy(const Spy&) = delete;
    Spy& operator=(const Spy&) = delete;

    std::vector<Calc> calcs;
    int minimises = 0;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COMMAND && wParam == 19 && lParam == 0) {
            char direction[16] = {};
            char nav[16] = {};
            GetDlgItemTextA(window, IDC_DIRECTION, direction, sizeof direction);
            GetDlgItemTextA(window, IDC_NAV_DIRECTION, nav, sizeof nav);
            active_->calcs.push_back({direction, nav, GetUpdateRect(window, nullptr, FALSE) != FALSE});
        }
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE)
            ++active_->minimises;
        return CallWindowProcA(active_->previous_, window, message, wParam, lParam);
    }

    static inline Spy* active_ = nullptr;
    HWND window_;
    WNDPROC previous_;
};

} // namespace vktest
