// Our own window classes (internal to win/).
#pragma once

#include <windows.h>

namespace win::detail {

inline constexpr wchar_t kFormClass[] = L"ValomatForm";
inline constexpr wchar_t kContainerClass[] = L"ValomatContainer";

// Initialises the common controls and registers our classes, once; true when they exist.
bool EnsureClasses();
ATOM FormAtom();
ATOM ContainerAtom();
LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK ContainerWindowProc(HWND, UINT, WPARAM, LPARAM);

}  // namespace win::detail
