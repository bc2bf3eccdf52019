// Test fixture for in-process tests of vk.exe's windows under Wine: the main window created in a
// fresh temporary working directory (so vk.ini starts absent), driven by messages, then destroyed.
#pragma once

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "../win_files.h"
#include "win_app.h"
#include "win_startup.h"

namespace vktest {

// Deletes a directory and everything below it.
inline void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string full = dir + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir.c_str());
}

// A new empty directory under the temporary folder.
inline std::string MakeTempDir()
{
    static unsigned counter = 0;
    char base[MAX_PATH] = {};
    GetTempPathA(sizeof base, base);
    for (;;) {
        std::string dir = std::string(base) + "vktest-" + std::to_string(GetCurrentProcessId()) + "-" +
                          std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
        if (CreateDirectoryA(dir.c_str(), nullptr))
            return dir;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return std::string();
    }
}

// The wide form of a path in the ANSI code page, as the ...A file functions would read it.
inline std::wstring WidePath(const std::string& path)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1); // the terminating zero
    return wide;
}

// Writes a file's bytes exactly as given.
inline bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    return vkfiles::WriteBytes(WidePath(path), bytes);
}

// A file's bytes; empty when it is missing.
inline std::string ReadFileBytes(const std::string& path)
{
    return vkfiles::ReadBytes(WidePath(path));
}

inline bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

using vkfiles::Crlf;

// The full path of a file beside the running test program (where vk.exe is built).
inline std::string BesideThisProgram(const char* name)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path = self;
    std::string::size_type slash = path.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + name;
}

// Handles every message waiting for this thread; a WM_QUIT (posted by the main window's
// destruction) is taken off the queue and remembered.
inline bool PumpMessages()
{
    bool quit = false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return quit;
}

// The fixture. SetUp moves into a fresh temporary directory; a test may write vk.ini there with
// WriteIni, then calls OpenWindow. TearDown destroys the window, unregisters the class, goes back
// to the previous directory and deletes the temporary one.
class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override
    {
        char previous[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof previous, previous);
        previousDir_ = previous;
        dir_ = MakeTempDir();
        ASSERT_FALSE(dir_.empty());
        ASSERT_TRUE(SetCurrentDirectoryA(dir_.c_str()));
    }

    void TearDown() override
    {
        CloseWindow();
        if (registered_)
            UnregisterClassA(className_.c_str(), GetModuleHandleA(nullptr));
        registered_ = false;
        SetCurrentDirectoryA(previousDir_.c_str());
        RemoveTree(dir_);
    }

    // Registers the class and creates, shows and paints the main window as start-up does,
    // without the single-instance mutex (so every test can open its own window).
    HWND OpenWindow(int showCommand = SW_SHOWNORMAL)
    {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        if (RegisterMainClass(instance) != 0) {
            registered_ = true;
            className_ = MainClassName();
        }
        LoadMainTitle();
        window_ = OpenMainWindow(instance, showCommand);
        PumpMessages();
        return window_;
    }

    // Destroys the main window as closing does (WM_DESTROY saves the settings) and handles the
    // messages that follow. Records whether the quit message was posted.
    void CloseWindow()
    {
        if (window_ != nullptr && IsWindow(window_)) {
            DestroyWindow(window_);
            quitPosted_ = PumpMessages() || quitPosted_;
        }
        window_ = nullptr;
    }

    HWND Window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }

    // A control's whole text (not cut to 8 characters).
    std::string Text(int id) const
    {
        HWND control = Control(id);
        int length = GetWindowTextLengthA(control);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        int copied = GetWindowTextA(control, &text[0], length + 1);
        text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        return text;
    }

    void SetText(int id, const char* text) { SetWindowTextA(Control(id), text); }
    bool Checked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetChecked(int id, bool checked)
    {
        SendMessageA(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    // The selected item's index of a list.
    int Selection(int id) const { return static_cast<int>(SendMessageA(Control(id), CB_GETCURSEL, 0, 0)); }
    void Select(int id, int index) { SendMessageA(Control(id), CB_SETCURSEL, index, 0); }

    // The recalculation request as the subclass procedures and the dial send it.
    LRESULT SendCommand(int identifier, int notification = 0)
    {
        return SendMessageA(window_, WM_COMMAND, MAKEWPARAM(identifier, notification), 0);
    }

    const std::string& Dir() const { return dir_; }
    std::string IniPath() const { return dir_ + "\\vk.ini"; }
    bool WriteIni(const std::string& text) const { return WriteFileBytes(IniPath(), text); }
    std::string ReadIni() const { return ReadFileBytes(IniPath()); }
    bool QuitPosted() const { return quitPosted_; }

private:
    std::string previousDir_;
    std::string dir_;
    std::string className_;
    HWND window_ = nullptr;
    bool registered_ = false;
    bool quitPosted_ = false;
};

} // namespace vktest
