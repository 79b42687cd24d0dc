// The Windows halves of zt_Misc: a window's redrawing and the language of the user's locale.
#pragma once

#include <windows.h>

#include "util/zt_Misc.h"

// Switches the window's redrawing off, or on again with a full repaint of it and its children.
// A null handle does nothing.
void SetRedraw(HWND handle, bool off);

// The interface language for the user's default locale.
TztLanguage LanguageFromLocale();
