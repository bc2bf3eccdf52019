// Many copies of the real vk.exe at once: with one running, 20 more started together all end with
// exit code 0 and no window; with none running, 20 started together leave exactly one window.
#include <atomic>
#include <memory>
#include <thread>

#include "vk_harness.h"

namespace {

using hard::VkProcess;

constexpr int kCopies = 20;
constexpr DWORD kCopiesTimeout = 60000;

BOOL CALLBACK CountOne(HWND window, LPARAM data)
{
    char className[64] = {}, title[64] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (std::string(className) == hard::kDefaultName && std::string(title) == hard::kDefaultName)
        ++*reinterpret_cast<int*>(data);
    return TRUE;
}

// Top-level windows of the program's class and title, on the whole desktop.
int CountMainWindows()
{
    int count = 0;
    EnumWindows(CountOne, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Starts count copies in dir one right after the other, without waiting in between.
std::vector<std::unique_ptr<VkProcess>> StartCopies(const std::string& dir, int count)
{
    std::vector<std::unique_ptr<VkProcess>> copies;
    for (int i = 0; i < count; ++i) {
        copies.push_back(std::make_unique<VkProcess>());
        EXPECT_TRUE(copies.back()->Start(dir)) << "copy " << i << ": error " << copies.back()->StartError();
    }
    return copies;
}

TEST(SecondCopy, TwentyStartedTogetherWhileOneRunsAllExitZero)
{
    hard::WorkDir dir;
    ASSERT_FALSE(dir.Path().empty());
    VkProcess first;
    ASSERT_TRUE(first.Start(dir.Path()));
    HWND window = first.WaitForWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(CountMainWindows(), 1);
    RECT placeBefore = {};
    GetWindowRect(window, &placeBefore);

    // Step 1: the running copy under load (recalculations without pause) while the others start.
    std::atomic<bool> stop(false);
    std::atomic<int> recalculations(0);
    std::thread load([&] {
        while (!stop && hard::Recalculate(window))
            ++recalculations;
    });
    std::vector<std::unique_ptr<VkProcess>> copies = StartCopies(dir.Path(), kCopies);

    // Step 2: every extra copy ends by itself, with exit code 0.
    for (std::size_t i = 0; i < copies.size(); ++i) {
        DWORD code = 99;
        EXPECT_TRUE(copies[i]->WaitForExit(&code, kCopiesTimeout)) << "copy " << i << " kept running";
        EXPECT_EQ(code, 0u) << "copy " << i;
    }
    stop = true;
    load.join();
    EXPECT_GT(recalculations.load(), 0);

    // Step 3: one window, the first one, untouched; nothing written while it runs.
    EXPECT_EQ(CountMainWindows(), 1);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    RECT placeAfter = {};
    GetWindowRect(window, &placeAfter);
    EXPECT_TRUE(EqualRect(&placeBefore, &placeAfter));
    EXPECT_TRUE(hard::ListNames(dir.Path()).empty());
    hard::ExpectResultsFilled(hard::ReadPanel(window));

    DWORD code = 99;
    ASSERT_TRUE(first.Close(&code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(hard::ProfileValue(dir.Ini(), "Beam", "Club"), "6I");
}

TEST(SecondCopy, TwentyStartedTogetherWithNoneRunningLeaveExactlyOne)
{
    hard::WorkDir dir;
    ASSERT_FALSE(dir.Path().empty());
    std::vector<std::unique_ptr<VkProcess>> copies = StartCopies(dir.Path(), kCopies);

    // Step 1: all but one end by themselves, with exit code 0; the one left shows the window.
    const DWORD start = GetTickCount();
    int running = kCopies;
    while (running > 1 && GetTickCount() - start < kCopiesTimeout) {
        Sleep(50);
        running = 0;
        for (const auto& copy : copies)
            running += copy->Running() ? 1 : 0;
    }
    EXPECT_EQ(running, 1);
    VkProcess* winner = nullptr;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        DWORD code = 99;
        if (copies[i]->WaitForExit(&code, 0)) {
            EXPECT_EQ(code, 0u) << "copy " << i;
        } else {
            EXPECT_EQ(winner, nullptr) << "copy " << i << " runs as well";
            winner = copies[i].get();
        }
    }
    ASSERT_NE(winner, nullptr);
    HWND window = winner->WaitForWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CountMainWindows(), 1);

    // Step 2: the one left works and closes cleanly.
    ASSERT_TRUE(hard::Recalculate(window));
    hard::ExpectResultsFilled(hard::ReadPanel(window));
    DWORD code = 99;
    ASSERT_TRUE(winner->Close(&code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(CountMainWindows(), 0);
}

} // namespace
