#include "win/ReaderName.h"

#include "win/Text.h"

namespace win {

namespace {

// The static of a control, kept with the control's window.
constexpr wchar_t kNameProperty[] = L"ValomatReaderName";

}  // namespace

void SetReaderName(Control& control, std::string_view name) {
    HWND window = control.Handle();
    if (!window) return;
    const std::wstring text = Widen(name);
    auto label = static_cast<HWND>(::GetPropW(window, kNameProperty));
    if (label && ::IsWindow(label)) {
        // Reading is cheap; a change is a round trip to the window system.
        wchar_t old[256]{};
        ::GetWindowTextW(label, old, static_cast<int>(std::size(old)));
        if (text != old) ::SetWindowTextW(label, text.c_str());
        return;
    }
    const RECT at = control.Bounds();
    label = ::CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX,
                              at.left, at.top, 0, 0, ::GetParent(window), nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
    if (!label) return;
    // Right before the control: after the window that comes before it, or first of all.
    HWND before = ::GetWindow(window, GW_HWNDPREV);
    ::SetWindowPos(label, before ? before : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetPropW(window, kNameProperty, label);
}

}  // namespace win
