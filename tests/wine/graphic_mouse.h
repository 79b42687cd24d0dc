// The mouse on a graphic control, as Windows delivers it: to the window of the control's
// container, at the control's place there. Send* handle the messages at once; Post* queue them
// for the next message loop (a modal one, say).
#pragma once

#include <windows.h>

#include "win/Control.h"
#include "win/Message.h"

namespace graphicmouse {

// A speed button that Tab reaches has a window of its own, which takes its mouse itself.
inline HWND WindowOf(const win::Control& control) {
    return control.Handle() ? control.Handle() : control.Parent()->ContainerHandle();
}

// A point of the control (its own coordinates; the centre by default) in the window's.
inline LPARAM At(const win::Control& control, int x = -1, int y = -1) {
    RECT b = control.Bounds();
    if (control.Handle()) OffsetRect(&b, -b.left, -b.top);
    return win::MakePointParam(b.left + (x < 0 ? (b.right - b.left) / 2 : x),
                               b.top + (y < 0 ? (b.bottom - b.top) / 2 : y));
}

inline void SendClick(const win::Control& control) {
    SendMessageW(WindowOf(control), WM_LBUTTONDOWN, MK_LBUTTON, At(control));
    SendMessageW(WindowOf(control), WM_LBUTTONUP, 0, At(control));
}

inline void PostClick(const win::Control& control) {
    PostMessageW(WindowOf(control), WM_LBUTTONDOWN, MK_LBUTTON, At(control));
    PostMessageW(WindowOf(control), WM_LBUTTONUP, 0, At(control));
}

inline void SendMove(const win::Control& control, int x = -1, int y = -1) {
    SendMessageW(WindowOf(control), WM_MOUSEMOVE, 0, At(control, x, y));
}

// A right click there: the menu the container's window would show.
inline void SendContextMenu(const win::Control& control) {
    RECT b = control.Bounds();
    if (control.Handle()) OffsetRect(&b, -b.left, -b.top);
    POINT p{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    ClientToScreen(WindowOf(control), &p);
    SendMessageW(WindowOf(control), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(WindowOf(control)),
                 win::MakePointParam(p.x, p.y));
}

}  // namespace graphicmouse
