// A window's icon in the notification area: added on construction, removed on destruction, so
// no icon outlives its program; the window must outlive this object. Explorer forgets every
// icon when it starts again, and HandleMessage then adds it back.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace win {

// The message the icon's mouse events come in with; a form's own messages stay below it.
inline constexpr UINT kTrayIconMessage = WM_APP + 0x100;

struct TrayIconParams {
    HWND window = nullptr;
    std::string tip{};
    HICON icon = nullptr;  // the program's small icon when not given
    UINT id = 1;
};

class TrayIcon {
  public:
    explicit TrayIcon(const TrayIconParams& params);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // False when no notification area took the icon (no shell, or none running yet).
    bool Shown() const { return shown_; }

    // The window's procedure hands every message here first: the icon's mouse events run the
    // callbacks, TaskbarCreated adds the icon again. Other messages give nothing.
    std::optional<LRESULT> HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

    // A callback may destroy this object.
    std::function<void()> OnDoubleClick;
    // Right click: a menu belongs at this screen point. The window is brought to the front
    // first, or the menu would not close when the user clicks elsewhere.
    std::function<void(int x, int y)> OnMenu;

    static UINT TaskbarCreatedMessage();

  private:
    bool Add();

    HWND window_;
    UINT id_;
    HICON icon_;
    std::wstring tip_;
    bool shown_ = false;
};

}  // namespace win
