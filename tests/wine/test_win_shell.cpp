// The shell protocols of a window: its place in the clipboard viewer chain and its tray icon.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <array>
#include <memory>
#include "wine/clipboard_copy.h"
#include "wine/shell_window.h"

namespace {

using testing_shell::IconExists;
using testing_shell::ShellWindow;

TEST(ClipboardViewerChain, EveryViewerKeepsItsNoticesWhenAnotherLeaves) {
    std::array<std::unique_ptr<ShellWindow>, 3> windows;
    for (auto& w : windows) {
        w = std::make_unique<ShellWindow>();
        w->Join();  // the last one joined is the head of the chain
    }
    auto copyAndCount = [&](const wchar_t* text) {
        for (auto& w : windows) {
            if (w) w->notices = 0;
        }
        EXPECT_TRUE(testing_clipboard::CopyFromAnotherProgram(text));
    };
    copyAndCount(L"one");
    for (auto& w : windows) EXPECT_EQ(w->notices, 1);

    windows[1].reset();  // from the middle: the head hears of it and skips it from now on
    copyAndCount(L"two");
    EXPECT_EQ(windows[0]->notices, 1);
    EXPECT_EQ(windows[2]->notices, 1);

    windows[2].reset();  // the head: the first window joined still hears every copy
    copyAndCount(L"three");
    EXPECT_EQ(windows[0]->notices, 1);
}

TEST(TrayIcon, IsAddedRemovedAndAddedAgainWhenExplorerStartsAgain) {
    ShellWindow window;
    window.tray.emplace(win::TrayIconParams{.window = window.hwnd, .tip = "Valomat"});
    if (!window.tray->Shown()) GTEST_SKIP() << "no notification area on this display";
    EXPECT_TRUE(IconExists(window.hwnd, 1));

    // A new Explorer knows no icons; it tells every window.
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window.hwnd;
    data.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
    SendMessageW(window.hwnd, win::TrayIcon::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(IconExists(window.hwnd, 1));

    window.tray.reset();
    EXPECT_FALSE(IconExists(window.hwnd, 1));
}

TEST(TrayIcon, DoubleClickAndRightClickRunTheirCallbacksWhichMayEndTheIcon) {
    ShellWindow window;
    window.tray.emplace(win::TrayIconParams{.window = window.hwnd, .tip = "Valomat"});
    int doubleClicks = 0;
    int menus = 0;
    window.tray->OnDoubleClick = [&] { ++doubleClicks; };
    window.tray->OnMenu = [&](int, int) {
        ++menus;
        window.tray.reset();  // "Open" in the menu brings the window back from the tray
    };
    SendMessageW(window.hwnd, win::kTrayIconMessage, 1, WM_MOUSEMOVE);
    SendMessageW(window.hwnd, win::kTrayIconMessage, 1, WM_LBUTTONDBLCLK);
    EXPECT_EQ(doubleClicks, 1);
    SendMessageW(window.hwnd, win::kTrayIconMessage, 1, WM_RBUTTONUP);
    EXPECT_EQ(menus, 1);
    EXPECT_FALSE(window.tray.has_value());
}

}  // namespace
