// The settings file under Wine: stored inputs loaded by their rules, a reference file written back
// byte for byte, changed inputs written in place, and the files and working directories that
// must neither stop vk nor be damaged by it.
#include <process.h>
#include <tuple>

#include "fixture.h"

namespace {

using Settings = vktest::Panel;

// Stored texts shown exactly as stored (the first 254 characters, saved as the first 8), also in
// the Navigation fields; a list value that begins no item keeps the start-up item, an empty one
// selects the second item (the spin list its only one) on this platform too. The rules by which a
// text selects an item or ticks a box are tested natively.
TEST_F(Settings, StoredInputsLoadedByTheirRules)
{
    const std::string distance(300, '7');
    ASSERT_TRUE(WriteIni("[Chara]\nPower=99\nSpin=\nClub=\nCrimsonRing=cat\n[Situation]\nWindPower=\nDistance=" + distance +
                         "\nHeight=\nDirection=a b\nSlope=--1\n[Beam]\nClub=9"));
    ASSERT_NE(Open(), nullptr);
    std::string shown; // the lists' texts, the fields, the ring and the 9I
    for (int id : {110, 120, 130, 310, 320, 330, 340, 810, 350, 820})
        shown += Text(id) + "|";
    EXPECT_EQ(shown + (Checked(IDC_CRIMSON_RING) ? "ring|" : "|") + (Checked(IDC_BEAM_9I) ? "9I" : "6I"),
              "25|7|2W|2|" + distance.substr(0, 254) + "||a b|a b|--1|--1|ring|9I");
    Close();
    EXPECT_NE(Ini().find("Distance=77777777\r\n"), std::string::npos) << Ini();
}

// A file with every key set, unknown keys and a comment: written back byte for byte when nothing
// changed, and with only the changed values replaced where they stand.
TEST_F(Settings, ReferenceFileWrittenBackByteForByte)
{
    const std::string reference =
        "; by hand\n[Before]\nAlpha=1\n[App]\nAppTitle=my vk\nClassName=my vk class\nTheme=dark\n[Pos]\nX=40\nY=60\n"
        "[Chara]\nPower=30\nSpin=7\nClub=3W\nCrimsonRing=checked\nNickname=Ace\n[Situation]\nWindPower=5\n"
        "Distance=150\nHeight=-3\nDirection=45\nSlope=2\n[Beam]\nClub=9I\n[Zeta]\nOmega=last\n";
    ASSERT_TRUE(WriteIni(reference));
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(FindWindowA("my vk class", "my vk"), Window()); // the stored class name and title
    Close();
    EXPECT_EQ(Ini(), vktest::Crlf(reference));

    ASSERT_NE(Open(), nullptr);
    SetText(IDC_DISTANCE, "185.25");
    Check(IDC_CRIMSON_RING, false);
    Check(IDC_BEAM_9I, false);
    SendMessageA(Control(IDC_CLUB), CB_SETCURSEL, 3, 0);
    Close();
    std::string changed = reference;
    for (const auto& edit : {std::make_pair("Club=3W", "Club=2I"), {"=checked", "=unchecked"},
                             {"Distance=150", "Distance=185.25"}, {"Club=9I", "Club=6I"}})
        changed.replace(changed.find(edit.first), std::string(edit.first).size(), edit.second);
    EXPECT_EQ(Ini(), vktest::Crlf(changed));
}

// "Always on top", the system menu's item after Move: on at once with its tick (the system's low
// four bits of the command ignored), kept as TopMost=1 for the next start; off again, the file is
// a first run's again.
TEST_F(Settings, AlwaysOnTopKeptAcrossRuns)
{
    ASSERT_NE(Open(), nullptr);
    const UINT item = GetMenuItemID(GetSystemMenu(Window(), FALSE), 1);
    const auto onTop = [this, item] {
        return std::make_pair((GetWindowLongPtrA(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
                              (GetMenuState(GetSystemMenu(Window(), FALSE), item, MF_BYCOMMAND) & MF_CHECKED) != 0);
    };
    EXPECT_EQ(onTop(), std::make_pair(false, false));
    SendMessageA(Window(), WM_SYSCOMMAND, item, 0);
    EXPECT_EQ(onTop(), std::make_pair(true, true));
    Close();
    std::string file = Ini();
    EXPECT_NE(file.find("[Pos]\r\nX=20\r\nY=30\r\nTopMost=1\r\n[Chara]"), std::string::npos) << file;
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(onTop(), std::make_pair(true, true));
    SendMessageA(Window(), WM_SYSCOMMAND, item | 2, 0);
    EXPECT_EQ(onTop(), std::make_pair(false, false));
    Close();
    EXPECT_EQ(Ini(), file.erase(file.find("TopMost=1\r\n"), 11));
}

// vk.ini cannot be written (a directory of that name): vk.exe starts on the defaults, and a further
// copy ends at once; once its window is gone, one message box without owner names the file, the
// system's reason and the way out, and while it is open a second vk.exe starts and shows its
// window; both end with status 0.
TEST_F(Settings, AFailedSaveIsReportedOnce)
{
    ASSERT_TRUE(CreateDirectoryA((Dir() + "\\vk.ini").c_str(), nullptr));
    const std::string exe = std::filesystem::path(_pgmptr).replace_filename("vk.exe").string();
    const auto start = [&exe] { return HANDLE(_spawnl(_P_NOWAIT, exe.c_str(), exe.c_str(), nullptr)); }; // in the test's directory
    const auto await = [](const char* className, const char* title) { // shown, so whole; up to 30 s
        HWND found = nullptr;
        for (int i = 0; i < 300 && !IsWindowVisible(found = FindWindowA(className, title)); ++i)
            Sleep(100);
        return found;
    };
    const HANDLE first = start();
    HWND window = await("vk ver2.43a", "vk ver2.43a");
    const auto ended = [](HANDLE process) { // its exit status; 99 when still running after 30 s (then ended)
        DWORD status = 99;
        if (WaitForSingleObject(process, 30000) != WAIT_OBJECT_0)
            TerminateProcess(process, 99);
        GetExitCodeProcess(process, &status);
        CloseHandle(process);
        return status;
    };
    // A further copy ends at once with status 0 and leaves the running one alone.
    const DWORD copy = ended(start());
    EXPECT_EQ(std::make_pair(copy, IsWindowVisible(window) != FALSE), std::make_pair(DWORD(0), true));
    char text[1024] = {};
    GetDlgItemTextA(window, IDC_DISTANCE, text, sizeof text);
    EXPECT_STREQ(text, "230");
    PostMessageA(window, WM_CLOSE, 0, 0);
    HWND box = await("#32770", "vk");
    ASSERT_NE(box, nullptr);
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text); // a message box's text
    char reason[512] = {}; // the system's own words, without the line end
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_ACCESS_DENIED, 0, reason,
                   sizeof reason, nullptr);
    EXPECT_EQ(text, "Your inputs could not be saved to\n" + Dir() + "\\vk.ini\n\n" +
                    std::regex_replace(reason, std::regex("[\r\n ]+$"), "") +
                    "\n\nStart vk from a folder you can write to, or make vk.ini writable.");
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    const HANDLE second = start();
    EXPECT_NE(window = await("vk ver2.43a", "vk ver2.43a"), nullptr); // the first copy's box does not keep it from starting
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(ended(first), 0u);
    PostMessageA(window, WM_CLOSE, 0, 0); // its save fails too
    PostMessageA(await("#32770", "vk"), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(ended(second), 0u);
}

// Files and places that must not stop vk or be damaged: class names no main window can have,
// positions off every screen, and working directories too long for the profile functions.
TEST_F(Settings, HostileFilesAndPlaces)
{
    // Empty, or the name of a class the panel itself uses: the default name instead, saved back.
    for (const char* name : {"", "Edit", "Button", "ComboBox"}) {
        ASSERT_TRUE(WriteIni(std::string("[App]\nClassName=") + name + "\n[Pos]\nX=99999999999\nY=-2147483648"));
        ASSERT_NE(Open(), nullptr) << name;
        RECT place;
        GetWindowRect(Window(), &place);
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= GetSystemMetrics(SM_CXSCREEN) &&
                    place.bottom <= GetSystemMetrics(SM_CYSCREEN)) << place.left << "," << place.top << " " << place.right << "," << place.bottom;
        Close();
        EXPECT_NE(Ini().find("ClassName=vk ver2.43a\r\n"), std::string::npos) << name;
    }

    // Up to 259 characters of path the file is used, also in a folder whose name the system code
    // page cannot hold; beyond it vk runs on the defaults and writes nothing (a cut path would name
    // another file).
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"\u0141", 1, nullptr, 0, nullptr, &lost);
    ASSERT_TRUE(lost) << "code page " << GetACP() << " holds the folder's first character";
    for (std::size_t length : {250u, 254u}) {
        const auto dir = std::filesystem::path(Dir()) / (L"\u0141" + std::wstring(length - Dir().size() - 2, L'd'));
        std::filesystem::create_directory(dir);
        std::filesystem::current_path(dir);
        // Beside a path of 261 characters the file is out of the profile functions' reach.
        ASSERT_TRUE(WriteIni("[Situation]\nDistance=150\n", dir));
        ASSERT_NE(Open(), nullptr);
        EXPECT_EQ(Text(IDC_DISTANCE), length == 250 ? "150" : "230") << length;
        Close();
        EXPECT_EQ(Ini(dir) == "[Situation]\r\nDistance=150\r\n", length == 254) << length;
    }
}

} // namespace
