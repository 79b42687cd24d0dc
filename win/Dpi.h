// The one place where the program's 96-DPI pixel figures meet the DPI of a window. Forms know
// their DPI and controls scale what they are given by it (win/Control.h); this file holds what
// they share: the DPI of a window, and the system's metrics and fonts at a DPI. The functions
// that Windows 10 added are looked up when first needed, so the program also starts on a
// Windows without them (where every window has the screen's DPI).
#pragma once

#include <windows.h>

#include "util/DpiScale.h"

namespace win {

using ::ScaleFromDpi;
using ::ScaleToDpi;

// The DPI a window is drawn at: its monitor's under per-monitor awareness.
int WindowDpi(HWND window);
// The DPI of the primary screen.
int SystemDpi();

inline RECT ScaleToDpi(const RECT& r, int dpi) {
    return {::ScaleToDpi(static_cast<int>(r.left), dpi), ::ScaleToDpi(static_cast<int>(r.top), dpi),
            ::ScaleToDpi(static_cast<int>(r.right), dpi),
            ::ScaleToDpi(static_cast<int>(r.bottom), dpi)};
}
inline RECT ScaleFromDpi(const RECT& r, int dpi) {
    return {::ScaleFromDpi(static_cast<int>(r.left), dpi),
            ::ScaleFromDpi(static_cast<int>(r.top), dpi),
            ::ScaleFromDpi(static_cast<int>(r.right), dpi),
            ::ScaleFromDpi(static_cast<int>(r.bottom), dpi)};
}

// GetSystemMetrics at a DPI.
int SystemMetricAt(int index, int dpi);
// The outer size of a window with the given client size, styles and DPI.
SIZE OuterSizeAt(DWORD style, DWORD exStyle, int clientWidth, int clientHeight, int dpi);
// The menu font of the system at a DPI.
LOGFONTW MenuFontAt(int dpi);

}  // namespace win
