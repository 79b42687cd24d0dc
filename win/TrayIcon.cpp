#include "win/TrayIcon.h"

#include <shellapi.h>

#include "win/Application.h"
#include "win/Text.h"

namespace win {

namespace {

HICON ProgramSmallIcon() {
    // Resource 1 is the program's icon; a test program has none.
    auto icon = static_cast<HICON>(::LoadImageW(Application::Instance(), MAKEINTRESOURCEW(1),
                                                IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return icon ? icon : ::LoadIconW(nullptr, IDI_APPLICATION);
}

NOTIFYICONDATAW IconData(HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = id;
    return data;
}

}  // namespace

TrayIcon::TrayIcon(const TrayIconParams& params)
    : window_(params.window),
      id_(params.id),
      icon_(params.icon ? params.icon : ProgramSmallIcon()),
      tip_(Widen(params.tip)) {
    Add();
}

TrayIcon::~TrayIcon() {
    if (!shown_) return;
    NOTIFYICONDATAW data = IconData(window_, id_);
    ::Shell_NotifyIconW(NIM_DELETE, &data);
}

bool TrayIcon::Add() {
    NOTIFYICONDATAW data = IconData(window_, id_);
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = kTrayIconMessage;
    data.hIcon = icon_;
    ::lstrcpynW(data.szTip, tip_.c_str(), static_cast<int>(std::size(data.szTip)));
    shown_ = ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    return shown_;
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

std::optional<LRESULT> TrayIcon::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kTrayIconMessage && wp == id_) {
        // A callback may end the icon (the window comes back from the tray): nothing of this
        // object is used after it.
        const HWND window = window_;
        switch (static_cast<UINT>(lp)) {
            case WM_LBUTTONDBLCLK:
                if (auto onDoubleClick = OnDoubleClick) onDoubleClick();
                break;
            case WM_RBUTTONUP:
            case WM_CONTEXTMENU: {
                POINT at{};
                ::GetCursorPos(&at);
                ::SetForegroundWindow(window);
                if (auto onMenu = OnMenu) onMenu(at.x, at.y);
                // Makes the menu go when the user clicks elsewhere the next time.
                ::PostMessageW(window, WM_NULL, 0, 0);
                break;
            }
            default:
                break;
        }
        return 0;
    }
    if (msg == TaskbarCreatedMessage()) {
        Add();  // a new Explorer knows none of the old icons
    }
    return std::nullopt;
}

}  // namespace win
