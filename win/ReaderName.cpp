#include "win/ReaderName.h"

#include "win/Text.h"

namespace win {

namespace {

// The id that marks our statics; the one right before the control is its name.
constexpr int kNameId = 0xFFF0;

}  // namespace

void SetReaderName(Control& control, std::string_view name) {
    HWND window = control.Handle();
    if (!window) return;
    const std::wstring text = Widen(name);
    HWND before = ::GetWindow(window, GW_HWNDPREV);
    if (before && ::GetDlgCtrlID(before) == kNameId) {
        // Reading is cheap; a change is a round trip to the window system.
        wchar_t old[256]{};
        ::GetWindowTextW(before, old, static_cast<int>(std::size(old)));
        if (text != old) ::SetWindowTextW(before, text.c_str());
        return;
    }
    const RECT at = control.Bounds();
    HWND label = ::CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX,
                                   at.left, at.top, 0, 0, ::GetParent(window),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNameId)),
                                   ::GetModuleHandleW(nullptr), nullptr);
    // Made last, so after the control: moved right before it.
    if (label) {
        ::SetWindowPos(label, before ? before : HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

}  // namespace win
