// A plain window holding the shell protocol objects, and whether a tray icon exists.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <optional>

#include "win/ClipboardViewer.h"
#include "win/TrayIcon.h"

namespace testing_shell {

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

// The notification area knows an icon of this window and id.
inline bool IconExists(HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = id;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

}  // namespace testing_shell
