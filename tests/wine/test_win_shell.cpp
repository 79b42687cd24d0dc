// The shell protocols of a window: its place in the clipboard viewer chain and its tray icon.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <array>
#include <memory>
#include <optional>

#include "win/ClipboardViewer.h"
#include "win/TrayIcon.h"
#include "wine/clipboard_copy.h"

namespace {

// A plain window that hands its messages to the protocol object it holds.
struct ShellWindow {
    HWND hwnd = nullptr;
    std::optional<win::ClipboardViewer> viewer;
    std::optional<win::TrayIcon> tray;
    int notices = 0;

    ShellWindow() {
        static const ATOM windowClass = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"ValomatShellTest";
            return RegisterClassW(&wc);
        }();
        hwnd = CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(windowClass)),
                               L"shell", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~ShellWindow() {
        viewer.reset();
        tray.reset();
        DestroyWindow(hwnd);
    }
    void Join() {
        viewer.emplace(hwnd, [this] { ++notices; });
    }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<ShellWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && self->viewer) {
            if (auto handled = self->viewer->HandleMessage(msg, wp, lp)) return *handled;
        }
        if (self && self->tray) {
            if (auto handled = self->tray->HandleMessage(msg, wp, lp)) return *handled;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
};

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

bool IconExists(HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = id;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
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
