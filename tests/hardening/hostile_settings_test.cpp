// The real vk.exe against hostile settings files: unreadable, unwritable, huge, binary, duplicated,
// overlong and nonsensical ones. Each time it starts, shows usable values, recalculates and exits 0;
// a writable file then holds the fourteen keys and every unknown key, an unwritable one is untouched.
#include <array>
#include <cstdio>

#include "vk_harness.h"

namespace {

using hard::Crlf;
using hard::Panel;
using hard::VkProcess;

// How vk.ini is put in front of the program.
enum class Setup {
    File,         // a file with the case's bytes
    ReadOnlyFile, // the same, marked read-only
    LockedFile,   // the same, held open by the harness without sharing for the whole run
    Directory,    // a directory named vk.ini (holding one file)
};

// Values the panel must show at start; nullptr (or -1) where the case does not pin one.
struct Shown {
    const char* power = nullptr;
    const char* club = nullptr;
    const char* wind = nullptr;
    const char* distance = nullptr;
    const char* height = nullptr;
    const char* direction = nullptr;
    const char* slope = nullptr;
    int crimson = -1;
    int beam9 = -1;
};

using Unknown = std::array<std::string, 3>; // section, key, value

struct HostileCase {
    std::string name;
    Setup setup;
    std::string content;
    Shown shown;
    std::vector<Unknown> kept;      // unknown keys that must read the same after the run
    std::vector<std::string> lines; // lines that must still be in the file after the run
    bool wholeOnMonitor = false;    // the window must lie wholly on a monitor
    std::string title = hard::kDefaultName;
    std::string className = hard::kDefaultName;
};

// Shown in a failure message instead of the case's (possibly huge) bytes.
void PrintTo(const HostileCase& c, std::ostream* out)
{
    *out << c.name;
}

HostileCase Make(const std::string& name, Setup setup, const std::string& content, const Shown& shown = Shown())
{
    HostileCase c;
    c.name = name;
    c.setup = setup;
    c.content = content;
    c.shown = shown;
    return c;
}

const Shown kDefaults = {"25", "1W", "1", "230", "0", "0", "0", 0, 0};

// A complete file with a value other than the default for every key, and one unknown key.
const char* const kFullFile = "[App]\nAppTitle=vk ver2.43a\nClassName=vk ver2.43a\n[Pos]\nX=40\nY=60\n"
                              "[Chara]\nPower=30\nSpin=7\nClub=3W\nCrimsonRing=checked\n"
                              "[Situation]\nWindPower=5\nDistance=150\nHeight=-3\nDirection=45\nSlope=2\n"
                              "[Beam]\nClub=9I\n[Notes]\nKept=yes\n";
const Shown kFullShown = {"30", "3W", "5", "150", "-3", "45", "2", 1, 1};

// Bytes of every value from a fixed-seed generator (NUL, 0x1A, 0xFF, lone CR and LF included).
std::string Binary(std::size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (char& b : bytes) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<char>((seed >> 16) & 0xFF);
    }
    return bytes;
}

std::vector<HostileCase> Cases()
{
    std::vector<HostileCase> cases;
    const std::string mib(1 << 20, 'x');

    cases.push_back(Make("ReadOnlyFile", Setup::ReadOnlyFile, Crlf(kFullFile), kFullShown));
    cases.push_back(Make("LockedByAnotherProcess", Setup::LockedFile, Crlf(kFullFile), kDefaults));
    cases.push_back(Make("DirectoryNamedVkIni", Setup::Directory, "", kDefaults));

    {
        // A 1 MiB line (an unknown key, kept through the rewriting), a 64 KiB garbage line before
        // any section and a known key with a 64 KiB value (read as its first 254 characters).
        HostileCase c = Make("OneMebibyteLine", Setup::File, "");
        c.content = std::string(1 << 16, 'g') + "\r\n" + Crlf("[Chara]\nPower=30\n[Junk]\nLong=") + mib +
                    Crlf("\nAfter=kept\n[Situation]\nDistance=150\nHeight=") + std::string(1 << 16, '7') + "\r\n";
        c.shown.power = "30";
        c.shown.distance = "150";
        static const std::string height(hard::kLongestStoredText, '7');
        c.shown.height = height.c_str();
        c.kept = {{"Junk", "Long", mib}, {"Junk", "After", "kept"}};
        cases.push_back(c);
    }
    {
        // Random bytes between clean lines, and NUL bytes inside a section name, a key and a value.
        static const char withNul[] = "Height=1\0 2\r\nSlo\0pe=4\r\n[Be\0am]\r\nClub=9I\r\n";
        HostileCase c = Make("BinaryAndNulBytes", Setup::File, "");
        c.content = Crlf("[Chara]\nPower=30\n") + Binary(4096, 7) + Crlf("\n[Situation]\nDistance=150\n") +
                    std::string(withNul, sizeof withNul - 1) + Crlf("[Keep]\nKey=value\n");
        c.shown.power = "30";
        c.shown.distance = "150";
        c.kept = {{"Keep", "Key", "value"}};
        cases.push_back(c);
    }
    {
        // Starts with the UTF-16 byte-order mark but holds random bytes.
        HostileCase c = Make("BinaryAfterUtf16Mark", Setup::File, "\xFF\xFE" + Binary(2048, 11));
        cases.push_back(c);
    }
    {
        // Every section and key twice or more, in other letter cases: the first one counts.
        HostileCase c = Make("DuplicateSectionsAndKeys", Setup::File,
                      Crlf("[Situation]\nDistance=150\ndistance=160\nDISTANCE=170\n[Chara]\nPower=30\nPower=31\n"
                           "[SITUATION]\nDistance=180\n[chara]\nPower=32\n[Extra]\na=b\n[Extra]\nc=d\n"));
        c.shown.power = "30";
        c.shown.distance = "150";
        c.kept = {{"Extra", "a", "b"}};
        cases.push_back(c);
    }
    {
        // Every one of the fourteen values 300 characters long.
        const std::string title(300, 'T');
        const std::string className = "vkclass" + std::string(293, 'C');
        HostileCase c = Make("Values300Characters", Setup::File,
                      Crlf("[App]\nAppTitle=" + title + "\nClassName=" + className + "\n[Pos]\nX=" +
                           std::string(300, '9') + "\nY=" + std::string(300, '1') + "\n[Chara]\nPower=3" +
                           std::string(299, '0') + "\nSpin=" + std::string(300, '7') + "\nClub=2I" +
                           std::string(298, 'x') + "\nCrimsonRing=c" + std::string(299, 'x') +
                           "\n[Situation]\nWindPower=" + std::string(300, '9') + "\nDistance=" +
                           std::string(300, '1') + "\nHeight=-" + std::string(299, '2') + "\nDirection=" +
                           std::string(300, '4') + "\nSlope=" + std::string(300, '5') + "\n[Beam]\nClub=" +
                           std::string(300, '9') + "\n"));
        // A stored list value longer than every item selects nothing: the fillers' choice stays.
        static const std::string distance(hard::kLongestStoredText, '1');
        static const std::string height = "-" + std::string(hard::kLongestStoredText - 1, '2');
        static const std::string direction(hard::kLongestStoredText, '4');
        static const std::string slope(hard::kLongestStoredText, '5');
        c.shown = {"25", "1W", "1", distance.c_str(), height.c_str(), direction.c_str(), slope.c_str(), 1, 1};
        c.title = title.substr(0, hard::kLongestStoredText);
        c.className = className.substr(0, hard::kLongestStoredText);
        cases.push_back(c);
    }
    {
        // Every key present with nothing after the equals sign: empty texts, not the defaults
        // (an empty class name is among the unusable ones below).
        HostileCase c = Make("EmptyValues", Setup::File,
                             Crlf("[App]\nAppTitle=\n[Pos]\nX=\nY=\n[Chara]\nPower=\nSpin=\nClub=\n"
                                  "CrimsonRing=\n[Situation]\nWindPower=\nDistance=\nHeight=\nDirection=\nSlope=\n"
                                  "[Beam]\nClub=\n"));
        c.shown.distance = "";
        c.shown.height = "";
        c.shown.direction = "";
        c.shown.slope = "";
        c.shown.crimson = 0;
        c.shown.beam9 = 0;
        c.title = "";
        cases.push_back(c);
    }
    {
        HostileCase c = Make("PositionNotNumbers", Setup::File, Crlf("[Pos]\nX=left\nY=--7\n[Chara]\nPower=33\n"));
        c.shown.power = "33";
        cases.push_back(c);
    }
    // Stored places at the ends of the 32-bit range and beyond it: whatever integer the platform
    // reads for the digits, the window must end up wholly on a monitor.
    const char* const extremes[][3] = {{"PositionBeyond32Bits", "99999999999", "-99999999999"},
                                       {"PositionAtLargestInt", "2147483647", "2147483647"},
                                       {"PositionAtSmallestInt", "-2147483648", "-2147483648"}};
    for (const auto& e : extremes) {
        const std::string content = Crlf(std::string("[Pos]\nX=") + e[1] + "\nY=" + e[2] + "\n");
        HostileCase c = Make(e[0], Setup::File, content, kDefaults);
        c.wholeOnMonitor = true;
        cases.push_back(c);
    }
    {
        // Unknown sections before and after, unknown keys inside known sections, a comment.
        HostileCase c = Make("UnknownSectionsAndKeysKept", Setup::File,
                      Crlf("; written by hand\n[Before]\nAlpha=1\nBeta=two words\n[App]\nTheme=dark\n[Chara]\n"
                           "Power=28\nNickname=Ace\n[Situation]\nDistance=120\nWind Gust=3\n[Zeta]\nOmega=last\n"));
        c.shown.power = "28";
        c.shown.distance = "120";
        c.kept = {{"Before", "Alpha", "1"},        {"Before", "Beta", "two words"}, {"App", "Theme", "dark"},
                  {"Chara", "Nickname", "Ace"},    {"Situation", "Wind Gust", "3"}, {"Zeta", "Omega", "last"}};
        c.lines = {"; written by hand"};
        cases.push_back(c);
    }
    return cases;
}

class HostileSettings : public testing::TestWithParam<HostileCase> {};

// True when the platform refuses to rewrite a read-only file, as Windows does. Wine keeps the
// attribute as missing Unix write permission, which does not bind a process running as root.
bool ReadOnlyIsEnforced()
{
    hard::WorkDir dir;
    const std::string probe = dir.Path() + "\\probe";
    if (!hard::WriteBytes(probe, "x") || !SetFileAttributesA(probe.c_str(), FILE_ATTRIBUTE_READONLY))
        return false;
    HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return true;
    CloseHandle(file);
    return false;
}

// Checks the values a case pins.
void ExpectShown(const Panel& p, const Shown& s)
{
    auto pinned = [](const char* expected, const std::string& actual, const char* what) {
        if (expected != nullptr) {
            EXPECT_EQ(actual, expected) << what;
        }
    };
    pinned(s.power, p.power, "power");
    pinned(s.club, p.club, "club");
    pinned(s.wind, p.wind, "wind power");
    pinned(s.distance, p.distance, "distance");
    pinned(s.height, p.height, "height");
    pinned(s.direction, p.direction, "direction");
    pinned(s.slope, p.slope, "slope");
    if (s.crimson >= 0) {
        EXPECT_EQ(p.crimson, s.crimson == 1 ? BST_CHECKED : BST_UNCHECKED) << "Crimson Ring";
    }
    if (s.beam9 >= 0) {
        EXPECT_EQ(p.beam9, s.beam9 == 1 ? BST_CHECKED : BST_UNCHECKED) << "Beam 9I";
    }
}

TEST_P(HostileSettings, StartsShowsUsableValuesRecalculatesAndClosesCleanly)
{
    const HostileCase& c = GetParam();
    hard::WorkDir dir;
    ASSERT_FALSE(dir.Path().empty());
    const std::string ini = dir.Ini();

    // Step 1: put the file (or directory) in place.
    HANDLE lock = INVALID_HANDLE_VALUE;
    if (c.setup == Setup::Directory) {
        ASSERT_TRUE(hard::MakeDirectory(ini));
        ASSERT_TRUE(hard::WriteBytes(ini + "\\inside.txt", "left alone"));
    } else {
        ASSERT_TRUE(hard::WriteBytes(ini, c.content));
    }
    if (c.setup == Setup::ReadOnlyFile) {
        ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));
    }
    if (c.setup == Setup::LockedFile) {
        lock = CreateFileA(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    }

    // Step 2: start; the window must come, under its class name and title.
    VkProcess vk;
    ASSERT_TRUE(vk.Start(dir.Path())) << "CreateProcess error " << vk.StartError();
    HWND window = vk.WaitForWindow();
    ASSERT_NE(window, nullptr) << "no window; exited: " << !vk.Running();
    char className[512] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_EQ(className, c.className);
    EXPECT_EQ(hard::WindowText(window), c.title);
    EXPECT_EQ(FindWindowA(c.className.c_str(), c.title.c_str()), window);

    // Step 3: its place and size: on a monitor, wholly where the case says so.
    RECT place = {};
    GetWindowRect(window, &place);
    EXPECT_EQ(place.right - place.left, hard::kWindowWidth);
    EXPECT_EQ(place.bottom - place.top, hard::kWindowHeight);
    EXPECT_FALSE(IsIconic(window));
    bool whole = false;
    EXPECT_TRUE(hard::OnAMonitor(place, &whole)) << place.left << "," << place.top;
    if (c.wholeOnMonitor) {
        EXPECT_TRUE(whole) << place.left << "," << place.top;
    }

    // Step 4: what the panel shows, before any recalculation.
    Panel shown = hard::ReadPanel(window);
    hard::ExpectPanelUsable(shown);
    ExpectShown(shown, c.shown);
    for (const std::string& result : shown.results)
        EXPECT_EQ(result, "");

    // Step 5: recalculating with the stored values, then with a typed distance, fills every result.
    ASSERT_TRUE(hard::Recalculate(window)) << "no answer to the recalculation";
    hard::ExpectResultsFilled(hard::ReadPanel(window));
    ASSERT_TRUE(hard::SetControlText(window, IDC_DISTANCE, "187"));
    ASSERT_TRUE(hard::Recalculate(window));
    EXPECT_EQ(hard::ControlText(window, IDC_BEAM_DRIFT), "---");

    // Step 6: the dial finds the main window by the class name and title read from the file: a
    // press on it, painted at once, sets the direction and recalculates (80 yards: Beam Impact).
    ASSERT_TRUE(hard::SetControlText(window, IDC_DISTANCE, "80"));
    ASSERT_TRUE(hard::Send(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(77, 628)));
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW);
    Panel closing = hard::ReadPanel(window);
    EXPECT_EQ(closing.direction, "45.00");
    EXPECT_NE(closing.results[4], "---") << "the dial's recalculation did not reach the main window";
    hard::ExpectResultsFilled(closing);
    hard::ExpectPanelUsable(closing);

    // Step 7: close; exit code 0.
    GetWindowRect(window, &place);
    DWORD code = 99;
    ASSERT_TRUE(vk.Close(&code)) << "vk.exe did not exit after WM_CLOSE";
    EXPECT_EQ(code, 0u);
    if (lock != INVALID_HANDLE_VALUE)
        CloseHandle(lock);

    // Step 8: the file afterwards.
    switch (c.setup) {
    case Setup::File:
        hard::ExpectFourteenKeys(ini, closing, place, c.title, c.className);
        for (const Unknown& u : c.kept) {
            EXPECT_TRUE(hard::ProfileValue(ini, u[0].c_str(), u[1].c_str()) == u[2]) << "[" << u[0] << "] " << u[1];
        }
        for (const std::string& line : c.lines) {
            EXPECT_NE(hard::ReadBytes(ini).find(line + "\r\n"), std::string::npos) << line;
        }
        break;
    case Setup::ReadOnlyFile:
        EXPECT_TRUE(hard::Attributes(ini) & FILE_ATTRIBUTE_READONLY);
        if (ReadOnlyIsEnforced()) {
            EXPECT_EQ(hard::ReadBytes(ini), c.content);
        } else {
            // The platform let the file be rewritten: then it must be rewritten completely.
            std::printf("note: this platform does not enforce read-only files (Wine as root); checked as writable\n");
            hard::ExpectFourteenKeys(ini, closing, place, c.title, c.className);
            EXPECT_EQ(hard::ProfileValue(ini, "Notes", "Kept"), "yes");
        }
        break;
    case Setup::LockedFile:
        EXPECT_EQ(hard::ReadBytes(ini), c.content);
        break;
    case Setup::Directory:
        EXPECT_TRUE(hard::IsDirectory(ini));
        EXPECT_EQ(hard::ListNames(ini), std::vector<std::string>{"inside.txt"});
        EXPECT_EQ(hard::ReadBytes(ini + "\\inside.txt"), "left alone");
        break;
    }
    // Nothing but vk.ini is ever made in the working directory.
    EXPECT_EQ(hard::ListNames(dir.Path()), std::vector<std::string>{"vk.ini"});
}

INSTANTIATE_TEST_SUITE_P(Files, HostileSettings, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

// Class names the main window cannot have: empty (registration fails: the program ends at once,
// at every start) or the name of a control class of the panel (the panel's controls would be
// made as main windows, each building a panel again: the program never shows a window and
// holds the single-instance name). The program uses the default name instead, and saves it.
std::vector<HostileCase> UnusableClassNames()
{
    std::vector<HostileCase> cases;
    for (const char* name : {"Empty", "Edit", "Button", "ComboBox", "ComboLBox"}) {
        const std::string stored = std::string(name) == "Empty" ? "" : name;
        HostileCase c = Make(std::string("ClassName") + name, Setup::File,
                             Crlf("[App]\nClassName=" + stored + "\n[Situation]\nDistance=150\n"));
        c.shown.distance = "150";
        cases.push_back(c);
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(UnusableClassName, HostileSettings, testing::ValuesIn(UnusableClassNames()),
                         [](const testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

} // namespace
