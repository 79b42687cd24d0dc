// Decoding of message parameters, in one place, so window code never unpacks WPARAM/LPARAM.
#pragma once

#include <windows.h>

namespace win {

struct Point {
    int x = 0;
    int y = 0;
};

// Mouse messages: the point in client coordinates (signed on multiple screens).
inline Point MousePoint(LPARAM lp) {
    return {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
}
inline LPARAM MakePointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                      static_cast<WORD>(static_cast<short>(y)));
}
// WM_COMMAND: the control or menu id and the notification code.
inline int CommandId(WPARAM wp) {
    return LOWORD(wp);
}
inline int CommandCode(WPARAM wp) {
    return HIWORD(wp);
}
// WM_SIZE: the new client size.
inline int SizeWidth(LPARAM lp) {
    return LOWORD(lp);
}
inline int SizeHeight(LPARAM lp) {
    return HIWORD(lp);
}
// WM_ACTIVATE: the window is losing the activation.
inline bool IsDeactivation(WPARAM wp) {
    return LOWORD(wp) == WA_INACTIVE;
}
// WM_CONTEXTMENU sent from the keyboard (menu key, Shift+F10) carries no point.
inline bool IsKeyboardContextMenu(LPARAM lp) {
    return lp == -1;
}
// Whether a window shows a keyboard cue: focus rectangles (UISF_HIDEFOCUS) or the underlined
// access keys (UISF_HIDEACCEL), which Windows hides until the keyboard is used.
inline bool KeyboardCue(HWND window, WORD cue) {
    return (::SendMessageW(window, WM_QUERYUISTATE, 0, 0) & cue) == 0;
}
// A key down that repeats because the key is held (bit 30 of its LPARAM).
inline bool IsKeyRepeat(LPARAM lp) {
    return (lp & 0x40000000) != 0;
}

}  // namespace win
