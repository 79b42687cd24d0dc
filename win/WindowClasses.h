// Our own window classes (internal to win/).
#pragma once

#include <windows.h>

#include "win/Application.h"

namespace win::detail {

inline constexpr wchar_t kFormClass[] = L"ValomatForm";
inline constexpr wchar_t kContainerClass[] = L"ValomatContainer";

// Registers our classes, once; true when they exist. A form and its graphic controls need
// nothing more, so a first window (the splash) comes before the common controls are loaded.
bool EnsureClasses();
// Loads and initialises the common controls, once, before the first child window: with the
// program's manifest they also give the system classes (edit, button, static) their look.
bool EnsureCommonControls();
ATOM FormAtom();
ATOM ContainerAtom();
LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK ContainerWindowProc(HWND, UINT, WPARAM, LPARAM);

// Runs the work of a window procedure. An exception must not cross into Windows: it is shown
// as the application's error and the message counts as handled.
template <typename Work>
LRESULT Guarded(Work&& work) noexcept {
    try {
        return work();
    } catch (...) {
        Application::HandleException();
        return 0;
    }
}

}  // namespace win::detail
