// The Windows halves of zt_Misc: a window's redrawing and the language of the user's locale.
#pragma once

#include <windows.h>

#include "util/zt_Misc.h"

// Switches the window's redrawing off, or on again with a full repaint of it and its children.
// Suspensions nest: drawing comes back only when the outermost one is resumed. A hidden window
// stays hidden (WM_SETREDRAW would show it). A null handle does nothing.
void SetRedraw(HWND handle, bool off);

// Drawing suspended for a scope, resumed however the scope is left.
class RedrawSuspension {
  public:
    explicit RedrawSuspension(HWND handle) : handle_(handle) { SetRedraw(handle_, true); }
    ~RedrawSuspension() { SetRedraw(handle_, false); }
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;

  private:
    HWND handle_;
};

// The interface language for the user's default locale.
TztLanguage LanguageFromLocale();
