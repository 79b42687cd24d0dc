// Our own window classes (internal to win/).
#pragma once

#include <windows.h>

#include "win/Application.h"

namespace win::detail {

inline constexpr wchar_t kFormClass[] = L"ValomatForm";
inline constexpr wchar_t kContainerClass[] = L"ValomatContainer";

// Initialises the common controls and registers our classes, once; true when they exist.
bool EnsureClasses();
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
