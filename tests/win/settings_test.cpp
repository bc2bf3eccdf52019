// The settings file under Wine: stored inputs loaded by their rules, a reference file written back
// byte for byte, changed inputs written in place, and the files and working directories that
// must neither stop vk nor be damaged by it.
#include <process.h>
#include <tuple>

#include "fixture.h"

namespace {

using vktest::Panel;

class Settings : public Panel {
protected:
    // What the panel shows of the stored inputs: the lists' texts, the fields, the ring and the 9I.
    std::string Shown() const
    {
        std::string shown;
        for (int id : {110, 120, 130, 310, 320, 330, 340, 810, 350, 820})
            shown += Text(id) + "|";
        return shown + (Checked(IDC_CRIMSON_RING) ? "ring|" : "|") + (Checked(IDC_BEAM_9I) ? "9I" : "6I");
    }
};

TEST_F(Settings, StoredInputsLoadedByTheirRules)
{
    const struct {
        const char* ini;
        const char* shown; // Power, Spin, Club, WindPower, Distance, Height, Direction twice, Slope twice, ring, iron
    } rows[] = {
        {"[Chara]\nPower=3\nSpin=8\nClub=2\nCrimsonRing=cat\n[Situation]\nWindPower=9\n[Beam]\nClub=9",
         "30|7|2W|9|230|0|0|0|0|0|ring|9I"},
        {"[Chara]\nPower=2\nClub=2i\nCrimsonRing=Checked\n[Situation]\nWindPower=0\n[Beam]\nClub=x9",
         "21|7|2I|1|230|0|0|0|0|0||6I"},
        {"[Chara]\nPower=20\nClub=3w\n[Situation]\nDistance=123456789\nHeight=-3\nDirection=a b\nSlope=--1",
         "20|7|3W|1|123456789|-3|a b|a b|--1|--1||6I"},
        {"[Chara]\nPower=99\nClub=5W\nCrimsonRing=\n[Situation]\nDistance=\nHeight=\nDirection=\nSlope=\n[Beam]\nClub=",
         "25|7|1W|1||||||||6I"},
        // An empty value begins every item: each list shows its second item (the spin list its only one).
        {"[Chara]\nPower=\nSpin=\nClub=\n[Situation]\nWindPower=", "21|7|2W|2|230|0|0|0|0|0||6I"},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(WriteIni(row.ini));
        ASSERT_NE(Open(), nullptr);
        EXPECT_EQ(Shown(), row.shown) << row.ini;
        Close();
    }
    // A value of 300 characters is read as its first 254 and saved as its first 8.
    ASSERT_TRUE(WriteIni("[Situation]\nDistance=" + std::string(300, '7')));
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(Text(IDC_DISTANCE), std::string(254, '7'));
    Close();
    EXPECT_NE(Ini().find("Distance=77777777\r\n"), std::string::npos);
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
    char title[32] = {};
    GetWindowTextA(Window(), title, sizeof title);
    EXPECT_STREQ(title, "my vk");
    EXPECT_EQ(FindWindowA("my vk class", "my vk"), Window());
    Close();
    EXPECT_EQ(Ini(), vktest::Crlf(reference));

    ASSERT_NE(Open(), nullptr);
    SetText(IDC_DISTANCE, "185.25");
    SendDlgItemMessageA(Window(), IDC_CRIMSON_RING, BM_SETCHECK, BST_UNCHECKED, 0);
    SendDlgItemMessageA(Window(), IDC_BEAM_9I, BM_SETCHECK, BST_UNCHECKED, 0);
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
    HMENU menu = GetSystemMenu(Window(), FALSE);
    char text[32] = {};
    GetMenuStringA(menu, 1, text, sizeof text, MF_BYPOSITION);
    const UINT item = GetMenuItemID(menu, 1);
    ASSERT_EQ(std::make_tuple(GetMenuItemID(menu, 0), std::string(text), item < 0xF000 && item % 16 == 0),
              std::make_tuple(UINT(SC_MOVE), std::string("&Always on top"), true)) << item; // clear of the system's
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

// vk.ini cannot be written (a directory of that name): vk.exe starts on the defaults; once its
// window is gone, one message box without owner names the file, the system's reason and the way
// out; then vk ends with status 0.
TEST_F(Settings, AFailedSaveIsReportedOnce)
{
    ASSERT_TRUE(CreateDirectoryA((Dir() + "\\vk.ini").c_str(), nullptr));
    const std::string exe = std::filesystem::path(_pgmptr).replace_filename("vk.exe").string();
    const HANDLE vk = HANDLE(_spawnl(_P_NOWAIT, exe.c_str(), exe.c_str(), nullptr)); // in the test's directory
    ASSERT_NE(vk, INVALID_HANDLE_VALUE);
    const auto await = [](const char* className, const char* title) { // shown, so whole; up to 30 s
        HWND found = nullptr;
        for (int i = 0; i < 300 && !IsWindowVisible(found = FindWindowA(className, title)); ++i)
            Sleep(100);
        return found;
    };
    HWND window = await("vk ver2.43a", "vk ver2.43a");
    char text[1024] = {};
    GetDlgItemTextA(window, IDC_DISTANCE, text, sizeof text);
    EXPECT_STREQ(text, "230");
    PostMessageA(window, WM_CLOSE, 0, 0);
    HWND box = await("#32770", "vk");
    ASSERT_NE(box, nullptr);
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text); // a message box's text
    EXPECT_EQ(text, "Your inputs could not be saved to\n" + Dir() + "\\vk.ini\n\nAccess denied.\n\n"
                    "Start vk from a folder you can write to, or make vk.ini writable.");
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitForSingleObject(vk, 30000), WAIT_OBJECT_0); // a second box would keep it running
    DWORD status = 99;
    GetExitCodeProcess(vk, &status);
    EXPECT_EQ(status, 0u);
    CloseHandle(vk);
}

// Files and places that must not stop vk or be damaged: class names no main window can have,
// positions off every screen, and working directories too long for the profile functions.
TEST_F(Settings, HostileFilesAndPlaces)
{
    // Empty, or the name of a class the panel itself uses: the default name instead, saved back.
    for (const char* name : {"", "Edit", "Button", "ComboBox"}) {
        ASSERT_TRUE(WriteIni(std::string("[App]\nClassName=") + name + "\n[Pos]\nX=99999999999\nY=-2147483648"));
        ASSERT_NE(Open(), nullptr) << name;
        EXPECT_STREQ(MainClassName(), "vk ver2.43a");
        EXPECT_EQ(GetDlgCtrlID(GetWindow(Window(), GW_CHILD)), 100) << name;
        RECT place;
        GetWindowRect(Window(), &place);
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= GetSystemMetrics(SM_CXSCREEN) &&
                    place.bottom <= GetSystemMetrics(SM_CYSCREEN)) << place.left << "," << place.top << " " << place.right << "," << place.bottom;
        Close();
        EXPECT_NE(Ini().find("ClassName=vk ver2.43a\r\n"), std::string::npos) << name;
    }

    // Up to 259 characters of path the file is used; beyond it vk runs on the defaults and
    // writes nothing (a cut path would name another file).
    for (std::size_t length : {250u, 254u}) {
        const std::string dir = Dir() + "\\" + std::string(length - Dir().size() - 1, 'd');
        ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr) && SetCurrentDirectoryA(dir.c_str())) << dir.size();
        // Beside a path of 261 characters the file is out of the profile functions' reach.
        ASSERT_TRUE(WriteIni("[Situation]\nDistance=150\n", dir));
        ASSERT_NE(Open(), nullptr);
        EXPECT_EQ(Text(IDC_DISTANCE), length == 250 ? "150" : "230") << length;
        Close();
        EXPECT_EQ(Ini(dir) == "[Situation]\r\nDistance=150\r\n", length == 254) << length;
    }
}

} // namespace
